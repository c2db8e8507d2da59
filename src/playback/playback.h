// The bookkeeping of a solution or pattern being played: where the player
// stands, how many stage markers it has passed, the counter and the
// progress bar, and what the Back step undoes. The window supplies the
// waits and the pictures.
#pragma once

#include <string>
#include <string_view>

namespace rotalo {

struct PlayState {
  int PlayPos = 0;        // the token being played, 1-based
  int MarkersPassed = 0;  // stage markers played so far
  int TokenTotal = 0;     // tokens of the string played, markers included
  int MarkerTotal = 0;    // stage markers in it (2 for a solution, 0 for a pattern)

  int MovesInAll() const { return TokenTotal - MarkerTotal; }
};

// The width of the progress bar for `done` moves of `total` on a label
// `labelWidth` wide: the full width when there are no moves at all.
int GageWidth(int labelWidth, int done, int total);

// One turn to animate and apply: face and turn digit.
struct Turn {
  int face = 0;
  int turn = 0;
};

// The move Back undoes: the face token at PlayPos or, if that is a marker,
// the nearest face token before it. On success PlayPos ends just before the
// undone token, MarkersPassed drops by the markers stepped over, and the
// inverse turn (4 - t) is returned. When no face token lies at or before
// PlayPos within `moves` (an emptied string, only markers before it),
// nothing changes and the result has face 0.
Turn StepBack(std::string_view moves, PlayState& state);

// Whether Back has a move to undo.
bool CanStepBack(std::string_view moves, const PlayState& state);

}  // namespace rotalo
