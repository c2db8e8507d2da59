// Fewest moves: a short solution for a cube, found by a two-phase search
// instead of the layer-by-layer stages.
//
// The search needs tables that take a moment to build. They are made once
// per program, by the first caller of LoadOrBuildFewestTables,
// EnsureFewestTables or SolveFewest (the window calls one on a thread of its
// own); every call after that is safe from any thread. Kept in a cache
// folder, they are read back in milliseconds by later starts.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "model/cube.h"

namespace rotalo {

struct FewestOptions {
  // Once the search has a solution it goes on for shorter ones until this
  // much time has gone by since it began, or until no shorter one can exist
  // (which it knows at once for a cube a few turns from solved).
  std::chrono::microseconds timeBudget{1500};
  // It also stops as soon as it has a solution of this many moves or fewer;
  // 0 leaves the decision to the time budget.
  int targetLength = 0;
  // Threads that search the six looks at the cube together, sharing the
  // best length found so far; 0 for one per core of the machine. The time
  // budget is the same wall-clock time whatever the count.
  int threads = 1;
  // When not 0, the budget is counted in nodes of the search instead of
  // time: each thread stops after this many once a solution exists. With
  // one thread the answer then depends on nothing but the cube.
  long nodeBudget = 0;
};

enum class FewestFault {
  None,
  Pieces,  // a centre out of place, or stickers that make no set of pieces
  Twist,   // a corner twisted in its place
  Flip,    // an edge turned over in its place
  Parity,  // two pieces exchanged
};

struct FewestSolution {
  FewestFault fault = FewestFault::None;
  // Move tokens "FT " with turn digits 1..3 and no markers; empty for the
  // solved cube and for a cube that cannot be solved.
  std::string moves;
  int count = 0;  // the number of moves, a half turn counting as one
  bool Solved() const { return fault == FewestFault::None; }
};

// Builds the tables if nobody has yet, waiting for a build under way.
void EnsureFewestTables();

// Reads the tables from the cache folder (made if needed), or builds them
// and keeps them there for the next start, unless another call has made
// them already. A damaged or foreign file there is built anew; a folder
// that cannot be written only costs the build; with no folder ("") they are
// built and not kept.
void LoadOrBuildFewestTables(const std::filesystem::path& cacheFolder);
// The memory the tables take, in bytes (builds them first).
std::size_t FewestTableBytes();

// A short solution for the cube in home-face numbers (facelets 1..54, the
// form buffer 0 has after the entry check). A cube that cannot be solved
// comes back with its fault and no moves.
FewestSolution SolveFewest(const Buffer& homeFaceCube, const FewestOptions& options = {});

namespace fewest {
struct Tables;
}
// The same with tables of the caller's.
FewestSolution SolveFewest(const fewest::Tables& tables, const Buffer& homeFaceCube, const FewestOptions& options);

}  // namespace rotalo
