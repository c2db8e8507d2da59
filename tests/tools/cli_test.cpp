#include "cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace rotalo::cli {
namespace {

constexpr const char* kSolved = "111111112222222233333333444444445555555566666666123456";

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

Result RunWith(std::vector<std::string_view> args, std::string input = "") {
  Result result;
  Io io;
  io.readInput = [&](std::string& text) {
    text = input;
    return true;
  };
  io.writeOut = [&](std::string_view s) { result.out += s; };
  io.writeErr = [&](std::string_view s) { result.err += s; };
  result.status = Run(args, io);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

TEST(RotaloCli, SolvesAScrambleInTheDocumentedBlock) {
  const Result r = RunWith({"solve", "--scramble", "21 43 62 51 33"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u) << r.out;
  EXPECT_EQ(lines[0], "check: accepted");
  EXPECT_EQ(lines[1], "run 1: twist 0 swap 0 flip 0");
  EXPECT_EQ(lines[2].rfind("recorded: 10 31 10 60 53", 0), 0u);
  EXPECT_EQ(lines[2].back(), '3');  // no trailing space
  EXPECT_EQ(lines[2].size(), std::string("recorded: ").size() + 110 * 3 - 1);
  EXPECT_EQ(lines[3].rfind("solution: 31 53 41 23", 0), 0u);
  EXPECT_EQ(lines[4], "moves: 96");
  EXPECT_TRUE(r.err.empty());
}

TEST(RotaloCli, ScrambleTokensMayComeAsSeveralArguments) {
  EXPECT_EQ(RunWith({"solve", "--scramble", "21", "43", "62", "51", "33"}).out,
            RunWith({"solve", "--scramble", "21 43 62 51 33"}).out);
}

TEST(RotaloCli, ReassembledCubeShowsTheRepairAndASecondRun) {
  // The solved cube with the edge at 6/34 turned over.
  std::string cube = kSolved;
  std::swap(cube[5], cube[33]);
  const Result r = RunWith({"solve", cube});
  ASSERT_EQ(r.status, kExitOk);
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 7u) << r.out;
  EXPECT_EQ(lines[1], "run 1: twist 0 swap 0 flip 1");
  EXPECT_EQ(lines[2], std::string("repaired: ") + kSolved);
  EXPECT_EQ(lines[3], "run 2: twist 0 swap 0 flip 0");
  EXPECT_EQ(lines[4], "recorded: AA BB 60");
  EXPECT_EQ(lines[5], "solution: AA BB");
  EXPECT_EQ(lines[6], "moves: 0");
}

TEST(RotaloCli, RejectedCubePrintsOnlyItsCheckLine) {
  std::string cube = kSolved;
  cube[8] = '5';
  const Result r = RunWith({"solve", "--colours", "Orange,Yellow,Green,White,Light Blue,Red", cube});
  EXPECT_EQ(r.status, kExitRejected);
  EXPECT_EQ(r.out, "check: rejected: There must be nine Light Blue pieces\n");
  EXPECT_EQ(RunWith({"check", cube}).out, "check: rejected: There must be nine Blue pieces\n");
  EXPECT_EQ(RunWith({"check", kSolved}).out, "check: accepted\n");
  EXPECT_EQ(RunWith({"check", "--colours=red,green,blue,black,white,purple", kSolved}).status, kExitOk);
}

TEST(RotaloCli, BatchPrintsABlockPerCubeAndSkipsMalformedLines) {
  std::string rejected = kSolved;
  rejected[0] = '0';
  const std::string input = std::string(kSolved) + "\r\n\n" + rejected + "\n12345\n" + kSolved;
  const Result r = RunWith({"solve", "-"}, input);
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err, "rotalo-cli: line 4: wrong length: CUBE has 5 characters, it needs 54\n");
  const std::string solved =
      "check: accepted\nrun 1: twist 0 swap 0 flip 0\nrecorded: AA BB 60\nsolution: AA BB\nmoves: 0\n";
  EXPECT_EQ(r.out, solved + "\ncheck: rejected: You must colour in ALL of the sides\n\n" + solved);

  EXPECT_EQ(RunWith({"solve", "-"}, rejected + "\n").status, kExitRejected);
  EXPECT_EQ(RunWith({"solve", "-"}, std::string(kSolved) + "\n").status, kExitOk);
  EXPECT_EQ(RunWith({"solve", "-"}, "").out, "");
}

TEST(RotaloCli, ApplyAndRotatePrintTheCubeAfterwards) {
  EXPECT_EQ(RunWith({"apply", kSolved, "11 13"}).out, std::string(kSolved) + "\n");
  const Result turned = RunWith({"apply", kSolved, "21"});
  EXPECT_EQ(turned.status, kExitOk);
  EXPECT_EQ(turned.out.substr(0, 8), "31111133");  // facelets 1, 7, 8 now carry face 3
  EXPECT_EQ(RunWith({"apply", kSolved, ""}).out, std::string(kSolved) + "\n");
  const Result rotated = RunWith({"rotate", kSolved, "5", "1"});
  EXPECT_EQ(rotated.status, kExitOk);
  EXPECT_EQ(rotated.out.substr(48, 6), "263154");
  const std::string back = RunWith({"rotate", rotated.out.substr(0, 54), "5", "-1"}).out;
  EXPECT_EQ(back, std::string(kSolved) + "\n");
  EXPECT_EQ(RunWith({"rotate", rotated.out.substr(0, 54), "5", "3"}).out, back);
}

TEST(RotaloCli, MalformedInputIsAUsageErrorWithNoOutput) {
  struct Case {
    std::vector<std::string_view> args;
    const char* message;
  };
  std::string letter = kSolved;
  letter[9] = 'x';
  std::string seven = kSolved;
  seven[53] = '7';
  const Case cases[] = {
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
  };
  for (const Case& c : cases) {
    const Result r = RunWith(c.args);
    EXPECT_EQ(r.status, kExitUsage) << c.message;
    EXPECT_TRUE(r.out.empty()) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.rfind("rotalo-cli: ", 0), 0u);
  }
}

// The moves of a solution: line applied to CUBE with rotalo-cli itself.
std::string Applied(const std::string& cube, const std::string& solutionLine) {
  return RunWith({"apply", cube, solutionLine.substr(std::string("solution: ").size())}).out;
}

TEST(RotaloCli, FewestPrintsAShortSolutionAfterTheRecordedRun) {
  const Result plain = RunWith({"solve", "--scramble", "21 43 62 51 33"});
  const Result fewest = RunWith({"solve", "--fewest", "--scramble", "21 43 62 51 33"});
  ASSERT_EQ(fewest.status, kExitOk) << fewest.err;
  const auto lines = Lines(fewest.out);
  ASSERT_EQ(lines.size(), 5u) << fewest.out;
  EXPECT_EQ(lines[2], Lines(plain.out)[2]);  // the layer-by-layer run is still recorded
  ASSERT_EQ(lines[3].rfind("solution: ", 0), 0u);
  // Five turns are undone in at most five.
  const int count = std::stoi(lines[4].substr(std::string("moves: ").size()));
  EXPECT_LE(count, 5);
  EXPECT_GE(count, 1);
  EXPECT_EQ(lines[3].size(), std::string("solution: ").size() + 3 * static_cast<std::size_t>(count) - 1);
  const std::string scrambled = RunWith({"apply", kSolved, "21 43 62 51 33"}).out.substr(0, 54);
  EXPECT_EQ(Applied(scrambled, lines[3]), std::string(kSolved) + "\n");

  const Result solved = RunWith({"solve", "--fewest", kSolved});
  EXPECT_EQ(Lines(solved.out)[3], "solution: ");
  EXPECT_EQ(Lines(solved.out)[4], "moves: 0");
}

TEST(RotaloCli, FewestSolvesTheRepairedCubeAndEveryCubeOfABatch) {
  std::string flipped = kSolved;  // the edge at 6/34 turned over, after a few turns
  std::swap(flipped[5], flipped[33]);
  const std::string turned = RunWith({"apply", flipped, "R U2 F' D L B2"}).out.substr(0, 54);
  const Result r = RunWith({"solve", "--fewest", turned});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 7u) << r.out;
  ASSERT_EQ(lines[2].rfind("repaired: ", 0), 0u);
  EXPECT_EQ(Applied(lines[2].substr(10), lines[5]), std::string(kSolved) + "\n");

  const std::string scrambled = RunWith({"apply", kSolved, "L2 D' F R' U B"}).out;
  const Result batch = RunWith({"solve", "--fewest", "-"}, scrambled + kSolved + "\n" + turned + "\n");
  ASSERT_EQ(batch.status, kExitOk) << batch.err;
  const auto blocks = Lines(batch.out);
  ASSERT_EQ(blocks.size(), 5u + 1 + 5 + 1 + 7) << batch.out;
  EXPECT_EQ(Applied(scrambled.substr(0, 54), blocks[3]), std::string(kSolved) + "\n");
  EXPECT_EQ(blocks[10], "moves: 0");
  EXPECT_EQ(Applied(blocks[14].substr(10), blocks[17]), std::string(kSolved) + "\n");
}

TEST(RotaloCli, StandardNotationInAndOut) {
  // TOKENS may be standard notation wherever they are taken.
  EXPECT_EQ(RunWith({"apply", kSolved, "R U R' U'"}).out, RunWith({"apply", kSolved, "41 11 43 13"}).out);
  EXPECT_EQ(RunWith({"apply", kSolved, "R", "U2", "B'"}).out, RunWith({"apply", kSolved, "41 12 33"}).out);
  EXPECT_EQ(RunWith({"solve", "--scramble", "L R' D2 F B'"}).out,
            RunWith({"solve", "--scramble", "21 43 62 51 33"}).out);

  const Result tokens = RunWith({"solve", "--scramble", "21 43 62 51 33"});
  const Result standard = RunWith({"solve", "--notation", "standard", "--scramble", "21 43 62 51 33"});
  ASSERT_EQ(standard.status, kExitOk) << standard.err;
  const auto lines = Lines(standard.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2].rfind("recorded: B F' R F F' L' D R' D R F D2 F' D' F' D' F (top layer done) R' D R", 0), 0u);
  EXPECT_NE(lines[3].find(" (middle layer done) "), std::string::npos);
  EXPECT_EQ(lines[4], Lines(tokens.out)[4]);
  EXPECT_EQ(RunWith({"solve", "--notation=standard", "--scramble", "21 43 62 51 33"}).out, standard.out);
  EXPECT_EQ(RunWith({"solve", "--notation", "tokens", "--scramble", "21 43 62 51 33"}).out, tokens.out);

  const Result both = RunWith({"solve", "--notation", "standard", "--fewest", "--scramble", "R U R' U'"});
  EXPECT_EQ(Lines(both.out)[3], "solution: U R U' R'");
  EXPECT_EQ(Lines(both.out)[4], "moves: 4");
}

TEST(RotaloCli, RefusesUnknownNotationsAndBadMoves) {
  const struct {
    std::vector<std::string_view> args;
    const char* message;
  } cases[] = {
      {{"solve", "--notation", "fancy", kSolved}, "--notation is standard or tokens, not \"fancy\""},
      {{"solve", "--notation"}, "--notation needs standard or tokens"},
      {{"solve", "--scramble", "R U x"}, "bad move 3 \"x\""},
      {{"apply", kSolved, "R2 r"}, "bad move 2 \"r\""},
      {{"check", "--fewest", kSolved}, "check takes one CUBE"},
  };
  for (const auto& c : cases) {
    const Result r = RunWith(c.args);
    EXPECT_EQ(r.status, kExitUsage) << c.message;
    EXPECT_TRUE(r.out.empty()) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

// A fresh folder under the system's temporary folder.
std::filesystem::path TempFolder(const std::string& name) {
  const auto path = std::filesystem::temp_directory_path() / ("rotalo-cli-test-" + name);
  std::filesystem::remove_all(path);
  return path;
}

std::size_t PngCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    count += entry.path().extension() == ".png" ? 1 : 0;
  }
  return count;
}

TEST(RotaloCli, RenderWritesTheRestingCube) {
  const auto folder = TempFolder("still");
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "cube.png").string();
  const Result r = RunWith({"render", kSolved, file});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const QImage image(QString::fromStdString(file));
  ASSERT_EQ(image.size(), QSize(230, 230));
  EXPECT_EQ(image.pixel(115, 70), qRgb(255, 128, 0));  // the top face in Orange
  EXPECT_EQ(image.pixel(115, 115), qRgb(0, 0, 0));     // its near corner
  std::filesystem::remove_all(folder);
}

TEST(RotaloCli, RenderWritesEveryFrameOfAnAnimation) {
  struct Case {
    std::vector<std::string_view> options;
    std::size_t files;
  };
  const Case cases[] = {
      {{"--turn", "1", "1", "0"}, 5},
      {{"--turn", "6", "-1", "1"}, 6},
      {{"--turn", "3", "1", "1", "--frames", "2"}, 2},
      {{"--rotate", "4", "3"}, 5 + 1},  // and the final picture
      {{"--repair", "-1", "1", "1", "1"}, 6},
      {{"--repair", "2", "0", "0", "0"}, 1},
  };
  int n = 0;
  for (const Case& c : cases) {
    const auto folder = TempFolder("frames" + std::to_string(n++));
    const std::string path = folder.string();
    std::vector<std::string_view> args{"render", kSolved, path};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Result r = RunWith(args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(PngCount(folder), c.files) << c.options[0];
    EXPECT_TRUE(std::filesystem::exists(folder / "frame-001.png"));
    std::filesystem::remove_all(folder);
  }
}

TEST(RotaloCli, RenderRefusesBadCubesNumbersAndPlaces) {
  const auto folder = TempFolder("refused");
  const std::string path = folder.string();
  const struct {
    std::vector<std::string_view> args;
    const char* message;
  } cases[] = {
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
  };
  for (const auto& c : cases) {
    const Result r = RunWith(c.args);
    EXPECT_EQ(r.status, kExitUsage) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(RotaloCli, HelpDescribesEveryCommand) {
  const Result r = RunWith({"--help"});
  EXPECT_EQ(r.status, kExitOk);
  for (const char* word : {"solve", "check", "apply", "rotate", "render", "--turn", "--repair", "--scramble",
                           "--colours", "--fewest", "--notation standard", "(top layer done)", "Exit"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(RunWith({"solve", "--help"}).out, r.out);
}

}  // namespace
}  // namespace rotalo::cli
