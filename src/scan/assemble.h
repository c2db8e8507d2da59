// Putting the face readings together into a cube: which reading is which
// face and how each is turned, and the colour of every sticker under the
// rules of the pieces.
//
// A reading's stickers go round its centre clockwise, as the picture shows
// them: top-left, top, top-right, right, bottom-right, bottom, bottom-left,
// left. Turned t quarter turns, position p (1..8) of face f takes ring
// sticker (p - 1 + 2t) mod 8. Every arrangement is tried whose centres can be
// a cube, with face 1 the face of colour code 1 and face 2 the side face of
// lowest code; the arrangements whose stickers break the fewest piece rules
// are then fitted piece by piece: the twelve edge pieces and the eight corner
// pieces each placed once, in any of their orientations, the cheapest way
// for the stickers' colour costs. A corner twisted or an edge flipped in
// place is no break (a re-assembled cube is read as it is), a corner whose
// colours run the wrong way round is.
#pragma once

#include <array>
#include <vector>

#include "model/cube.h"
#include "scan/classify.h"

namespace rotalo::scan {

struct Arrangement {
  std::array<int, 7> readingOfFace{};  // [f], f 1..6: a face reading, -1 for none
  std::array<int, 7> turnOfFace{};     // [f]: quarter turns 0..3
};

// The cube one arrangement gives under the piece rules.
struct PieceFit {
  double cost = 0;                            // the colour costs of every sticker
  std::array<int, kFacelets + 1> group{};     // [i]: the colour group of facelet i, -1 where unread
  std::array<float, kFacelets + 1> margin{};  // [i]: how much dearer the cheapest other colour is
};

// Ring position of each sticker of a reading: index into FaceReadings.
inline constexpr std::array<int, 8> kRing{0, 1, 2, 5, 8, 7, 6, 3};

// The reading index (0..8) that facelet i of face f takes.
int StickerOf(int facelet, int turn);

// Every edge and corner piece placed once, the cheapest way; all six faces
// must have readings.
PieceFit FitPieces(const Classification& c, const Arrangement& a);

// Each facelet on its own, the nearest colour group (faces without a reading
// stay -1).
PieceFit FitNearest(const Classification& c, const Arrangement& a);

// The arrangements of six readings that fit best, the best first: every one
// whose cost is within `tolerance` of the best. Needs six readings.
std::vector<std::pair<Arrangement, PieceFit>> BestArrangements(const Classification& c, double tolerance);

}  // namespace rotalo::scan
