// Pictures handed to the reading of a cube: a plain view of 8-bit pixels that
// a window can make from its own image type without copying, or an OpenCV
// matrix.
#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>

namespace rotalo::scan {

enum class PixelOrder { Bgr, Rgb, Bgra, Rgba };

// Rows of `width` pixels, `stride` bytes apart, 3 or 4 bytes a pixel as
// `order` says. The view does not own the pixels.
struct ImageView {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  PixelOrder order = PixelOrder::Bgr;
};

// A 3-channel BGR matrix of the picture: the view's own pixels when they are
// BGR already, a converted copy otherwise. An empty view gives an empty one.
cv::Mat ToBgr(const ImageView& image);

// One reading of a sticker, 0..255 a channel.
struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

// The nine readings of one face, row by row as the picture shows it, the
// top-left sticker first and the centre at index 4.
using FaceReadings = std::array<Rgb, 9>;

struct Point {
  float x = 0;
  float y = 0;
};

}  // namespace rotalo::scan
