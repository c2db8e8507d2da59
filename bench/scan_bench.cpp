// Reading a cube from photos: one face in a photo, the classification and
// assembly of six faces, and one frame of the camera path.
#include <benchmark/benchmark.h>

#include <map>

#include "model/jumble.h"
#include "model/palette.h"
#include "photo_maker.h"
#include "scan/camera.h"
#include "scan/cube_reading.h"
#include "scan/face_finder.h"

namespace {

using namespace rotalo;

std::array<Colour, 7> DefaultColours() {
  std::array<Colour, 7> colours{};
  for (int code = 1; code <= 6; ++code) {
    colours[code] = kPalette[code - 1].value;
  }
  return colours;
}

Buffer ScrambledCube() {
  Vars vars;
  FillSolved(vars, 0);
  std::mt19937 random(5);
  JumbleCube(vars, [&] { return std::uniform_real_distribution<float>(0.0f, 0.999f)(random); });
  return vars.current();
}

// The six photos of a scrambled cube at the given size, made once.
const std::vector<photos::FacePhoto>& Photos(int width, int height) {
  static std::map<std::pair<int, int>, std::vector<photos::FacePhoto>> made;
  auto& photos = made[{width, height}];
  if (photos.empty()) {
    photos = photos::MakePhotos(ScrambledCube(), DefaultColours(), 5, width, height);
  }
  return photos;
}

// One photo to its grid and nine colours, the six faces in turn.
void BM_ReadFace(benchmark::State& state) {
  const auto& photos = Photos(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  std::size_t n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan::FindFace(photos[n++ % photos.size()].image));
  }
}
BENCHMARK(BM_ReadFace)->Args({1920, 1080})->Args({640, 480})->Unit(benchmark::kMillisecond);

// The 54 readings of six faces classified together and assembled.
void BM_ClassifyAndAssemble(benchmark::State& state) {
  std::vector<scan::FaceReadings> faces;
  for (const auto& photo : Photos(640, 480)) {
    faces.push_back(scan::FindFace(photo.image)->colours);
  }
  const std::array<Colour, 7> colours = DefaultColours();
  std::array<Colour, 6> chosen{};
  std::copy(colours.begin() + 1, colours.end(), chosen.begin());
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan::ReadCube(faces, chosen));
  }
}
BENCHMARK(BM_ClassifyAndAssemble)->Unit(benchmark::kMillisecond);

// One 640 x 480 camera frame through the hold: finding the face and
// comparing it with the last frame.
void BM_CameraFrame(benchmark::State& state) {
  const cv::Mat& frame = Photos(640, 480)[0].image;
  scan::FaceHold hold;
  std::int64_t ms = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hold.Feed(frame, ms));
    ms += 40;
  }
}
BENCHMARK(BM_CameraFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
