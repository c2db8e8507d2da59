// Face turns, the move string and the piece search.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/cube.h"

namespace rotalo {

// Turns face `face` (1..6) by `turns` clockwise quarter turns (any value,
// reduced into 0..3). The turned cube goes into the other working buffer,
// which becomes current, so buffer 0 is never written. While RecordMoves is 1
// the token (face, reduced turns, space) is appended to MoveString, even for
// a turn of 0. A face outside 1..6 changes nothing and records nothing.
void TurnFace(Vars& vars, int face, int turns);

// The facelet now carrying the sticker whose home is facelet `home` (1..48),
// matched on the piece's full ordered colours in the current buffer (home-face
// form); -1 when no piece carries them.
Int16 Locate(const Vars& vars, int home);

// A turn count with 3 (three quarters clockwise) read as -1 (one quarter
// anticlockwise), as the animations and the whole-cube rotation take it.
inline int SignedTurn(int q) {
  return q == 3 ? -1 : q;
}

// The characters of move strings: a face or turn digit is read by its
// numeric value (anything else as 0); a token is the face digit, the turn
// digit and a space; a marker token starts with the letter A or B.
inline int DigitValue(char c) {
  return (c >= '0' && c <= '9') ? c - '0' : 0;
}
using TokenText = std::array<char, 3>;
inline TokenText MakeToken(int face, int turn) {
  return {static_cast<char>('0' + face), static_cast<char>('0' + turn), ' '};
}
inline bool IsMarker(char first) {
  return first == 'A' || first == 'B';
}

// One three-character token of a move string.
struct Token {
  int face = 0;  // 1..6 for a turn, 0 for a marker
  int turn = 0;  // the turn digit
  char first = ' ';
  bool IsMarker() const { return rotalo::IsMarker(first); }
};

// Token k (1-based) of a move string, read the way the program reads it:
// each digit by its numeric value, a marker letter as face 0.
Token TokenAt(std::string_view moves, int k);
inline int TokenCount(std::string_view moves) {
  return static_cast<int>(moves.size() / 3);
}

// Appends the token for face f and turn digit t.
inline void AppendToken(std::string& moves, int face, int turn) {
  moves.append(MakeToken(face, turn).data(), 3);
}

// Applies every face token of a move string with TurnFace, skipping markers.
void ApplyMoveString(Vars& vars, std::string_view moves);

// The move string shown to people: tokens joined by single spaces, with no
// trailing space.
std::string_view TrimmedMoves(std::string_view moves);

// Parses a list of two-character tokens separated by single spaces, each a
// face digit 1..6 and a turn digit 0..9 ("21 43 62"). On success returns true
// and fills `out` with (face, turn) pairs; otherwise returns false and says
// what was wrong in `error`. An empty text is an empty list.
struct TurnRequest {
  int face;
  int turn;
};
bool ParseTurnList(std::string_view text, std::vector<TurnRequest>& out, std::string& error);

}  // namespace rotalo
