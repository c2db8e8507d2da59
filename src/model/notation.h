// Move strings in the notation cube books use: faces 1..6 are U, L, B, R,
// F, D; a letter alone is a clockwise quarter turn (R), with 2 a half turn
// (R2), with ' an anticlockwise quarter turn (R').
#pragma once

#include <string>
#include <string_view>

namespace rotalo {

// How the two layer markers appear in standard notation.
enum class MarkerStyle {
  LineBreaks,  // each on a line of its own: "R U\n(top layer done)\nF'"
  Inline,      // in the line with the moves: "R U (top layer done) F'"
};

inline constexpr std::string_view kTopLayerDone = "(top layer done)";
inline constexpr std::string_view kMiddleLayerDone = "(middle layer done)";

// A move string ("21 43 AA 62 ") in standard notation, moves separated by
// single spaces ("L R' (top layer done) D2"). Turns of a whole number of
// full turns ("10 ") do nothing and are left out.
std::string StandardNotation(std::string_view moves, MarkerStyle style = MarkerStyle::LineBreaks);

// Reads moves in standard notation: face letters with an optional 2 and/or
// ' after them ("R", "R2", "R'", "R2'"), separated by spaces or not at all.
// On success fills `moves` with the move string ("41 12 ") and returns true;
// otherwise says what is wrong in `error` and returns false. An empty text
// is no moves.
bool ParseStandardNotation(std::string_view text, std::string& moves, std::string& error);

// Whether a text of moves is written in standard notation rather than in
// digit tokens: its first character that is not a space is a letter.
bool IsStandardNotation(std::string_view text);

}  // namespace rotalo
