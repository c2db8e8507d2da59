#include "playback/simplify.h"

#include <vector>

#include "model/moves.h"

namespace rotalo {

namespace {

// One pass: neighbouring turns of one face are merged in pairs that do not
// overlap; returns whether anything changed.
bool MergePass(const std::vector<TokenText>& moves, std::vector<TokenText>& out) {
  out.clear();
  const std::size_t count = moves.size();
  bool changed = false;
  bool skip = false;
  for (std::size_t k = 0; k + 1 < count; ++k) {
    if (skip) {
      skip = false;  // merged into the token before it
      continue;
    }
    const TokenText& here = moves[k];
    if (IsMarker(here[0])) {
      out.push_back(here);
      continue;
    }
    const int face = DigitValue(here[0]);
    const int turn = DigitValue(here[1]);
    const TokenText& next = moves[k + 1];
    if (DigitValue(next[0]) == face) {
      const int sum = (turn + DigitValue(next[1])) % 4;
      if (sum != 0) {
        out.push_back(MakeToken(face, sum));
      }
      changed = true;
      skip = true;
    } else {
      out.push_back(MakeToken(face, turn));
    }
  }
  if (!skip && count > 0) {
    out.push_back(moves[count - 1]);
  }
  return changed;
}

}  // namespace

Simplified SimplifySolution(const std::string& recorded) {
  // Turns of nothing go first; markers pass, their second character being
  // a letter.
  std::vector<TokenText> moves;
  moves.reserve(recorded.size() / 3);
  const int recordedCount = TokenCount(recorded);
  for (int k = 0; k < recordedCount; ++k) {
    const std::size_t at = 3 * static_cast<std::size_t>(k);
    if (recorded[at + 1] != '0') {
      moves.push_back({recorded[at], recorded[at + 1], recorded[at + 2]});
    }
  }
  // Then passes until one changes nothing; three tokens or fewer are left.
  std::vector<TokenText> next;
  next.reserve(moves.size());
  while (moves.size() > 3 && MergePass(moves, next)) {
    moves.swap(next);
  }
  if (moves.size() > 3) {
    moves.swap(next);  // the last pass changed nothing but rebuilt the tokens
  }

  Simplified result;
  result.SolutionText.reserve(3 * moves.size());
  for (const TokenText& token : moves) {
    result.SolutionText.append(token.data(), 3);
  }
  result.MoveCount = static_cast<int>(moves.size());
  return result;
}

Simplified SimplifyMoveString(Vars& vars) {
  Simplified result = SimplifySolution(vars.MoveString);
  vars.MoveString = result.SolutionText;
  return result;
}

}  // namespace rotalo
