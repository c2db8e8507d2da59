// Finding the 3x3 grid of one cube face in a picture and reading one colour
// per sticker.
//
// The picture shows one face roughly head-on (up to about 30 degrees off),
// any way up, the face a fifth or more of the picture's shorter side, on any
// background. Stickers show as closed regions between edges (black plastic
// or the thin gaps of a stickerless cube); regions of sticker size and shape
// that lie on a common lattice make the face, and a perspective map from
// the lattice to the picture places all nine stickers, also those that a
// highlight or a reflection hid from the search.
#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <optional>

#include "scan/image.h"

namespace rotalo::scan {

struct FaceGrid {
  // The centres of the nine stickers in picture pixels, row by row as the
  // picture shows the face (the row closest to the picture's top first, the
  // face turned by at most 45 degrees from there), the centre at index 4.
  std::array<Point, 9> centres{};
  // The face's four corners: top-left, top-right, bottom-right, bottom-left.
  std::array<Point, 4> outline{};
  // The mean distance between the centres of neighbouring stickers.
  float spacing = 0;
  // The colour of each sticker: a median over its inner area, with the
  // brightest part (a highlight) and the darkest left out.
  FaceReadings colours{};
};

// The face in `image`, or nothing when the picture shows none.
std::optional<FaceGrid> FindFace(const cv::Mat& bgr);
std::optional<FaceGrid> FindFace(const ImageView& image);

}  // namespace rotalo::scan
