#include "checking/entry_check.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/cubes.h"

namespace rotalo {
namespace {

// A painting in colour codes: the solved cube with colour code f on face f
// and the default colours Orange, Yellow, Green, White, Blue, Red.
using testing::SolvedVars;

// A change to the painting: facelet a takes colour code b, or a and b
// exchange their colours.
struct Change {
  int a, b;
  bool swap;
};
const auto Set = [](int facelet, int code) { return Change{facelet, code, false}; };
const auto Swap = [](int a, int b) { return Change{a, b, true}; };

Vars Painted(const std::vector<Change>& changes) {
  Vars vars = SolvedVars();
  for (const auto& [a, b, swap] : changes) {
    if (swap) {
      std::swap(vars.current()[a], vars.current()[b]);
    } else {
      vars.current()[a] = static_cast<Int16>(b);
    }
  }
  return vars;
}

TEST(SubmitEntry, EachFaultHasItsMessage) {
  struct Case {
    std::vector<Change> changes;
    const char* message;
  };
  const Case cases[] = {
      // An uncoloured sticker comes before everything else, here two equal centres.
      {{Set(30, 0), Set(49, 2)}, "You must colour in ALL of the sides"},
      {{Set(3, 7)}, "You must colour in ALL of the sides"},  // values outside the codes count as uncoloured
      {{Set(3, -4)}, "You must colour in ALL of the sides"},
      {{Swap(49, 9)}, "The six centres must be different colours"},  // counts still nine
      {{Set(9, 5)}, "There must be nine Blue pieces"},               // eight Yellow, ten Blue: the highest
      {{Set(1, 6)}, "There must be nine Red pieces"},
      {{Swap(18, 42)}, "There should be no Orange and Red piece."},  // opposite faces
      {{Swap(8, 12)}, "There should be no Yellow and Yellow piece."},
      {{Swap(9, 19)}, "The colours on the Orange, Green and Yellow piece are in the wrong order."},
      {{Swap(19, 41)}, "There should be no Orange, Yellow and Red piece."},
      // Face 3's opposite in place of 3 makes the real corner 1, 2, 5, mirrored.
      {{Swap(19, 33)}, "The colours on the Orange, Yellow and Blue piece are in the wrong order."},
      // Two second copies of real edges (1/4 and 2/6): counts balance, pieces are real.
      {{Set(10, 4), Set(30, 2)}, "You have no Orange and Yellow piece."},
      // Two missing edges: the one reached first in facelet order is named,
      // never the 5/6 edge, whose facelets come after every other piece's.
      {{Set(38, 3), Set(20, 5)}, "You have no Yellow and Green piece."},
      {{Set(9, 3), Set(19, 4), Set(23, 2), Set(29, 3)}, "You have no Orange, Yellow and Green piece."},
  };
  for (const Case& c : cases) {
    const Vars painted = Painted(c.changes);
    Vars vars = painted;
    EXPECT_EQ(EntryMessage(SubmitEntry(vars)), c.message);
    // A rejection leaves the painting and the colours as they were.
    EXPECT_TRUE(vars.EntryCheck == 0 && vars.current() == painted.current()) << c.message;
    EXPECT_TRUE(vars.FaceColourName == painted.FaceColourName && vars.FaceColourValue == painted.FaceColourValue)
        << c.message;
    if (c.changes.size() == 1 && c.changes[0].swap) {  // the user mends his painting
      std::swap(vars.current()[c.changes[0].a], vars.current()[c.changes[0].b]);
      EXPECT_TRUE(SubmitEntry(vars).Accepted()) << c.message;
    }
  }
}

TEST(SubmitEntry, AcceptsAndConvertsACubeInAnyColoursAndNamesColoursNotFaces) {
  Vars vars;
  ChooseColours(vars, {6, 7, 8, 9, 0, 2});     // Black, Brown, Purple, Light Blue, Orange, Green
  const int paint[7] = {0, 4, 6, 1, 3, 2, 5};  // face f painted with colour code paint[f]
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = static_cast<Int16>(paint[HomeFace(i)]);
  }
  const Vars painted = vars;
  ASSERT_TRUE(SubmitEntry(vars).Accepted());
  EXPECT_TRUE(vars.EntryCheck == 1 && IsSolved(vars.Facelet[0]) && IsSolved(vars.current()));
  EXPECT_EQ(vars.FaceColourName,
            (std::array<std::string, 7>{"Unknown", "Light Blue", "Green", "Black", "Purple", "Brown", "Orange"}));
  EXPECT_EQ(vars.FaceColourValue[3], 0x00000000u);  // Black

  vars = painted;
  std::swap(vars.Facelet[0][9], vars.Facelet[0][19]);  // faces 1, 3, 2 carry Light Blue, Black, Green
  EXPECT_EQ(EntryMessage(SubmitEntry(vars)),
            "The colours on the Light Blue, Black and Green piece are in the wrong order.");
}

}  // namespace
}  // namespace rotalo
