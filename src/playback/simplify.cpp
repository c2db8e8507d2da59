#include "playback/simplify.h"

#include "model/moves.h"

namespace rotalo {

namespace {

void AppendRaw(std::string& text, const std::string& moves, int k) {
  text.append(moves, 3 * static_cast<std::size_t>(k - 1), 3);
}

}  // namespace

Simplified SimplifySolution(const std::string& recorded) {
  Simplified result;
  std::string& text = result.SolutionText;
  text.reserve(recorded.size());

  const int recordedCount = TokenCount(recorded);
  for (int k = 1; k <= recordedCount; ++k) {
    if (recorded[3 * (k - 1) + 1] != '0') {
      AppendRaw(text, recorded, k);
    }
  }

  std::string moves;
  bool changed = true;
  while (changed) {
    moves.swap(text);
    text.clear();
    changed = false;
    const int count = TokenCount(moves);
    if (count <= 3) {
      text = moves;
      break;
    }
    bool skip = false;
    for (int k = 1; k <= count - 1; ++k) {
      if (skip) {
        skip = false;  // merged into the token before it
        continue;
      }
      const Token here = TokenAt(moves, k);
      if (here.IsMarker()) {
        AppendRaw(text, moves, k);
        continue;
      }
      const Token next = TokenAt(moves, k + 1);
      if (next.face == here.face) {
        const int sum = (here.turn + next.turn) % 4;
        if (sum != 0) {
          AppendToken(text, here.face, sum);
        }
        changed = true;
        skip = true;
      } else {
        AppendToken(text, here.face, here.turn);
      }
    }
    if (!skip) {
      AppendRaw(text, moves, count);
    }
  }
  result.MoveCount = TokenCount(text);
  return result;
}

}  // namespace rotalo
