#include "playback/playback.h"

#include <algorithm>
#include <cmath>

#include "model/moves.h"

namespace rotalo {

int GageWidth(int labelWidth, int done, int total) {
  if (total <= 0) {
    return labelWidth;
  }
  const double width = static_cast<double>(labelWidth) * done / total;
  return std::clamp(static_cast<int>(std::lround(width)), 0, labelWidth);
}

namespace {

// The last face token at or before `pos`, 0 when there is none.
int FaceTokenAtOrBefore(std::string_view moves, int pos) {
  for (int k = std::min(pos, TokenCount(moves)); k >= 1; --k) {
    if (TokenAt(moves, k).face > 0) {
      return k;
    }
  }
  return 0;
}

}  // namespace

bool CanStepBack(std::string_view moves, const PlayState& state) {
  return FaceTokenAtOrBefore(moves, state.PlayPos) > 0;
}

Turn StepBack(std::string_view moves, PlayState& state) {
  const int undone = FaceTokenAtOrBefore(moves, state.PlayPos);
  if (undone == 0) {
    return {};
  }
  for (int k = std::min(state.PlayPos, TokenCount(moves)); k > undone; --k) {
    if (TokenAt(moves, k).face == 0) {
      state.MarkersPassed = std::max(0, state.MarkersPassed - 1);
    }
  }
  state.PlayPos = undone - 1;
  const Token token = TokenAt(moves, undone);
  return {token.face, 4 - token.turn};
}

}  // namespace rotalo
