// Reading a whole cube: from the nine readings of each photographed face (in
// any order, each any way up), or from 54 readings in the cube's own facelet
// order. The result is a painting in colour codes for the user to check,
// with the stickers that were not read for sure.
#pragma once

#include <array>
#include <vector>

#include "model/cube.h"
#include "scan/image.h"

namespace rotalo::scan {

struct ReadOptions {
  // A sticker whose confidence is below this is uncertain.
  float uncertainBelow = 0.65f;
};

struct CubeReading {
  Buffer cube{};  // colour codes 1..6, 0 where nothing was read; [i] is facelet i
  // [i]: 0..1, how sure the colour of facelet i is (0 where nothing was read).
  std::array<float, kFacelets + 1> confidence{};
  std::vector<int> uncertain;  // the facelets below the threshold, ascending
  // Other cubes that the readings fit as well as `cube`: the person must
  // choose. Their differences from `cube` are among the uncertain facelets.
  std::vector<Buffer> alternatives;
  // For each face reading, the face (1..6) it was put on; 0 when it was not
  // used.
  std::vector<int> faceOfReading;
};

// `chosen`: the user's colours for codes 1..6. One to six faces; with fewer
// than six, each goes on the face of its centre's colour code, as it was
// photographed, and its stickers take their nearest colours. No faces or
// more than six give an empty reading.
CubeReading ReadCube(const std::vector<FaceReadings>& faces, const std::array<Colour, 6>& chosen,
                     const ReadOptions& options = {});

// 54 readings of facelets 1..54 in order, as another program sampled them:
// the same classification and piece rules, with every face where it is.
CubeReading ReadCubeInOrder(const std::array<Rgb, kFacelets>& readings, const std::array<Colour, 6>& chosen,
                            const ReadOptions& options = {});

// The confidence of a colour whose cheapest alternative costs `margin` more.
float ConfidenceOfMargin(float margin);

}  // namespace rotalo::scan
