// A short sequence of face turns, written the way the stages list them.
#pragma once

#include <initializer_list>

#include "model/moves.h"

namespace rotalo {

inline void ApplyTurns(Vars& vars, std::initializer_list<TurnRequest> turns) {
  for (const TurnRequest& turn : turns) {
    TurnFace(vars, turn.face, turn.turn);
  }
}

}  // namespace rotalo
