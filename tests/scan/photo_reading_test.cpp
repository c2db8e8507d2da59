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
