#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "photo_maker.h"
#include "scan/cube_reading.h"
#include "scan/face_finder.h"
#include "scan_support.h"

namespace rotalo::scan {
namespace {

std::array<Colour, 7> ColourOfCode() {
  std::array<Colour, 7> colours{};
  const auto chosen = DefaultColours();
  std::copy(chosen.begin(), chosen.end(), colours.begin() + 1);
  return colours;
}

// Six photos of each of many cubes, every style of picture mixed: each cube
// is read right but for stickers the reading calls uncertain, and those are
// few.
TEST(ReadingPhotos, ReadsEveryCubeOrFlagsWhatItMisreads) {
  constexpr int kCubes = 40;
  int uncertain = 0;
  for (std::uint32_t seed = 0; seed < kCubes; ++seed) {
    const Buffer cube = TestCube(seed);
    std::vector<FaceReadings> faces;
    for (const auto& photo : photos::MakePhotos(cube, ColourOfCode(), seed)) {
      const auto grid = FindFace(photo.image);
      ASSERT_TRUE(grid) << "cube " << seed << " face " << photo.face;
      faces.push_back(grid->colours);
    }
    const CubeReading reading = ReadCube(faces, DefaultColours());
    for (const int wrong : Misread(cube, reading.cube)) {
      EXPECT_TRUE(std::count(reading.uncertain.begin(), reading.uncertain.end(), wrong))
          << "cube " << seed << " facelet " << wrong;
    }
    uncertain += static_cast<int>(reading.uncertain.size());
  }
  EXPECT_LE(uncertain, kCubes / 2);
}

// A window hands over its pixels in its own order, its rows padded: the
// same face and the same colours from every order.
TEST(ReadingPhotos, ReadsEveryPixelOrderAlike) {
  const auto photos = photos::MakePhotos(TestCube(2), ColourOfCode(), 2);
  const auto expected = FindFace(photos[0].image);
  ASSERT_TRUE(expected);
  const std::array<std::pair<PixelOrder, int>, 4> orders{{{PixelOrder::Bgr, -1},
                                                          {PixelOrder::Rgb, cv::COLOR_BGR2RGB},
                                                          {PixelOrder::Bgra, cv::COLOR_BGR2BGRA},
                                                          {PixelOrder::Rgba, cv::COLOR_BGR2RGBA}}};
  for (const auto& [order, conversion] : orders) {
    cv::Mat converted = photos[0].image.clone();
    if (conversion >= 0) {
      cv::cvtColor(photos[0].image, converted, conversion);
    }
    cv::Mat padded(converted.rows, converted.cols + 3, converted.type(), cv::Scalar::all(0));
    converted.copyTo(padded(cv::Rect(0, 0, converted.cols, converted.rows)));
    const cv::Mat view = padded(cv::Rect(0, 0, converted.cols, converted.rows));
    const auto grid = FindFace(ImageView{view.data, view.cols, view.rows, static_cast<int>(view.step), order});
    ASSERT_TRUE(grid);
    for (int k = 0; k < 9; ++k) {
      EXPECT_EQ(grid->colours[k].r, expected->colours[k].r);
      EXPECT_EQ(grid->colours[k].b, expected->colours[k].b);
    }
  }
  EXPECT_FALSE(FindFace(ImageView{}));
}

// Pictures of the background alone show no face.
TEST(ReadingPhotos, FindsNoFaceWhereThereIsNone) {
  for (std::uint32_t seed = 0; seed < 30; ++seed) {
    std::mt19937 random(seed);
    photos::PhotoStyle style = photos::RandomStyle(random);
    style.busyBackground = true;
    style.drawFace = false;
    EXPECT_FALSE(FindFace(photos::DrawFace({}, style, random))) << seed;
  }
}

}  // namespace
}  // namespace rotalo::scan
