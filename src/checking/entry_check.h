// The check of a painted cube when the user asks for a solution.
#pragma once

#include <array>
#include <string>

#include "model/cube.h"

namespace rotalo {

// Which check failed, in the order the checks run.
enum class EntryFault {
  None,           // accepted
  Uncoloured,     // 1: a sticker has no colour
  Centres,        // 2: two centres share a colour
  ColourCount,    // 3: a colour does not appear nine times
  NoSuchEdge,     // 4: an edge with the colours of equal or opposite faces
  NoSuchCorner,   // 5: a corner whose colours no real corner has
  WrongOrder,     // 5: a real corner's colours in mirrored order
  MissingEdge,    // 6: an edge piece occurs nowhere
  MissingCorner,  // 6: a corner piece occurs nowhere
};

struct EntryVerdict {
  EntryFault fault = EntryFault::None;
  std::array<std::string, 3> colours{};  // the colour names the message uses
  bool Accepted() const { return fault == EntryFault::None; }
};

// The colour code of a sticker of value v: the first chosen colour drawn
// like it. Colour codes give themselves back, and so does an uncoloured
// sticker (0, light grey, which is no chosen colour) or a value outside 0..6.
Int16 ColourCodeOf(const Vars& vars, int v);

// Turns the current buffer back into colour codes and the face colour tables
// back into the chosen colours: after a rejection, or to paint again.
void RestoreColourCodes(Vars& vars);

// The message the program shows for a rejected painting ("" when accepted).
std::string EntryMessage(const EntryVerdict& verdict);

// Checks the painting in the current buffer (colour codes 0..6; a value
// outside 0..6 counts as uncoloured). On acceptance buffer 0 holds the cube
// in home-face numbers, the current buffer (1) holds the same, and the face
// colour tables name the colour of each face's centre. On rejection the
// painting and the colour tables are as they were before the check, except
// that after a failure of checks 4 to 6 the painting is in buffer 1, which is
// then current.
EntryVerdict SubmitEntry(Vars& vars);

}  // namespace rotalo
