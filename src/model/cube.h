// The cube model: how faces, facelets and pieces are numbered, and the one
// object that holds the program's shared cube state.
//
// Faces 1..6. Face 1 is the top, face 6 the bottom, and 2 -> 3 -> 4 -> 5 -> 2
// is the ring of side faces, clockwise when looking down on face 1.
//
// Facelets 1..54. Face f owns facelets 8(f-1)+1 .. 8f; the facelet at
// 8(f-1)+p is position p of face f. Positions run 1..8 clockwise as seen from
// outside the face: odd positions are corners, even positions are edges, and
// 48+f is the centre of face f. On a side face positions 1,2,3 touch the top
// face, 5,6,7 touch the bottom, 8 touches NextSide(f, 1) and 4 NextSide(f, -1).
//
//   top face 1, a diamond on screen        the two front faces below it
//               1                     face 5 (left front)  face 4 (right front)
//           8       2                   33  34  35            25  26  27
//       7      49      3                40  53  36            32  52  28
//           6       4                   39  38  37            31  30  29
//               5      <- near top corner, shared by 35 and 25
//
// Edges are pairs of facelets (2,18), (4,26), (6,34), (8,10), (12,40),
// (14,46), (16,20), (22,44), (24,28), (30,42), (32,36), (38,48); corners are
// the eight rows of the corner table, each listed in the same rotational
// order, clockwise seen from outside the corner.
//
// A cube position is three buffers of 54 small integers. While the user
// paints, a value is a colour code (0 uncoloured, 1..6 the chosen colours);
// once the painting is accepted it is a home-face number, so the solved cube
// is Facelet[b][i] == HomeFace(i).
//
// Moves are written as three-character tokens: face digit, turn digit 0..3
// (clockwise quarter turns seen from outside that face), space. "21 43 "
// turns face 2 a quarter clockwise, then face 4 three quarters. Two markers
// sit between the layers of a solution: "AA " after the top layer and
// "BB " after the middle layer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace rotalo {

using Int16 = std::int16_t;
using Colour = std::uint32_t;  // packed 0x00BBGGRR, red in the low byte

inline constexpr int kFacelets = 54;
inline constexpr int kBuffers = 3;
inline constexpr Colour kUncolouredValue = 0x00C0C0C0;  // light grey

// One buffer of facelet values; index 0 is unused so that facelet i is [i].
using Buffer = std::array<Int16, kFacelets + 1>;

// The corner table: eight corners, three facelets each in rotational order.
inline constexpr std::array<std::array<Int16, 3>, 8> kCornerTable{{
    {1, 9, 19},
    {3, 17, 27},
    {5, 25, 35},
    {7, 33, 11},
    {13, 39, 47},
    {15, 45, 21},
    {23, 43, 29},
    {31, 41, 37},
}};

// The program's shared cube state. The application owns one; every test can
// build its own. Names follow the rest of the program (Facelet, CurBuffer...).
struct Vars {
  std::array<Buffer, kBuffers> Facelet{};  // Facelet[b][i], b 0..2, i 1..54
  Int16 CurBuffer = 0;

  std::string MoveString;  // recorded move tokens
  Int16 RecordMoves = 0;   // TurnFace records only while this is exactly 1

  // Indexed by colour code (1..6) / by facelet value (0..6); entry 0 unused
  // in the chosen tables.
  std::array<std::string, 7> ChosenColourName{};
  std::array<Colour, 7> ChosenColourValue{};
  std::array<std::string, 7> FaceColourName{};
  std::array<Colour, 7> FaceColourValue{};

  // CornerTable[r][c], r 1..8, c 1..3; row 0 and column 0 unused.
  std::array<std::array<Int16, 4>, 9> CornerTable{};

  Int16 EntryCheck = 0;  // 1 while the entry checks run, 0 after a failure
  Int16 TickedCount = 0;

  Buffer& current() { return Facelet[CurBuffer]; }
  const Buffer& current() const { return Facelet[CurBuffer]; }
};

// The partner of edge facelet i (any m), or the facelet m steps further round
// the corner of odd facelet i. Defined for facelets 1..48; returns 0 outside.
Int16 Companion(int i, int m);
// The side face n steps further round the ring 2 -> 3 -> 4 -> 5 -> 2.
Int16 NextSide(int s, int n);
// The side face beside position p of the top / bottom face, -1 for other p.
Int16 SideOfTop(int p);
Int16 SideOfBottom(int p);
// The face that facelet i (1..54) belongs to.
Int16 HomeFace(int i);
void FillCornerTable(Vars& vars);

// Puts the solved cube (home-face numbers) into buffer b.
void FillSolved(Vars& vars, int b);
bool IsSolved(const Buffer& buffer);
// Copies buffer `from` into buffer `to`.
void CopyBuffer(Vars& vars, int from, int to);

// Copies the current position into the other working buffer (1 or 2) and
// makes that one current, so a change of position never writes buffer 0 and
// the position just left stays in its buffer. Returns that previous position.
inline const Buffer& NextWorkingBuffer(Vars& vars) {
  const Buffer& left = vars.Facelet[vars.CurBuffer];
  vars.CurBuffer = static_cast<Int16>(vars.CurBuffer % 2 + 1);
  vars.Facelet[vars.CurBuffer] = left;
  return left;
}

// Appends the 54 values of a cube as digits, facelet 1 first (values 0..9).
void AppendCubeDigits(std::string& out, const Buffer& cube);

}  // namespace rotalo
