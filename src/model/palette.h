// The ten colours a cube's stickers can be chosen from, in the order the
// colour-choice window lists them.
#pragma once

#include <array>
#include <string_view>

#include "model/cube.h"

namespace rotalo {

struct PaletteColour {
  std::string_view name;
  Colour value;    // 0x00BBGGRR
  bool lightText;  // white caption text reads better on it
  bool tickedAtStart;
};

inline constexpr std::array<PaletteColour, 10> kPalette{{
    {"Orange", 0x000080FF, false, true},
    {"Yellow", 0x0000FFFF, false, true},
    {"Green", 0x0000C000, false, true},
    {"White", 0x00FFFFFF, false, true},
    {"Blue", 0x00FF0000, true, true},
    {"Red", 0x000000C0, true, true},
    {"Black", 0x00000000, true, false},
    {"Brown", 0x00004080, true, false},
    {"Purple", 0x00C000C0, false, false},
    {"Light Blue", 0x00FFFFC0, false, false},
}};

// Makes the six palette colours at `indices` (0-based) the chosen colours
// 1..6 and sets the face colour tables to match, as the main window does when
// it opens: entry 0 is "Unknown" in light grey.
void ChooseColours(Vars& vars, const std::array<int, 6>& indices);

}  // namespace rotalo
