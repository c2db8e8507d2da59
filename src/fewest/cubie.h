// The cube as pieces, for the fewest-moves search: which corner and which
// edge sits in each place and how it is turned, read from the facelets of a
// cube in home-face numbers, and the numbers ("coordinates") the search
// works with.
//
// Corner places 0..7 are the rows of the corner table, each listed from its
// facelet on face 1 or 6 onwards, clockwise seen from outside the corner.
// Edge places 0..11 are the four edges of face 1, the four of face 6 and the
// four of the middle layer, each listed from its deciding facelet: the one on
// face 1 or 6, or for a middle edge the one on face 3 or 5. The piece that
// belongs in place p is piece p.
//
// A corner's twist is the position (0..2, clockwise) of its face-1-or-6
// colour among the facelets of its place; an edge is flipped (1) when its
// deciding colour is not on the deciding facelet of its place. Turns of
// faces 1 and 6 change neither; half turns of the side faces change neither.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "model/cube.h"

namespace rotalo::fewest {

inline constexpr int kMoveCount = 18;

// Move m (0..17) turns face m / 3 + 1 by m % 3 + 1 clockwise quarter turns.
constexpr int MoveFace(int m) {
  return m / 3 + 1;
}
constexpr int MoveTurns(int m) {
  return m % 3 + 1;
}
constexpr int MoveOf(int face, int turns) {
  return 3 * (face - 1) + turns - 1;
}

inline constexpr std::array<std::array<Int16, 3>, 8> kCornerPlaces{{
    {1, 9, 19},
    {3, 17, 27},
    {5, 25, 35},
    {7, 33, 11},
    {47, 13, 39},
    {45, 21, 15},
    {43, 29, 23},
    {41, 37, 31},
}};

inline constexpr std::array<std::array<Int16, 2>, 12> kEdgePlaces{{
    {2, 18},
    {4, 26},
    {6, 34},
    {8, 10},
    {46, 14},
    {44, 22},
    {42, 30},
    {48, 38},
    {40, 12},
    {20, 16},
    {24, 28},
    {36, 32},
}};

struct CubieCube {
  std::array<std::uint8_t, 8> cp{0, 1, 2, 3, 4, 5, 6, 7};  // the corner in each place
  std::array<std::uint8_t, 8> co{};                        // its twist
  std::array<std::uint8_t, 12> ep{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  std::array<std::uint8_t, 12> eo{};

  friend bool operator==(const CubieCube&, const CubieCube&) = default;
};

// `a`, then `b` done to it: the cube `a` turned by the moves that take the
// solved cube to `b`.
CubieCube Multiply(const CubieCube& a, const CubieCube& b);
CubieCube Inverse(const CubieCube& c);

// The solved cube turned by move m.
const CubieCube& MoveCube(int m);

// A position drawn at random, every position face turns can reach equally
// likely.
CubieCube RandomCubies(std::mt19937& random);

// Why a cube in home-face numbers is not a cube that face turns can solve.
enum class CubieFault {
  None,
  Pieces,  // a centre out of place, or stickers that make no set of pieces
  Twist,   // the corner twists do not add up to a multiple of three
  Flip,    // an odd number of edges flipped
  Parity,  // two pieces exchanged
};

// Reads the pieces of a cube in home-face numbers (facelets 1..54).
CubieFault ReadCubies(const Buffer& cube, CubieCube& out);
// The facelets of a cube of pieces, in home-face numbers.
Buffer ToFacelets(const CubieCube& c);

// The sixteen symmetries of the cube that keep the axis of faces 1 and 6,
// as maps of corner places and edge places. Symmetry s is q quarter turns
// about that axis (s / 4), then h half turns about the axis of faces 3 and 5
// (s / 2 % 2), then r mirrors that exchange faces 2 and 4 (s % 2). Each
// takes face turns to face turns, and turns of phase 2 to turns of phase 2,
// so a position and its image need the same number of moves.
inline constexpr int kSymmetries = 16;
struct Symmetry {
  std::array<std::uint8_t, 8> corner{};
  std::array<std::uint8_t, 12> edge{};
};
const std::array<Symmetry, kSymmetries>& Symmetries();
int InverseSymmetry(int s);
// The symmetry that is symmetry a followed by symmetry b.
int SymmetryProduct(int a, int b);
constexpr bool IsMirror(int s) {
  return s % 2 == 1;
}
// Whether symmetry s takes faces 3 and 5 to faces 2 and 4, which changes
// the deciding facelet of the middle-layer places.
constexpr bool SwapsSides(int s) {
  return s / 4 % 2 == 1;
}
// The image of the cube under symmetry s: the piece the symmetry makes of
// the one in place p sits in the place it makes of p. A mirror reverses
// twists; a symmetry that swaps the sides flips every edge that is in a
// middle-layer place or is a middle-layer edge, but not both.
CubieCube Conjugate(const CubieCube& c, int s);

// Coordinates.
inline constexpr int kTwists = 2187;       // 3^7
inline constexpr int kFlips = 2048;        // 2^11
inline constexpr int kPlacings = 11880;    // 12 * 11 * 10 * 9
inline constexpr int kCombinations = 495;  // 12 choose 4
inline constexpr int kPermutations8 = 40320;
inline constexpr int kPermutations4 = 24;

int Twist(const CubieCube& c);
void SetTwist(CubieCube& c, int twist);
int Flip(const CubieCube& c);
void SetFlip(CubieCube& c, int flip);

// Where the four edges first..first+3 are and in which order:
// 24 * (the set of their places) + (their order). first 0: the edges of
// face 1, 4: of face 6, 8: of the middle layer. The number moves the same
// way under a turn whichever four edges it follows.
int EdgePlacing(const CubieCube& c, int first);
void SetEdgePlacing(CubieCube& c, int first, int placing);
inline constexpr int kSolvedUpPlacing = 0;
inline constexpr int kSolvedDownPlacing = 69 * 24;
inline constexpr int kSolvedSlicePlacing = 494 * 24;

int CornerPermutation(const CubieCube& c);
void SetCornerPermutation(CubieCube& c, int index);
// The order of edges 0..7 in places 0..7; only for cubes whose middle-layer
// edges are in the middle layer.
int Edge8Permutation(const CubieCube& c);
void SetEdge8Permutation(CubieCube& c, int index);

// The rank of a permutation of 0..n-1 among all n! of them, and back.
int PermutationIndex(const std::uint8_t* p, int n);
// The same for n = 8, unrolled.
inline int Permutation8Index(const std::uint8_t* p) {
  int index = 0;
  for (int i = 0; i < 8; ++i) {
    int smaller = 0;
    for (int j = i + 1; j < 8; ++j) {
      smaller += p[j] < p[i] ? 1 : 0;
    }
    index = index * (8 - i) + smaller;
  }
  return index;
}
void PermutationFromIndex(int index, std::uint8_t* p, int n);

}  // namespace rotalo::fewest
