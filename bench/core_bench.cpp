// Timings of the hot paths of the core: a face turn, and a whole solving run
// with the simplification of its solution.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "model/moves.h"
#include "model/palette.h"
#include "playback/simplify.h"

namespace rotalo {
namespace {

Vars SolvedVars() {
  Vars vars;
  FillCornerTable(vars);
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  FillSolved(vars, 0);
  vars.RecordMoves = 1;
  return vars;
}

// Random solvable cubes in colour codes, made by 40 random turns each.
std::vector<Buffer> RandomCubes(int count) {
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> face(1, 6);
  std::uniform_int_distribution<int> turn(1, 3);
  std::vector<Buffer> cubes;
  for (int n = 0; n < count; ++n) {
    Vars vars = SolvedVars();
    for (int k = 0; k < 40; ++k) {
      TurnFace(vars, face(rng), turn(rng));
    }
    cubes.push_back(vars.current());
  }
  return cubes;
}

void BM_TurnFaceRecording(benchmark::State& state) {
  Vars vars = SolvedVars();
  vars.MoveString.reserve(1 << 20);
  int face = 1;
  for (auto _ : state) {
    TurnFace(vars, face, 1);
    face = face % 6 + 1;
    if (vars.MoveString.size() > (1 << 20) - 8) {
      vars.MoveString.clear();
    }
    benchmark::DoNotOptimize(vars.Facelet[vars.CurBuffer][1]);
  }
}
BENCHMARK(BM_TurnFaceRecording);

// The solving run on an accepted cube (buffer 0 in home-face form) followed
// by the simplification, as "Solve" does after the entry check.
void BM_SolveAndSimplify(benchmark::State& state) {
  const std::vector<Buffer> cubes = RandomCubes(1024);
  std::vector<Vars> accepted;
  for (const Buffer& cube : cubes) {
    Vars vars = SolvedVars();
    vars.Facelet[0] = cube;
    SubmitEntry(vars);
    accepted.push_back(vars);
  }
  std::size_t next = 0;
  Vars vars = accepted[0];
  vars.MoveString.reserve(1024);
  for (auto _ : state) {
    const Vars& source = accepted[next];
    vars.Facelet[0] = source.Facelet[0];
    CopyBuffer(vars, 0, 1);
    vars.CurBuffer = 1;
    SolveOrRepair(vars);
    const Simplified solution = SimplifySolution(vars.MoveString);
    benchmark::DoNotOptimize(solution.MoveCount);
    next = (next + 1) % accepted.size();
  }
}
BENCHMARK(BM_SolveAndSimplify);

// The same with the entry check in front, from a painting in colour codes.
void BM_CheckSolveAndSimplify(benchmark::State& state) {
  const std::vector<Buffer> cubes = RandomCubes(1024);
  Vars vars = SolvedVars();
  std::size_t next = 0;
  for (auto _ : state) {
    vars.Facelet[0] = cubes[next];
    vars.CurBuffer = 0;
    SubmitEntry(vars);
    SolveOrRepair(vars);
    const Simplified solution = SimplifySolution(vars.MoveString);
    benchmark::DoNotOptimize(solution.MoveCount);
    next = (next + 1) % cubes.size();
  }
}
BENCHMARK(BM_CheckSolveAndSimplify);

}  // namespace
}  // namespace rotalo

BENCHMARK_MAIN();
