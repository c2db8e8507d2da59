#include "solve_style.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "cube_text.h"
#include "fewest/fewest.h"
#include "model/notation.h"
#include "playback/simplify.h"

namespace rotalo::cli {

namespace {

constexpr double kMostThreads = 256;
constexpr double kMostBudgetMs = 3600000;  // an hour

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

// A positive number of `what` (a whole one when `whole`), at most `most`.
std::optional<std::string> SetPositive(std::string_view option, std::string_view text, bool whole, double most,
                                       double& value) {
  const char* end = text.data() + text.size();
  double parsed = 0;
  const auto result = std::from_chars(text.data(), end, parsed, std::chars_format::fixed);
  const bool ok = !text.empty() && result.ec == std::errc{} && result.ptr == end && parsed > 0 && parsed <= most &&
                  (!whole || text.find('.') == std::string_view::npos);
  if (!ok) {
    std::string bound(16, '\0');
    bound.resize(
        static_cast<std::size_t>(std::to_chars(bound.data(), bound.data() + bound.size(), most).ptr - bound.data()));
    return std::string(option) + (whole ? " needs a whole number from 1 to " : " needs a number above 0 up to ") +
           bound + ", not \"" + Printable(text) + "\"";
  }
  value = parsed;
  return std::nullopt;
}

// Fills the search options of the style from --threads or --budget and its
// value, the value after "=" or the next argument.
bool TakeNumber(std::span<const std::string_view>& args, SolveStyle& style, std::optional<std::string>& error) {
  for (const std::string_view option : {std::string_view("--threads"), std::string_view("--budget")}) {
    std::string_view value;
    if (args[0] == option) {
      if (args.size() < 2) {
        error = std::string(option) + (option == "--threads" ? " needs a number of threads" : " needs milliseconds");
        return true;
      }
      value = args[1];
      args = args.subspan(2);
    } else if (args[0].starts_with(option) && args[0].substr(option.size()).starts_with("=")) {
      value = args[0].substr(option.size() + 1);
      args = args.subspan(1);
    } else {
      continue;
    }
    double number = 0;
    if (option == "--threads") {
      error = SetPositive(option, value, true, kMostThreads, number);
      style.threads = static_cast<int>(number);
    } else {
      error = SetPositive(option, value, false, kMostBudgetMs, number);
      style.budgetMs = number;
    }
    return true;
  }
  return false;
}

// Where the tables of the short search are kept between runs:
// $XDG_CACHE_HOME/rotalo, or ~/.cache/rotalo; empty when neither is known.
std::filesystem::path CacheFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && std::filesystem::path(cache).is_absolute()) {
    return std::filesystem::path(cache) / "rotalo";
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && std::filesystem::path(home).is_absolute()) {
    return std::filesystem::path(home) / ".cache" / "rotalo";
  }
  return {};
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
  return TakeNumber(args, style, error);
}

bool AppendSolutionLines(Vars& vars, const SolveStyle& style, std::string& out) {
  AppendMovesLine(out, "recorded", vars.MoveString, style.standard);
  if (!style.fewest) {
    const Simplified solution = SimplifyMoveString(vars);
    AppendMovesLine(out, "solution", solution.SolutionText, style.standard);
    AppendCount(out, solution.MoveCount - 2);
    return true;
  }
  LoadOrBuildFewestTables(CacheFolder());
  FewestOptions options;
  options.threads = style.threads;
  options.timeBudget = std::chrono::microseconds(static_cast<long>(style.budgetMs * 1000));
  const FewestSolution solution = SolveFewest(vars.current(), options);
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
