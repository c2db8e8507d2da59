#include "checking/entry_check.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/cubes.h"

namespace rotalo {
namespace {

// A painting in colour codes: the solved cube with colour code f on face f
// and the default colours Orange, Yellow, Green, White, Blue, Red.
Vars Painting() {
  Vars vars = testing::SolvedVars();
  vars.RecordMoves = 1;
  return vars;
}

std::string Submit(Vars& vars) {
  return EntryMessage(SubmitEntry(vars));
}

void SwapFacelets(Vars& vars, int a, int b) {
  std::swap(vars.current()[a], vars.current()[b]);
}

TEST(SubmitEntry, UncolouredStickerIsReportedBeforeEverythingElse) {
  Vars vars = Painting();
  vars.current()[30] = 0;
  vars.current()[49] = 2;  // two equal centres as well
  EXPECT_EQ(Submit(vars), "You must colour in ALL of the sides");
}

TEST(SubmitEntry, ValuesOutsideTheColourCodesCountAsUncoloured) {
  Vars vars = Painting();
  vars.current()[3] = 7;
  EXPECT_EQ(Submit(vars), "You must colour in ALL of the sides");
  EXPECT_EQ(vars.current()[3], 7);
  vars.current()[3] = -4;
  EXPECT_EQ(Submit(vars), "You must colour in ALL of the sides");
}

TEST(SubmitEntry, EqualCentresAreReportedBeforeCountsAndPieces) {
  Vars vars = Painting();
  SwapFacelets(vars, 49, 9);  // centre of face 1 painted Yellow, counts still nine
  EXPECT_EQ(Submit(vars), "The six centres must be different colours");
}

TEST(SubmitEntry, WrongCountNamesTheHighestWrongColour) {
  Vars vars = Painting();
  vars.current()[9] = 5;  // eight Yellow, ten Blue
  EXPECT_EQ(Submit(vars), "There must be nine Blue pieces");
  vars.current()[9] = 2;
  vars.current()[1] = 6;  // eight Orange, ten Red
  EXPECT_EQ(Submit(vars), "There must be nine Red pieces");
}

TEST(SubmitEntry, ImpossibleEdgesAreReportedFromTheirLowerFacelet) {
  Vars opposite = Painting();
  SwapFacelets(opposite, 18, 42);  // the 2/18 edge becomes Orange and Red
  EXPECT_EQ(Submit(opposite), "There should be no Orange and Red piece.");

  Vars same = Painting();
  SwapFacelets(same, 8, 12);  // the 8/10 edge becomes Yellow and Yellow
  EXPECT_EQ(Submit(same), "There should be no Yellow and Yellow piece.");
}

TEST(SubmitEntry, MirroredCornerIsInTheWrongOrder) {
  Vars vars = Painting();
  SwapFacelets(vars, 9, 19);
  EXPECT_EQ(Submit(vars), "The colours on the Orange, Green and Yellow piece are in the wrong order.");
}

TEST(SubmitEntry, CornerWithOppositeColoursCannotExist) {
  Vars vars = Painting();
  SwapFacelets(vars, 19, 41);  // corner 1/9/19 becomes Orange, Yellow, Red
  EXPECT_EQ(Submit(vars), "There should be no Orange, Yellow and Red piece.");
}

TEST(SubmitEntry, OneColourOfACornerReplacedByItsOppositeTurnsTheOrderRound) {
  // Corner 1/9/19 carries faces 1, 2, 3; putting face 3's opposite (5) in
  // place of 3 gives a real corner (1, 2, 5) in mirrored order, and doing
  // the same to the mirrored corner gives a real corner in the right order.
  Vars vars = Painting();
  SwapFacelets(vars, 19, 33);  // 33 is a face-5 corner facelet
  EXPECT_EQ(Submit(vars), "The colours on the Orange, Yellow and Blue piece are in the wrong order.");
}

TEST(SubmitEntry, MissingEdgeIsNamedByItsHomeFaces) {
  Vars vars = Painting();
  // The 8/10 edge (faces 1, 2) becomes a second 1/4 edge, and the 30/42
  // edge (faces 4, 6) a second 2/6 edge: counts balance, pieces are real.
  vars.current()[10] = 4;
  vars.current()[30] = 2;
  EXPECT_EQ(Submit(vars), "You have no Orange and Yellow piece.");
}

TEST(SubmitEntry, TheLowestMissingPieceIsNamedFirst) {
  // The 38/48 edge (faces 5, 6) becomes a second 3/6 edge and the 16/20
  // edge (2, 3) a 2/5 edge. Both missing pieces could be named; the one
  // reached first in facelet order is, so the 5/6 edge, whose facelets come
  // after those of every other piece, is never the one reported.
  Vars vars = Painting();
  vars.current()[38] = 3;
  vars.current()[20] = 5;
  EXPECT_EQ(Submit(vars), "You have no Yellow and Green piece.");
}

TEST(SubmitEntry, MissingCornerIsNamedByItsHomeFaces) {
  Vars vars = Painting();
  // Corner 1/9/19 (faces 1, 2, 3) becomes a second 1/3/4 corner, corner
  // 23/43/29 (3, 6, 4) a second 2/6/3 corner.
  vars.current()[9] = 3;
  vars.current()[19] = 4;
  vars.current()[23] = 2;
  vars.current()[29] = 3;
  EXPECT_EQ(Submit(vars), "You have no Orange, Yellow and Green piece.");
}

TEST(SubmitEntry, RejectionLeavesThePaintingAndColoursAsTheyWere) {
  struct Fault {
    int a, b;  // facelets whose colours are exchanged
  };
  for (const Fault fault : {Fault{49, 9}, Fault{18, 42}, Fault{9, 19}, Fault{19, 41}}) {
    Vars vars = Painting();
    SwapFacelets(vars, fault.a, fault.b);
    const Buffer painted = vars.current();
    const auto names = vars.FaceColourName;
    const auto values = vars.FaceColourValue;
    const EntryVerdict verdict = SubmitEntry(vars);
    EXPECT_FALSE(verdict.Accepted());
    EXPECT_EQ(vars.EntryCheck, 0);
    EXPECT_EQ(vars.current(), painted) << fault.a;
    EXPECT_EQ(vars.FaceColourName, names);
    EXPECT_EQ(vars.FaceColourValue, values);

    SwapFacelets(vars, fault.a, fault.b);  // the user mends his painting
    EXPECT_TRUE(SubmitEntry(vars).Accepted()) << fault.a;
  }
}

TEST(SubmitEntry, RejectionAfterConversionPaintsOnInBufferOne) {
  Vars vars = Painting();
  SwapFacelets(vars, 9, 19);
  SubmitEntry(vars);
  EXPECT_EQ(vars.CurBuffer, 1);
  Vars early = Painting();
  early.current()[5] = 0;
  SubmitEntry(early);
  EXPECT_EQ(early.CurBuffer, 0);
}

TEST(SubmitEntry, SolvedCubeInAnyColoursIsAcceptedAndConverted) {
  Vars vars;
  ChooseColours(vars, {6, 7, 8, 9, 0, 2});  // Black, Brown, Purple, Light Blue, Orange, Green
  // Face f painted with colour code paint[f].
  const int paint[7] = {0, 4, 6, 1, 3, 2, 5};
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = static_cast<Int16>(paint[HomeFace(i)]);
  }
  const EntryVerdict verdict = SubmitEntry(vars);
  ASSERT_TRUE(verdict.Accepted());
  EXPECT_EQ(vars.EntryCheck, 1);
  EXPECT_TRUE(IsSolved(vars.Facelet[0]));
  EXPECT_TRUE(IsSolved(vars.current()));
  EXPECT_EQ(vars.CurBuffer, 1);
  EXPECT_EQ(vars.FaceColourName[1], "Light Blue");
  EXPECT_EQ(vars.FaceColourName[2], "Green");
  EXPECT_EQ(vars.FaceColourValue[3], 0x00000000u);  // Black
  EXPECT_EQ(vars.FaceColourName[0], "Unknown");
}

TEST(SubmitEntry, MessagesNameColoursNotFaces) {
  Vars vars;
  ChooseColours(vars, {9, 8, 7, 6, 5, 4});  // Light Blue, Purple, Brown, Black, Red, Blue
  // The solved cube painted with face f in colour code 7 - f.
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = static_cast<Int16>(7 - HomeFace(i));
  }
  std::swap(vars.Facelet[0][9], vars.Facelet[0][19]);
  // Faces 1, 3, 2 carry codes 6, 4, 5: Blue, Black, Red.
  EXPECT_EQ(EntryMessage(SubmitEntry(vars)), "The colours on the Blue, Black and Red piece are in the wrong order.");
}

}  // namespace
}  // namespace rotalo
