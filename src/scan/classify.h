// Sorting the sticker readings of a whole cube into its six colours at once.
//
// Each face's centre starts a group of its own (the six centres differ);
// the other stickers are shared out nine to a colour (eight besides the
// centre), the cheapest such sharing in L*a*b*, lightness counting less than
// colour. Lighting differs between pictures, so each picture's white balance
// is then estimated from its stickers against the colours of their groups and
// the sharing done again. The groups are named after the user's six chosen
// colours, each name once, the nearest overall.
#pragma once

#include <array>
#include <vector>

#include "model/cube.h"
#include "scan/image.h"

namespace rotalo::scan {

struct Classification {
  // cost[g][i][k]: how badly sticker i of face reading g fits colour group k,
  // in units of the typical spread of a group (0 a perfect fit). Group k is
  // the one started by the centre of face reading k; with fewer than six
  // readings, groups from the count of readings on stand for the colours that
  // no centre showed, at the user's chosen colour.
  std::vector<std::array<std::array<float, 6>, 9>> cost;
  // The group of every sticker in the cheapest sharing (nine to a group when
  // all six faces were read, the nearest group otherwise).
  std::vector<std::array<int, 9>> group;
  // The colour code (1..6) that names each group.
  std::array<int, 6> codeOfGroup{};
};

// `faces`: one to six face readings (none, or more than six, make an empty
// classification); `chosen`: the user's colours for codes 1..6.
Classification Classify(const std::vector<FaceReadings>& faces, const std::array<Colour, 6>& chosen);

}  // namespace rotalo::scan
