#include "scan/image.h"

#include <opencv2/imgproc.hpp>

namespace rotalo::scan {

cv::Mat ToBgr(const ImageView& image) {
  if (image.data == nullptr || image.width <= 0 || image.height <= 0) {
    return {};
  }
  const bool four = image.order == PixelOrder::Bgra || image.order == PixelOrder::Rgba;
  // OpenCV does not write through a matrix made over borrowed pixels unless
  // asked to, and nothing here asks.
  const cv::Mat wrapped(image.height, image.width, four ? CV_8UC4 : CV_8UC3, const_cast<std::uint8_t*>(image.data),
                        static_cast<std::size_t>(image.stride));
  cv::Mat bgr;
  switch (image.order) {
    case PixelOrder::Bgr:
      return wrapped;
    case PixelOrder::Rgb:
      cv::cvtColor(wrapped, bgr, cv::COLOR_RGB2BGR);
      break;
    case PixelOrder::Bgra:
      cv::cvtColor(wrapped, bgr, cv::COLOR_BGRA2BGR);
      break;
    case PixelOrder::Rgba:
      cv::cvtColor(wrapped, bgr, cv::COLOR_RGBA2BGR);
      break;
  }
  return bgr;
}

}  // namespace rotalo::scan
