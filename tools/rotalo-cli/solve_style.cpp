#include "solve_style.h"

#include <charconv>

#include "cube_text.h"
#include "fewest/fewest.h"
#include "model/notation.h"
#include "playback/simplify.h"

namespace rotalo::cli {

namespace {

void AppendMovesLine(std::string& out, std::string_view name, std::string_view moves, bool standard) {
  out += name;
  out += ": ";
  if (standard) {
    out += StandardNotation(moves, MarkerStyle::Inline);
  } else {
    out += TrimmedMoves(moves);
  }
  out += '\n';
}

void AppendCount(std::string& out, int count) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, count);
  out += "moves: ";
  out.append(digits, result.ptr);
  out += '\n';
}

std::optional<std::string> SetNotation(std::string_view name, SolveStyle& style) {
  if (name == "standard" || name == "tokens") {
    style.standard = name == "standard";
    return std::nullopt;
  }
  return "--notation is standard or tokens, not \"" + Printable(name) + "\"";
}

}  // namespace

bool TakeSolveStyle(std::span<const std::string_view>& args, SolveStyle& style, std::optional<std::string>& error) {
  if (args.empty()) {
    return false;
  }
  constexpr std::string_view kNotation = "--notation";
  if (args[0] == "--fewest") {
    style.fewest = true;
    args = args.subspan(1);
    return true;
  }
  if (args[0] == kNotation) {
    if (args.size() < 2) {
      error = "--notation needs standard or tokens";
      return true;
    }
    error = SetNotation(args[1], style);
    args = args.subspan(2);
    return true;
  }
  if (args[0].starts_with("--notation=")) {
    error = SetNotation(args[0].substr(kNotation.size() + 1), style);
    args = args.subspan(1);
    return true;
  }
  return false;
}

bool AppendSolutionLines(Vars& vars, const SolveStyle& style, std::string& out) {
  AppendMovesLine(out, "recorded", vars.MoveString, style.standard);
  if (!style.fewest) {
    const Simplified solution = SimplifyMoveString(vars);
    AppendMovesLine(out, "solution", solution.SolutionText, style.standard);
    AppendCount(out, solution.MoveCount - 2);
    return true;
  }
  const FewestSolution solution = SolveFewest(vars.current());
  if (!solution.Solved()) {
    out += "unsolved: the fewest-moves search finds the cube faulty\n";
    return false;
  }
  AppendMovesLine(out, "solution", solution.moves, style.standard);
  AppendCount(out, solution.count);
  return true;
}

std::optional<std::string> ParseMoves(std::string_view text, std::vector<TurnRequest>& turns) {
  std::string error;
  if (IsStandardNotation(text)) {
    std::string moves;
    if (!ParseStandardNotation(text, moves, error)) {
      return Printable(error);
    }
    if (!ParseTurnList(TrimmedMoves(moves), turns, error)) {
      return Printable(error);
    }
    return std::nullopt;
  }
  if (!ParseTurnList(text, turns, error)) {
    return Printable(error);
  }
  return std::nullopt;
}

}  // namespace rotalo::cli
