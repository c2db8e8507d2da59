#include "model/moves.h"

#include "model/tables.h"

namespace rotalo {

void TurnFace(Vars& vars, int face, int turns) {
  if (face < 1 || face > 6) {
    return;
  }
  int t = turns % 4;
  if (t < 0) {
    t += 4;
  }
  if (vars.RecordMoves == 1) {
    AppendToken(vars.MoveString, face, t);
  }
  // Copy the whole cube, then move the twenty facelets the turn changes.
  const Buffer& from = NextWorkingBuffer(vars);
  Buffer& to = vars.current();
  const tables::TurnMoves& changes = tables::kTurnMoves[face][t];
  for (int n = 0; n < changes.count; ++n) {
    to[changes.moves[n][0]] = from[changes.moves[n][1]];
  }
}

Int16 Locate(const Vars& vars, int home) {
  if (home < 1 || home > 48) {
    return -1;
  }
  const Buffer& cube = vars.current();
  const auto& companions = tables::kCompanions;
  if (home % 2 == 0) {
    const Int16 wanted1 = HomeFace(home);
    const Int16 wanted2 = HomeFace(companions[home][1]);
    for (int q = 2; q <= 48; q += 2) {
      if (cube[q] == wanted1 && cube[companions[q][1]] == wanted2) {
        return static_cast<Int16>(q);
      }
    }
    return -1;
  }
  const Int16 wanted1 = HomeFace(home);
  const Int16 wanted2 = HomeFace(companions[home][1]);
  const Int16 wanted3 = HomeFace(companions[home][2]);
  for (int q = 1; q <= 47; q += 2) {
    if (cube[q] == wanted1 && cube[companions[q][1]] == wanted2 && cube[companions[q][2]] == wanted3) {
      return static_cast<Int16>(q);
    }
  }
  return -1;
}

Token TokenAt(std::string_view moves, int k) {
  Token token;
  const std::size_t at = 3 * static_cast<std::size_t>(k - 1);
  if (k < 1 || at + 1 >= moves.size()) {
    return token;
  }
  token.first = moves[at];
  token.face = DigitValue(moves[at]);
  token.turn = DigitValue(moves[at + 1]);
  return token;
}

void ApplyMoveString(Vars& vars, std::string_view moves) {
  const int count = TokenCount(moves);
  for (int k = 1; k <= count; ++k) {
    const Token token = TokenAt(moves, k);
    if (token.face > 0) {
      TurnFace(vars, token.face, token.turn);
    }
  }
}

std::string_view TrimmedMoves(std::string_view moves) {
  while (!moves.empty() && moves.back() == ' ') {
    moves.remove_suffix(1);
  }
  return moves;
}

bool ParseTurnList(std::string_view text, std::vector<TurnRequest>& out, std::string& error) {
  out.clear();
  if (text.empty()) {
    return true;
  }
  std::size_t at = 0;
  int number = 1;
  while (true) {
    const std::size_t end = text.find(' ', at);
    const std::string_view token = text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    const bool ok = token.size() == 2 && token[0] >= '1' && token[0] <= '6' && token[1] >= '0' && token[1] <= '9';
    if (!ok) {
      error = "bad token " + std::to_string(number) + " \"" + std::string(token) +
              "\": a token is a face digit 1..6 and a turn digit 0..9, tokens separated by single spaces";
      out.clear();
      return false;
    }
    out.push_back({token[0] - '0', token[1] - '0'});
    if (end == std::string_view::npos) {
      return true;
    }
    at = end + 1;
    ++number;
  }
}

}  // namespace rotalo
