// Arbitrary bytes against the command line, the entry checks, the solving
// stages and the simplification. The first byte picks the target; a solved
// cube that the solution does not solve, or any hang or sanitizer report, is
// a failure.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "cli.h"
#include "model/moves.h"
#include "model/palette.h"
#include "model/rotation.h"
#include "playback/simplify.h"

namespace {

using namespace rotalo;

Vars FreshVars() {
  Vars vars;
  FillCornerTable(vars);
  ChooseColours(vars, {0, 1, 2, 3, 4, 5});
  vars.RecordMoves = 1;
  return vars;
}

// Facelet values from bytes: mostly 0..6, sometimes out of range.
void FillCube(Buffer& cube, std::string_view bytes) {
  for (int i = 1; i <= kFacelets; ++i) {
    const auto byte = i <= static_cast<int>(bytes.size()) ? static_cast<unsigned char>(bytes[i - 1]) : 0u;
    cube[i] = static_cast<Int16>(byte % 16 < 14 ? byte % 7 : static_cast<int>(byte) - 128);
  }
}

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// The command line: arguments separated by newlines up to a blank line, the
// rest is standard input.
void FuzzCommandLine(std::string_view data) {
  const std::size_t split = data.find("\n\n");
  const std::string_view head = data.substr(0, split);
  const std::string input(split == std::string_view::npos ? std::string_view() : data.substr(split + 2));
  std::vector<std::string_view> args;
  std::size_t at = 0;
  while (at <= head.size()) {
    const std::size_t end = head.find('\n', at);
    args.push_back(head.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) {
      break;
    }
    at = end + 1;
  }
  if (!args.empty() && args[0] == "render") {
    return;  // it writes files
  }
  cli::Io io;
  io.read = cli::TextInput(input, 1 + input.size() % 7);  // lines cut across reads
  io.writeOut = [](std::string_view) {};
  io.writeErr = [](std::string_view) {};
  const int status = cli::Run(args, io);
  Require(status >= 0 && status <= 2);
}

// A painting through the entry checks; an accepted one must be solved.
void FuzzPainting(std::string_view data) {
  Vars vars = FreshVars();
  FillCube(vars.Facelet[0], data);
  const Buffer painted = vars.Facelet[0];
  const EntryVerdict verdict = SubmitEntry(vars);
  if (!verdict.Accepted()) {
    Require(!EntryMessage(verdict).empty());
    Require(vars.current() == painted);
    return;
  }
  const SolveReport report = SolveOrRepair(vars);
  Require(report.solved && report.runs.size() <= 2);
  Vars check;
  check.Facelet[0] = vars.Facelet[0];
  ApplyMoveString(check, SimplifySolution(vars.MoveString).SolutionText);
  Require(IsSolved(check.current()));
}

// Any values at all straight into the stages, which must end.
void FuzzStages(std::string_view data) {
  Vars vars = FreshVars();
  FillCube(vars.Facelet[0], data);
  CopyBuffer(vars, 0, 1);
  vars.CurBuffer = 1;
  SolveOrRepair(vars);
  SimplifySolution(vars.MoveString);
  if (data.size() > kFacelets) {
    const auto axis = static_cast<unsigned char>(data[kFacelets]);
    RotateCubeState(vars, axis % 7, axis / 7 % 5 - 1);
  }
}

// Move strings of any shape through the simplification and the player.
void FuzzMoves(std::string_view data) {
  const std::string moves(data);
  const Simplified s = SimplifySolution(moves);
  Require(s.MoveCount == TokenCount(s.SolutionText));
  Vars vars = FreshVars();
  FillSolved(vars, 0);
  ApplyMoveString(vars, moves);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::string_view data(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  switch (bytes[0] % 4) {
    case 0:
      FuzzCommandLine(data);
      break;
    case 1:
      FuzzPainting(data);
      break;
    case 2:
      FuzzStages(data);
      break;
    default:
      FuzzMoves(data);
      break;
  }
  return 0;
}
