// Timings of the drawing into the toolkit's image: the resting cube, one
// frame of a turn, and a whole quarter turn.
#include <benchmark/benchmark.h>

#include "model/moves.h"
#include "model/palette.h"
#include "render/cube_drawing.h"
#include "render/qt/qt_canvas.h"
#include "render/turn_animation.h"

namespace rotalo {
namespace {

Vars ScrambledVars() {
  Vars vars;
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  FillSolved(vars, 0);
  for (const auto& [face, turn] : {std::pair{2, 1}, {4, 3}, {6, 2}, {5, 1}, {3, 3}}) {
    TurnFace(vars, face, turn);
  }
  return vars;
}

void BM_DrawCube(benchmark::State& state) {
  QtCanvas canvas;
  const DrawContext context;
  const Vars vars = ScrambledVars();
  for (auto _ : state) {
    DrawCube(canvas, context, vars);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_DrawCube);

class FlushingHost final : public FrameHost {
 public:
  explicit FlushingHost(QtCanvas& canvas) : canvas_(canvas) {}
  void ShowFrame() override { benchmark::DoNotOptimize(canvas_.Image().constBits()); }

 private:
  QtCanvas& canvas_;
};

// One frame: FramesPerTurn 2 gives a single frame, at 45 degrees, where the
// most is drawn.
void BM_TurnFrame(benchmark::State& state) {
  QtCanvas canvas;
  FlushingHost host(canvas);
  DrawContext context;
  context.FramesPerTurn = 2;
  const Vars vars = ScrambledVars();
  const int face = static_cast<int>(state.range(0));
  for (auto _ : state) {
    int q = 1;
    AnimateTurn(canvas, context, vars, host, face, q, 0);
  }
}
BENCHMARK(BM_TurnFrame)->Arg(1)->Arg(4)->Arg(6);

// A quarter turn of six frames, the last one at the full turn.
void BM_QuarterTurn(benchmark::State& state) {
  QtCanvas canvas;
  FlushingHost host(canvas);
  DrawContext context;
  const Vars vars = ScrambledVars();
  for (auto _ : state) {
    int q = 1;
    AnimateTurn(canvas, context, vars, host, 5, q, 1);
  }
}
BENCHMARK(BM_QuarterTurn);

}  // namespace
}  // namespace rotalo

BENCHMARK_MAIN();
