// Photos of cube faces drawn from a known cube, for the tests, the
// benchmarks and walkthroughs: a face seen from up to 30 degrees off, turned
// any way, a fifth to two thirds of the picture across, on a busy
// background, under uneven light with a white-balance shift and a
// highlight, with noise and JPEG's losses; a stickered cube (black plastic
// between stickers) or a stickerless one (thin dark gaps).
#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "model/cube.h"

namespace rotalo::photos {

struct PhotoStyle {
  int width = 640;
  int height = 480;
  double faceSize = 0.45;  // the face's side over the picture's shorter side
  double turnDegrees = 0;  // in the picture's plane
  double tiltDegrees = 0;  // away from head-on
  double tiltDirection = 0;
  bool stickerless = false;
  cv::Vec3d whiteBalance{1, 1, 1};  // gains for blue, green, red
  double exposure = 1;
  double lightSlope = 0;  // brightness change from one side of the picture to the other
  double lightDirection = 0;
  double highlight = 0;  // strength 0..255 of a highlight on the face
  double noise = 0;      // standard deviation, 0..255 units
  int jpegQuality = 0;   // 0: no JPEG round trip
  bool busyBackground = false;
  bool drawFace = true;  // false: the background alone
};

// A style drawn at random within the ranges above.
PhotoStyle RandomStyle(std::mt19937& random, int width = 640, int height = 480);

// One photo of a face whose stickers, row by row as the photo shows them
// before `style` turns it, have the colours `stickers` (0x00BBGGRR).
cv::Mat DrawFace(const std::array<Colour, 9>& stickers, const PhotoStyle& style, std::mt19937& random);

struct FacePhoto {
  cv::Mat image;
  int face = 0;  // the face it shows, 1..6
  int turn = 0;  // the quarter turns the face was held at, 0..3
};

// The six face photos of `cube` (colour codes 1..6, drawn in the colours
// `colourOfCode`), each held at a random quarter turn, in a shuffled order.
std::vector<FacePhoto> MakePhotos(const Buffer& cube, const std::array<Colour, 7>& colourOfCode, std::uint32_t seed,
                                  int width = 640, int height = 480);

// The nine stickers of face f of `cube` held `turn` quarter turns, as colour
// codes row by row.
std::array<int, 9> FaceCodes(const Buffer& cube, int face, int turn);

}  // namespace rotalo::photos
