#include "model/notation.h"

#include <gtest/gtest.h>

#include <random>

#include "support/cubes.h"

namespace rotalo {
namespace {

TEST(StandardNotation, NamesEveryFaceAndTurn) {
  EXPECT_EQ(StandardNotation("11 12 13 21 22 23 31 32 33 41 42 43 51 52 53 61 62 63 "),
            "U U2 U' L L2 L' B B2 B' R R2 R' F F2 F' D D2 D'");
  // Turn digits count quarter turns, so 5 is one and 4 or 0 is none.
  EXPECT_EQ(StandardNotation("10 31 14 25 60 "), "B L");
  EXPECT_EQ(StandardNotation(""), "");
}

TEST(StandardNotation, ShowsTheLayerMarkersOnLinesOfTheirOwnOrInline) {
  const std::string moves = "21 43 AA 62 BB 13 11 ";
  EXPECT_EQ(StandardNotation(moves), "L R'\n(top layer done)\nD2\n(middle layer done)\nU' U");
  EXPECT_EQ(StandardNotation(moves, MarkerStyle::Inline), "L R' (top layer done) D2 (middle layer done) U' U");
  // A solved cube's solution is the two markers alone.
  EXPECT_EQ(StandardNotation("AA BB 60 "), "(top layer done)\n(middle layer done)");
  EXPECT_EQ(StandardNotation("AA BB ", MarkerStyle::Inline), "(top layer done) (middle layer done)");
}

TEST(StandardNotation, ReadsMovesWithOrWithoutSpaces) {
  for (const auto& [text, expected] :
       {std::pair{"R U R' U'", "41 11 43 13 "}, {"  RUR'U'\tF2 B2' D ", "41 11 43 13 52 32 61 "}, {"", ""}}) {
    std::string moves = "11 ";
    std::string error;
    ASSERT_TRUE(ParseStandardNotation(text, moves, error)) << error;
    EXPECT_EQ(moves, expected) << text;
  }
}

TEST(StandardNotation, ReadsBackWhatItWrites) {
  std::mt19937 rng(5);
  for (int n = 0; n < 200; ++n) {
    const std::string moves = testing::RandomMoves(rng, n % 30);
    std::string read;
    std::string error;
    ASSERT_TRUE(ParseStandardNotation(StandardNotation(moves), read, error)) << error;
    ASSERT_EQ(read, moves);
  }
}

TEST(StandardNotation, RefusesWhatIsNoMoveAndSaysWhich) {
  const std::pair<const char*, const char*> cases[] = {
      {"r", "bad move 1 \"r\""},       {"R3", "bad move 1 \"R3\""},   {"R U x", "bad move 3 \"x\""},
      {"R''", "bad move 1 \"R''\""},   {"R 2", "bad move 2 \"2\""},   {"M", "bad move 1 \"M\""},
      {"R'2 U", "bad move 1 \"R'2\""}, {"F,B", "bad move 1 \"F,B\""},
  };
  for (const auto& [text, message] : cases) {
    std::string moves = "11 ";
    std::string error;
    EXPECT_FALSE(ParseStandardNotation(text, moves, error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    EXPECT_EQ(moves, "") << text;
  }
}

TEST(StandardNotation, TellsLettersFromDigitTokens) {
  for (const auto& [text, letters] :
       {std::pair{"R U", true}, {"  x", true}, {"21 43", false}, {" 2", false}, {"", false}}) {
    EXPECT_EQ(IsStandardNotation(text), letters) << text;
  }
}

}  // namespace
}  // namespace rotalo
