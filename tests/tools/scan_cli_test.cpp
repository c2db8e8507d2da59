#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include <filesystem>
#include <fstream>
#include <set>

#include "../scan/scan_support.h"
#include "cli.h"
#include "photo_maker.h"

namespace rotalo::cli {
namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

Result Scan(std::vector<std::string_view> args, std::string input = "") {
  Result result;
  Io io;
  io.read = TextInput(std::move(input), 7);
  io.writeOut = [&](std::string_view s) { result.out += s; };
  io.writeErr = [&](std::string_view s) { result.err += s; };
  args.insert(args.begin(), "scan");
  result.status = Run(args, io);
  return result;
}

std::filesystem::path Folder(const std::string& name) {
  const auto path = std::filesystem::temp_directory_path() / ("rotalo-scan-test-" + name);
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

std::string Digits(const Buffer& cube) {
  std::string text;
  AppendCubeDigits(text, cube);
  return text;
}

// The 54 lines "R G B" of a cube painted in the palette colours `names`.
std::string RgbLines(const Buffer& cube, const std::array<int, 6>& palette) {
  std::string lines;
  for (int i = 1; i <= kFacelets; ++i) {
    const Colour c = kPalette[palette[cube[i] - 1]].value;
    lines += std::to_string(c & 0xFF) + " " + std::to_string((c >> 8) & 0xFF) + "\t" +
             std::to_string((c >> 16) & 0xFF) + (i % 9 == 0 ? "\r\n\n" : "\n");
  }
  return lines;
}

// Sampled colours from a file or standard input, in the default colours or
// chosen ones: the cube as painted, a re-assembled one too, each sticker for
// sure, and the entry check's verdict.
TEST(ScanCommand, ReadsSampledColoursInCubeOrder) {
  const Buffer cube = scan::TestCube(4);  // an edge flipped
  const auto file = Folder("rgb") / "cube.txt";
  std::ofstream(file) << RgbLines(cube, {0, 1, 2, 3, 4, 5});
  const std::string expected = "cube: " + Digits(cube) + "\nuncertain: none\n";
  const Result fromFile = Scan({"--rgb", file.string()});
  EXPECT_EQ(fromFile.status, kExitOk);
  EXPECT_EQ(fromFile.out, expected + "check: accepted\n");
  const Result fromInput =
      Scan({"--colours", "Red,Yellow,Green,White,Blue,Orange", "--rgb", "-"}, RgbLines(cube, {5, 1, 2, 3, 4, 0}));
  EXPECT_EQ(fromInput.out, fromFile.out);

  const Buffer twisted = scan::TestCube(1);  // a corner twisted: read as painted, repaired later
  const Result r = Scan({"--rgb", "-"}, RgbLines(twisted, {0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, "cube: " + Digits(twisted) + "\nuncertain: none\ncheck: accepted\n");
}

// Six photos in any order, each any way up: the cube as held in one of its
// 24 ways, and accepted; a single photo fills its own face only.
TEST(ScanCommand, ReadsPhotosOfTheFaces) {
  const Buffer cube = scan::TestCube(10);
  const auto folder = Folder("photos");
  std::array<Colour, 7> colours{};
  for (int code = 1; code <= 6; ++code) {
    colours[code] = kPalette[code - 1].value;
  }
  std::vector<std::string> names;
  for (const auto& photo : photos::MakePhotos(cube, colours, 10)) {
    names.push_back((folder / ("face-" + std::to_string(photo.face) + ".png")).string());
    cv::imwrite(names.back(), photo.image);
  }
  const Result r = Scan({names[0], names[1], names[2], names[3], names[4], names[5]});
  EXPECT_EQ(r.status, kExitOk);
  std::set<std::string> held;
  for (const Buffer& rotated : scan::Rotations(cube)) {
    held.insert("cube: " + Digits(rotated) + "\nuncertain: none\ncheck: accepted\n");
  }
  EXPECT_TRUE(held.count(r.out)) << r.out;

  const Result one = Scan({names[0]});
  EXPECT_EQ(one.status, kExitOk);
  EXPECT_EQ(std::count(one.out.begin(), one.out.begin() + 60, '0'), 45) << one.out;
  EXPECT_TRUE(one.out.ends_with("check: rejected: You must colour in ALL of the sides\n"));
}

// Bad arguments and unreadable input: a message that names the problem on
// standard error, nothing printed, and a non-zero status.
TEST(ScanCommand, RefusesWhatItCannotRead) {
  const auto folder = Folder("bad");
  std::mt19937 random(3);
  photos::PhotoStyle style = photos::RandomStyle(random);
  style.drawFace = false;
  const std::string empty = (folder / "table.png").string();
  cv::imwrite(empty, photos::DrawFace({}, style, random));
  const std::string missing = (folder / "missing.png").string();
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases{
      {{}, "rotalo-cli: scan needs one to six IMAGE files, or --rgb FILE\n"},
      {{"--rgb"}, "rotalo-cli: scan --rgb takes one FILE (or - for standard input)\n"},
      {{"--rgb", missing}, "rotalo-cli: cannot open \"" + missing + "\"\n"},
      {{"--rgb", "-"}, "rotalo-cli: --rgb needs 54 lines R G B, not 0\n"},
      {{"--colours", "Red"}, "rotalo-cli: --colours needs six colour names separated by commas, not 1\n"},
      {{missing}, "rotalo-cli: cannot read the picture \"" + missing + "\"\n"},
      {{empty}, "rotalo-cli: no cube face found in the picture \"" + empty + "\"\n"},
      {{empty, empty, empty, empty, empty, empty, empty},
       "rotalo-cli: scan takes at most six IMAGE files, one per face, not 7\n"},
  };
  for (const auto& [args, message] : cases) {
    const Result r = Scan(args);
    EXPECT_NE(r.status, kExitOk);
    EXPECT_EQ(r.err.substr(0, message.size()), message);
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(Scan({empty}).status, kExitRejected);
  EXPECT_EQ(Scan({"--rgb", "-"}, "1 2 3\n4 5 300\n").err,
            "rotalo-cli: line 2: \"4 5 300\" is not three numbers 0..255 (R G B)\n");
  EXPECT_EQ(Scan({"--rgb", "-"}, "1 2 3 4\n").err.substr(0, 19), "rotalo-cli: line 1:");
  EXPECT_EQ(Scan({"--rgb", "-"}, RgbLines(scan::TestCube(0), {0, 1, 2, 3, 4, 5}) + "1 1 1\n").err,
            "rotalo-cli: --rgb needs 54 lines R G B, and there are more\n");
}

}  // namespace
}  // namespace rotalo::cli
