// How rotalo-cli solve shows its solution: the layer-by-layer solution or a
// short one, in move tokens or in standard notation; and moves read from
// either notation.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/cube.h"
#include "model/moves.h"

namespace rotalo::cli {

struct SolveStyle {
  bool fewest = false;    // --fewest: the short solution of the two-phase search
  bool standard = false;  // --notation standard
  int threads = 0;        // --threads N for that search; 0: one per core
  double budgetMs = 1.5;  // --budget MS: its time budget
};

// Takes one of --fewest, --notation NAME, --threads N and --budget MS (each
// also as --option=VALUE) from the front of `args`. Returns false when the
// first argument is none of them, and an error message for a value it does
// not take.
bool TakeSolveStyle(std::span<const std::string_view>& args, SolveStyle& style, std::optional<std::string>& error);

// The lines after the runs of a solved cube: recorded (the layer-by-layer
// run in MoveString), solution and moves. The layer-by-layer solution is
// simplified in MoveString, as the program does before playing it; the
// short solution is for the cube the last run started from. Returns false,
// with a line saying so, when the short search finds the cube faulty.
bool AppendSolutionLines(Vars& vars, const SolveStyle& style, std::string& out);

// Reads TOKENS in digit tokens ("21 43") or in standard notation ("L R'").
std::optional<std::string> ParseMoves(std::string_view text, std::vector<TurnRequest>& turns);

}  // namespace rotalo::cli
