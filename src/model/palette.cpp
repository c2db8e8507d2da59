#include "model/palette.h"

#include <string>

namespace rotalo {

void ChooseColours(Vars& vars, const std::array<int, 6>& indices) {
  for (int c = 1; c <= 6; ++c) {
    const PaletteColour& colour = kPalette.at(static_cast<std::size_t>(indices[c - 1]));
    vars.ChosenColourName[c] = std::string(colour.name);
    vars.ChosenColourValue[c] = colour.value;
    vars.FaceColourName[c] = vars.ChosenColourName[c];
    vars.FaceColourValue[c] = colour.value;
  }
  vars.FaceColourName[0] = "Unknown";
  vars.FaceColourValue[0] = kUncolouredValue;
}

}  // namespace rotalo
