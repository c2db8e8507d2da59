// Arbitrary bytes against the command line, the entry checks, the solving
// stages and the simplification. The first byte picks the target; a broken
// promise (see Require), or any hang or sanitizer report, is a failure.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "model/rotation.h"
#include "support/cubes.h"
#include "support/painting.h"

namespace {

using namespace rotalo;

// Facelet values from bytes: mostly 0..6, sometimes out of range.
Vars CubeFrom(std::string_view bytes) {
  Vars vars = testing::SolvedVars();
  for (int i = 1; i <= kFacelets; ++i) {
    const auto byte = i <= static_cast<int>(bytes.size()) ? static_cast<unsigned char>(bytes[i - 1]) : 0u;
    vars.Facelet[0][i] = static_cast<Int16>(byte % 16 < 14 ? byte % 7 : static_cast<int>(byte) - 128);
  }
  return vars;
}

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// The command line: arguments separated by newlines up to a blank line, the
// rest is standard input, served in pieces that cut its lines.
void FuzzCommandLine(std::string_view data) {
  const std::size_t split = data.find("\n\n");
  const std::string_view head = data.substr(0, split);
  const std::string input(split == std::string_view::npos ? std::string_view() : data.substr(split + 2));
  std::vector<std::string_view> args;
  for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 1) {
    end = head.find('\n', at);
    args.push_back(head.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
  }
  if (args[0] == "render") {
    return;  // it writes files
  }
  cli::Io io;
  io.read = cli::TextInput(input, 1 + input.size() % 7);
  io.writeOut = io.writeErr = [](std::string_view) {};
  const int status = cli::Run(args, io);
  Require(status >= 0 && status <= 2);
}

// Any values at all straight into the stages, which must end.
void FuzzStages(std::string_view data) {
  Vars vars = CubeFrom(data);
  CopyBuffer(vars, 0, 1);
  vars.CurBuffer = 1;
  SolveOrRepair(vars);
  SimplifySolution(vars.MoveString);
  const auto axis = data.size() > kFacelets ? static_cast<unsigned char>(data[kFacelets]) : 0;
  RotateCubeState(vars, axis % 7, axis / 7 % 5 - 1);
}

// Move strings of any shape through the simplification and the player.
void FuzzMoves(std::string_view data) {
  const std::string moves(data);
  const Simplified s = SimplifySolution(moves);
  Require(s.MoveCount == TokenCount(s.SolutionText));
  Vars vars = testing::SolvedVars();
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
    case 1: {  // a painting through the entry checks; an accepted one must be solved
      Vars vars = CubeFrom(data);
      bool accepted = false;
      Require(testing::PaintingFault(vars, accepted).empty());
      break;
    }
    case 2:
      FuzzStages(data);
      break;
    default:
      FuzzMoves(data);
      break;
  }
  return 0;
}
