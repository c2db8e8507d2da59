// The decorative patterns offered once the cube is solved.
#pragma once

#include <array>
#include <string_view>

namespace rotalo {

struct Pattern {
  std::string_view caption;      // menu caption with its access letter
  std::string_view application;  // puts the pattern on
  std::string_view removal;      // takes it off again
};

// The handler appends one space before playing, so the last token is whole.
inline constexpr int PatternCount = 5;
inline constexpr std::array<Pattern, PatternCount> kPatterns{{
    {"&Checks", "12 62 22 42 32 52", "12 62 22 42 32 52"},
    {"C&entres", "41 23 31 53 13 61 23 41", "43 21 63 11 51 33 21 43"},
    {"&HI", "32 62 32 62 32 52 62 52 62 52 12 22 12 22 12 62 22 62 22 62",
     "62 22 62 22 62 12 22 12 22 12 52 62 52 62 52 32 62 32 62 32"},
    {"&Diagonal Lines", "23 43 53 33 23 43 53 33 23 43 53 33", "31 51 41 21 31 51 41 21 31 51 41 21"},
    {"&TTTTTT", "43 21 62 43 21 62 32 12 32 12 32 12", "12 32 12 32 12 32 62 23 41 62 23 41"},
}};

}  // namespace rotalo
