#include "cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <opencv2/imgcodecs.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../scan/scan_support.h"
#include "cube_text.h"
#include "model/notation.h"
#include "photo_maker.h"

namespace rotalo::cli {
namespace {

constexpr const char* kSolved = "111111112222222233333333444444445555555566666666123456";
const std::string kSolvedBlock =
    "check: accepted\nrun 1: twist 0 swap 0 flip 0\nrecorded: AA BB 60\nsolution: AA BB\nmoves: 0\n";

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

Result RunWith(std::vector<std::string_view> args, std::string input = "",
               std::function<long(char*, std::size_t)> read = {}) {
  Result result;
  Io io;
  io.read = read ? read : TextInput(std::move(input), 7);  // lines arrive cut across reads
  io.writeOut = [&](std::string_view s) { result.out += s; };
  io.writeErr = [&](std::string_view s) { result.err += s; };
  result.status = Run(args, io);
  return result;
}

// The one golden run: the solved cube turned by 21 43 62 51 33, its recorded
// moves with the two markers, the simplified solution and its length.
TEST(RotaloCli, SolvesAScrambleInTheDocumentedBlock) {
  const Result r = RunWith({"solve", "--scramble", "21 43 62 51 33"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "check: accepted\n"
            "run 1: twist 0 swap 0 flip 0\n"
            "recorded: 10 31 10 60 53 41 51 10 53 10 10 23 10 61 43 61 41 51 62 53 63 53 63 51 AA 60 43 61 41 61 51 "
            "63 53 63 21 63 23 63 53 61 51 BB 23 63 21 31 61 33 23 61 21 60 62 23 62 21 61 23 61 21 33 51 21 31 53 62 "
            "33 51 21 31 53 53 31 43 51 33 62 53 31 43 51 33 43 21 31 41 23 63 43 21 33 41 23 63 43 21 32 41 23 33 51 "
            "21 31 53 62 33 51 21 31 53\n"
            "solution: 31 53 41 23 61 43 61 41 51 62 53 63 53 63 51 AA 43 61 41 61 51 63 53 63 21 63 23 63 53 61 51 BB "
            "23 63 21 31 61 33 23 61 21 62 23 62 21 61 23 61 21 33 51 21 31 53 62 33 51 21 31 52 31 43 51 33 62 53 31 "
            "43 51 33 43 21 31 41 23 63 43 21 33 41 23 63 43 21 32 41 23 33 51 21 31 53 62 33 51 21 31 53\n"
            "moves: 96\n");
  // TOKENS may also come as several arguments.
  EXPECT_EQ(RunWith({"solve", "--scramble", "21", "43", "62", "51", "33"}).out, r.out);
}

// A block per cube: a re-assembled cube shows its repair and a second run, a
// rejected one its check line in the chosen colours; malformed lines and
// empty ones are skipped, the first named on standard error.
TEST(RotaloCli, BatchPrintsABlockPerCubeAndSkipsMalformedLines) {
  std::string flipped = kSolved;  // the edge at 6/34 turned over
  std::swap(flipped[5], flipped[33]);
  std::string nineBlue = kSolved;
  nineBlue[8] = '5';
  const std::string input = flipped + "\r\n\n" + nineBlue + "\n12345\n" + std::string(200, '1') + "\r\n" +
                            std::string(54, '1') + "\r\r\n" + kSolved;
  const Result r = RunWith({"solve", "--colours", "Orange,Yellow,Green,White,Light Blue,Red", "-"}, input);
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err,
            "rotalo-cli: line 4: wrong length: CUBE has 5 characters, it needs 54\n"
            "rotalo-cli: line 5: wrong length: CUBE has 200 characters, it needs 54\n"
            "rotalo-cli: line 6: wrong length: CUBE has 55 characters, it needs 54\n");
  EXPECT_EQ(r.out, "check: accepted\nrun 1: twist 0 swap 0 flip 1\nrepaired: " + std::string(kSolved) +
                       "\nrun 2: twist 0 swap 0 flip 0\nrecorded: AA BB 60\nsolution: AA BB\nmoves: 0\n\n"
                       "check: rejected: There must be nine Light Blue pieces\n\n" +
                       kSolvedBlock);
  EXPECT_EQ(RunWith({"solve", "-"}, "").out, "");
  EXPECT_EQ(RunWith({"check", nineBlue}).out, "check: rejected: There must be nine Blue pieces\n");
  EXPECT_EQ(RunWith({"check", "--colours=red,green,blue,black,white,purple", kSolved}).out, "check: accepted\n");
}

TEST(RotaloCli, BatchAnswersWhatCameBeforeAReadErrorAndSaysSo) {
  const auto breaking = [text = TextInput(std::string(kSolved) + "\n")](char* buffer, std::size_t size) {
    const long n = text(buffer, size);
    return n > 0 ? n : -1L;  // the input breaks off after the first line
  };
  const Result r = RunWith({"solve", "-"}, "", breaking);
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.out, kSolvedBlock);
  EXPECT_EQ(r.err, "rotalo-cli: could not read standard input\n");
}

TEST(RotaloCli, ApplyAndRotatePrintTheCubeAfterwards) {
  const std::string solved = std::string(kSolved) + "\n";
  EXPECT_EQ(RunWith({"apply", kSolved, ""}).out, solved);
  EXPECT_EQ(RunWith({"apply", kSolved, "21"}).out.substr(0, 8), "31111133");  // 1, 7, 8 now carry face 3
  const std::string rotated = RunWith({"rotate", kSolved, "5", "1"}).out.substr(0, 54);
  EXPECT_EQ(rotated.substr(48, 6), "263154");
  EXPECT_EQ(RunWith({"rotate", rotated, "5", "-1"}).out, solved);
  EXPECT_EQ(RunWith({"rotate", rotated, "5", "3"}).out, solved);
}

// A fresh folder under the system's temporary folder.
std::filesystem::path TempFolder(const std::string& name) {
  const auto path = std::filesystem::temp_directory_path() / ("rotalo-cli-test-" + name);
  std::filesystem::remove_all(path);
  return path;
}

TEST(RotaloCli, MalformedInputIsAUsageErrorWithNoOutput) {
  std::string letter = kSolved;
  letter[9] = 'x';
  std::string seven = kSolved;
  seven[53] = '7';
  const std::string path = TempFolder("refused").string();
  const std::pair<std::vector<std::string_view>, const char*> cases[] = {
      {{}, "no command given"},
      {{"shuffle"}, "unknown command"},
      {{"solve"}, "needs a CUBE"},
      {{"solve", "123"}, "wrong length: CUBE has 3 characters"},
      {{"solve", letter}, "character 10 of CUBE is \"x\", not a digit 0..6"},
      {{"check", seven}, "character 54 of CUBE is \"7\""},
      {{"solve", "--colours", "Orange,Yellow,Green,White,Blue,Pink", kSolved}, "unknown colour name \"Pink\""},
      {{"solve", "--colours", "Orange,Yellow,Green,White,Blue", kSolved}, "six colour names"},
      {{"solve", "--colours", "Orange,Orange,Green,White,Blue,Red", kSolved}, "named twice"},
      {{"solve", "--colours"}, "needs a list"},
      {{"solve", "--scramble", "21 73"}, "bad token 2 \"73\""},
      {{"solve", "--scramble", "21  43"}, "bad token 2 \"\""},
      {{"solve", kSolved, kSolved}, "takes one CUBE"},
      {{"apply", kSolved, "1"}, "bad token 1"},
      {{"apply"}, "needs a CUBE"},
      {{"rotate", kSolved, "2", "1"}, "AXIS \"2\" is not 1, 4 or 5"},
      {{"rotate", kSolved, "1", "2"}, "Q \"2\" is not 1, -1 or 3"},
      {{"rotate", kSolved, "1"}, "rotate needs"},
      {{"solve", "-", "x"}, "takes no further arguments"},
      {{"render", "123", path}, "wrong length"},
      {{"render", kSolved}, "needs a CUBE and an output"},
      {{"render", kSolved, "/proc/rotalo/cube.png"}, "could not write"},
      {{"render", kSolved, "/proc/rotalo", "--turn", "1", "1", "0"}, "could not make the folder"},
      {{"render", kSolved, path, "--turn", "1", "x", "0"}, "is not a whole number"},
      {{"render", kSolved, path, "--turn", "1", "1"}, "needs 3 numbers"},
      {{"render", kSolved, path, "--turn", "1", "1", "2"}, "E must be 0 or 1"},
      {{"render", kSolved, path, "--rotate", "2", "1"}, "AXIS must be 1, 4 or 5"},
      {{"render", kSolved, path, "--repair", "0", "1", "1", "1"}, "A must be -1, 1 or 2"},
      {{"render", kSolved, path, "--frames", "0", "--turn", "1", "1", "0"}, "--frames must be 1..100"},
      {{"render", kSolved, path, "--spin"}, "does not know"},
      {{"render", kSolved, path, "--frames", "4"}, "needs --turn, --rotate or --repair"},
      {{"solve", "--notation", "fancy", kSolved}, "--notation is standard or tokens, not \"fancy\""},
      {{"solve", "--notation"}, "--notation needs standard or tokens"},
      {{"solve", "--scramble", "R U x"}, "bad move 3 \"x\""},
      {{"apply", kSolved, "R2 r"}, "bad move 2 \"r\""},
      {{"check", "--fewest", kSolved}, "check takes one CUBE"},
      {{"solve", "--fewest", "--threads", "0", kSolved}, "--threads needs a whole number from 1 to 256, not \"0\""},
      {{"solve", "--fewest", "--threads=2.5", kSolved}, "--threads needs a whole number from 1 to 256, not \"2.5\""},
      {{"solve", "--fewest", "--threads", "two", kSolved}, "not \"two\""},
      {{"solve", "--fewest", "--threads"}, "--threads needs a number of threads"},
      {{"solve", "--fewest", "--budget", "-1", kSolved}, "--budget needs a number above 0 up to 3600000, not \"-1\""},
      {{"solve", "--fewest", "--budget=0", kSolved}, "--budget needs a number above 0 up to 3600000, not \"0\""},
      {{"solve", "--budget", "1ms", kSolved}, "not \"1ms\""},
      {{"solve", "--budget"}, "--budget needs milliseconds"},
      {{"scan"}, "scan needs one to six IMAGE files, or --rgb FILE\n"},
      {{"scan", "--rgb"}, "scan --rgb takes one FILE (or - for standard input)"},
      {{"scan", "--rgb", path}, "cannot open \""},
      {{"scan", "--rgb", "-"}, "--rgb needs 54 lines R G B, not 0"},
      {{"scan", "--colours", "Red"}, "--colours needs six colour names separated by commas, not 1"},
      {{"scan", path}, "cannot read the picture \""},
      {{"scan", "a", "b", "c", "d", "e", "f", "g"}, "scan takes at most six IMAGE files, one per face, not 7"},
  };
  for (const auto& [args, message] : cases) {
    const Result r = RunWith(args);
    EXPECT_TRUE(r.status == kExitUsage && r.out.empty()) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.rfind("rotalo-cli: ", 0), 0u);
  }
  EXPECT_FALSE(std::filesystem::exists(path));  // nothing made for a refused render
}

TEST(RotaloCli, RenderWritesTheRestingCubeOrEveryFrameOfAnAnimation) {
  const auto folder = TempFolder("render");
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "cube.png").string();
  ASSERT_EQ(RunWith({"render", kSolved, file}).status, kExitOk);
  const QImage image(QString::fromStdString(file));
  ASSERT_EQ(image.size(), QSize(230, 230));
  EXPECT_EQ(image.pixel(115, 70), qRgb(255, 128, 0));  // the top face in Orange
  EXPECT_EQ(image.pixel(115, 115), qRgb(0, 0, 0));     // its near corner
  const std::pair<std::vector<std::string_view>, int> cases[] = {
      {{"--turn", "1", "1", "0"}, 5},
      {{"--turn", "6", "-1", "1"}, 6},
      {{"--turn", "3", "1", "1", "--frames", "2"}, 2},
      {{"--rotate", "4", "3"}, 5},  // then final.png
      {{"--repair", "-1", "1", "1", "1"}, 6},
      {{"--repair", "2", "0", "0", "0"}, 1},
  };
  for (const auto& [options, frames] : cases) {
    const std::string path = (folder / options[0]).string();
    std::vector<std::string_view> args{"render", kSolved, path};
    args.insert(args.end(), options.begin(), options.end());
    EXPECT_EQ(RunWith(args).out, std::to_string(frames) + " frames written\n");
    const bool rotation = options[0] == "--rotate";
    const auto count = std::distance(std::filesystem::directory_iterator(path), std::filesystem::directory_iterator());
    EXPECT_EQ(count, frames + (rotation ? 1 : 0)) << options[0];
    EXPECT_TRUE(std::filesystem::exists(path + (rotation ? "/final.png" : "/frame-001.png")));
    std::filesystem::remove_all(path);
  }
  std::filesystem::remove_all(folder);
}

TEST(RotaloCli, HelpWinsOverEverythingElse) {
  const Result r = RunWith({"solve", "--scramble", "--help"});
  EXPECT_TRUE(r.status == kExitOk && r.out == HelpText() && r.out.find("rotate CUBE AXIS Q") != std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// The moves of a solution: line applied to CUBE with rotalo-cli itself.
std::string Applied(const std::string& cube, const std::string& solutionLine) {
  return RunWith({"apply", cube, solutionLine.substr(std::string("solution: ").size())}).out;
}

// With --fewest each block's solution solves the cube its last run starts
// from, the repaired cube after a repair; the layer-by-layer run is still
// recorded.
TEST(RotaloCli, FewestSolvesTheCubeOfTheLastRunOfEveryBlock) {
  const std::string solved = std::string(kSolved) + "\n";
  const std::string scrambled = RunWith({"apply", kSolved, "21 43 62 51 33"}).out;
  std::string flipped = kSolved;  // the edge at 6/34 turned over, after a few turns
  std::swap(flipped[5], flipped[33]);
  const std::string turned = RunWith({"apply", flipped, "R U2 F' D L B2"}).out;
  const Result r = RunWith({"solve", "--fewest", "--threads=3", "--budget", "2.5", "-"}, scrambled + solved + turned);
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u + 1 + 5 + 1 + 7) << r.out;
  EXPECT_EQ(lines[2], Lines(RunWith({"solve", "--scramble", "21 43 62 51 33"}).out)[2]);
  EXPECT_EQ(Applied(scrambled.substr(0, 54), lines[3]), solved);
  const std::size_t count = std::stoul(lines[4].substr(std::string("moves: ").size()));  // five turns undone in five
  EXPECT_TRUE(count >= 1 && count <= 5 && lines[3].size() == std::string("solution: ").size() + 3 * count - 1);
  EXPECT_EQ(lines[9], "solution: ");
  EXPECT_EQ(lines[10], "moves: 0");
  ASSERT_EQ(lines[14].rfind("repaired: ", 0), 0u);
  EXPECT_EQ(Applied(lines[14].substr(10), lines[17]), solved);
}

TEST(RotaloCli, StandardNotationInAndOut) {
  // TOKENS may be standard notation wherever they are taken.
  EXPECT_EQ(RunWith({"apply", kSolved, "R U R' U'"}).out, RunWith({"apply", kSolved, "41 11 43 13"}).out);
  EXPECT_EQ(RunWith({"apply", kSolved, "R", "U2", "B'"}).out, RunWith({"apply", kSolved, "41 12 33"}).out);
  const std::string block = RunWith({"solve", "--scramble", "21 43 62 51 33"}).out;
  EXPECT_EQ(RunWith({"solve", "--scramble", "L R' D2 F B'"}).out, block);
  EXPECT_EQ(RunWith({"solve", "--notation", "tokens", "--scramble", "21 43 62 51 33"}).out, block);
  // The same block, with the moves of its two lines in standard notation.
  const auto tokens = Lines(block);
  const Result standard = RunWith({"solve", "--notation", "standard", "--scramble", "21 43 62 51 33"});
  const auto lines = Lines(standard.out);
  ASSERT_TRUE(standard.status == kExitOk && lines.size() == 5u) << standard.err;
  for (std::size_t k = 0; k < 5; ++k) {
    const bool moves = k == 2 || k == 3;
    EXPECT_EQ(lines[k],
              moves ? tokens[k].substr(0, 10) + StandardNotation(tokens[k].substr(10) + " ", MarkerStyle::Inline)
                    : tokens[k]);
  }
  EXPECT_EQ(RunWith({"solve", "--notation=standard", "--scramble", "21 43 62 51 33"}).out, standard.out);
  const Result both = RunWith({"solve", "--notation", "standard", "--fewest", "--scramble", "R U R' U'"});
  EXPECT_EQ(Lines(both.out)[3], "solution: U R U' R'");
  EXPECT_EQ(Lines(both.out)[4], "moves: 4");
}

std::string Digits(const Buffer& cube) {
  std::string text;
  AppendCubeDigits(text, cube);
  return text;
}

// The 54 lines "R G B" of a cube painted in the palette colours `palette`,
// spaced and ended in the ways people write them.
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
// sure, and the entry check's verdict; a line that is no colour is named.
TEST(RotaloCli, ScanReadsSampledColoursInCubeOrder) {
  const Buffer cube = scan::TestCube(4);  // an edge flipped
  const auto folder = TempFolder("rgb");
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "cube.txt").string();
  std::ofstream(file) << RgbLines(cube, {0, 1, 2, 3, 4, 5});
  const Result fromFile = RunWith({"scan", "--rgb", file});
  EXPECT_EQ(fromFile.status, kExitOk);
  EXPECT_EQ(fromFile.out, "cube: " + Digits(cube) + "\nuncertain: none\ncheck: accepted\n");
  EXPECT_EQ(RunWith({"scan", "--colours", "Red,Yellow,Green,White,Blue,Orange", "--rgb", "-"},
                    RgbLines(cube, {5, 1, 2, 3, 4, 0}))
                .out,
            fromFile.out);
  const Buffer twisted = scan::TestCube(1);  // a corner twisted: read as painted, repaired later
  EXPECT_EQ(RunWith({"scan", "--rgb", "-"}, RgbLines(twisted, {0, 1, 2, 3, 4, 5})).out,
            "cube: " + Digits(twisted) + "\nuncertain: none\ncheck: accepted\n");

  EXPECT_EQ(RunWith({"scan", "--rgb", "-"}, "1 2 3\n4 5 300\n").err,
            "rotalo-cli: line 2: \"4 5 300\" is not three numbers 0..255 (R G B)\n");
  EXPECT_EQ(RunWith({"scan", "--rgb", "-"}, "1 2 3 4\n").err.substr(0, 19), "rotalo-cli: line 1:");
  EXPECT_EQ(RunWith({"scan", "--rgb", "-"}, RgbLines(cube, {0, 1, 2, 3, 4, 5}) + "1 1 1\n").err,
            "rotalo-cli: --rgb needs 54 lines R G B, and there are more\n");
  std::filesystem::remove_all(folder);
}

// One photo fills its own face only; a picture with no face in it is named,
// and the cube is rejected with nothing printed.
TEST(RotaloCli, ScanReadsAPhotoOrNamesOneWithoutAFace) {
  const auto folder = TempFolder("photos");
  std::filesystem::create_directories(folder);
  std::array<Colour, 7> colours{};
  for (int code = 1; code <= 6; ++code) {
    colours[code] = kPalette[code - 1].value;
  }
  const std::string face = (folder / "face.png").string();
  cv::imwrite(face, photos::MakePhotos(scan::TestCube(10), colours, 10)[0].image);
  const Result one = RunWith({"scan", face});
  EXPECT_EQ(one.status, kExitOk);
  EXPECT_EQ(std::count(one.out.begin(), one.out.begin() + 60, '0'), 45) << one.out;
  EXPECT_TRUE(one.out.ends_with("check: rejected: You must colour in ALL of the sides\n"));

  std::mt19937 random(3);
  photos::PhotoStyle style = photos::RandomStyle(random);
  style.drawFace = false;
  const std::string table = (folder / "table.png").string();
  cv::imwrite(table, photos::DrawFace({}, style, random));
  const Result none = RunWith({"scan", face, table});
  EXPECT_EQ(none.status, kExitRejected);
  EXPECT_EQ(none.err, "rotalo-cli: no cube face found in the picture \"" + table + "\"\n");
  EXPECT_EQ(none.out, "");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace rotalo::cli
