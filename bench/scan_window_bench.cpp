// The camera view of the scan window: one 640 x 480 frame through the path
// the camera's frames take (the face found and followed, the frame shown
// with its grid), on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <array>
#include <vector>

#include "model/cube.h"
#include "model/palette.h"
#include "photo_maker.h"
#include "ui/qt_services.h"
#include "ui/scan_window.h"

namespace {

void BM_CameraViewFrame(benchmark::State& state) {
  rotalo::ui::QtServices services;
  rotalo::Vars vars;
  rotalo::ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  std::array<rotalo::Colour, 6> chosen{};
  std::array<rotalo::Colour, 7> colours{};
  for (std::size_t k = 1; k <= 6; ++k) chosen[k - 1] = colours[k] = vars.ChosenColourValue[k];
  rotalo::FillSolved(vars, 0);
  std::vector<QImage> frames;
  for (const auto& photo : rotalo::photos::MakePhotos(vars.Facelet[0], colours, 7)) {
    frames.push_back(QImage(photo.image.data, photo.image.cols, photo.image.rows,
                            static_cast<qsizetype>(photo.image.step), QImage::Format_BGR888)
                         .copy());
  }
  rotalo::ui::ScanWindow window(services, chosen);
  qint64 ms = 0;
  std::size_t k = 0;
  for (auto _ : state) {
    // A face held for a second, then the next.
    window.FeedFrame(frames[(k++ / 25) % frames.size()], ms += 40);
  }
}
BENCHMARK(BM_CameraViewFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
