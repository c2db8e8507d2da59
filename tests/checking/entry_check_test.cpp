#include "checking/entry_check.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/cubes.h"

namespace rotalo {
namespace {

// Paintings in colour codes: the solved cube, colour code f on face f in the
// default colours Orange, Yellow, Green, White, Blue, Red, with stickers
// exchanged or painted over.
TEST(SubmitEntry, EachFaultHasItsMessage) {
  struct Case {
    std::vector<std::pair<int, int>> exchanged;
    std::vector<std::pair<int, int>> painted;  // facelet, colour code
    const char* message;
  };
  const Case cases[] = {
      // An uncoloured sticker comes before everything else, here two equal centres.
      {{}, {{30, 0}, {49, 2}}, "You must colour in ALL of the sides"},
      {{}, {{3, 7}}, "You must colour in ALL of the sides"},  // values outside the codes count as uncoloured
      {{}, {{3, -4}}, "You must colour in ALL of the sides"},
      {{{49, 9}}, {}, "The six centres must be different colours"},  // counts still nine
      {{}, {{9, 5}}, "There must be nine Blue pieces"},              // eight Yellow, ten Blue: the highest
      {{}, {{1, 6}}, "There must be nine Red pieces"},
      {{{18, 42}}, {}, "There should be no Orange and Red piece."},  // opposite faces
      {{{8, 12}}, {}, "There should be no Yellow and Yellow piece."},
      {{{9, 19}}, {}, "The colours on the Orange, Green and Yellow piece are in the wrong order."},
      {{{19, 41}}, {}, "There should be no Orange, Yellow and Red piece."},
      // Face 3's opposite in place of 3 makes the real corner 1, 2, 5, mirrored.
      {{{19, 33}}, {}, "The colours on the Orange, Yellow and Blue piece are in the wrong order."},
      // Two second copies of real edges (1/4 and 2/6): counts balance, pieces are real.
      {{}, {{10, 4}, {30, 2}}, "You have no Orange and Yellow piece."},
      // Two missing edges: the one reached first in facelet order is named,
      // never the 5/6 edge, whose facelets come after every other piece's.
      {{}, {{38, 3}, {20, 5}}, "You have no Yellow and Green piece."},
      {{}, {{9, 3}, {19, 4}, {23, 2}, {29, 3}}, "You have no Orange, Yellow and Green piece."},
  };
  for (const Case& c : cases) {
    const Vars painted = testing::Altered(testing::SolvedVars(), c.exchanged, c.painted);
    Vars vars = painted;
    EXPECT_EQ(EntryMessage(SubmitEntry(vars)), c.message);
    // A rejection leaves the painting and the colours as they were.
    EXPECT_TRUE(vars.EntryCheck == 0 && vars.current() == painted.current()) << c.message;
    EXPECT_TRUE(vars.FaceColourName == painted.FaceColourName && vars.FaceColourValue == painted.FaceColourValue)
        << c.message;
    if (c.exchanged.size() == 1) {  // the user mends his painting
      std::swap(vars.current()[c.exchanged[0].first], vars.current()[c.exchanged[0].second]);
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
