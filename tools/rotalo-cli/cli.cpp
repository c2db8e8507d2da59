#include "cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "checking/entry_check.h"
#include "checking/solving_run.h"
#include "cube_text.h"
#include "model/cube.h"
#include "model/moves.h"
#include "model/palette.h"
#include "model/rotation.h"
#include "playback/simplify.h"
#include "render_command.h"
#include "scan_command.h"
#include "solve_style.h"

namespace rotalo::cli {

namespace {

constexpr std::string_view kHelp =
    R"(rotalo-cli - check and solve a 3x3x3 cube given as a string of digits

Usage:
  rotalo-cli solve [--colours NAMES] [--fewest] [--notation standard] CUBE
  rotalo-cli solve [--colours NAMES] [--fewest] [--notation standard] --scramble TOKENS
  rotalo-cli solve [--colours NAMES] [--fewest] [--notation standard] -
  rotalo-cli check [--colours NAMES] CUBE
  rotalo-cli scan [--colours NAMES] IMAGE...
  rotalo-cli scan [--colours NAMES] --rgb FILE|-
  rotalo-cli apply CUBE TOKENS
  rotalo-cli rotate CUBE AXIS Q
  rotalo-cli render CUBE OUT.png
  rotalo-cli render CUBE OUTDIR (--turn FACE Q E | --rotate AXIS Q | --repair A B C D) [--frames N]
  rotalo-cli --help

CUBE    54 digits 0..6: the stickers of facelets 1..48 and then the centres
        49..54, as colour codes (0 = not coloured yet). The solved cube with
        colour code f on face f is
        111111112222222233333333444444445555555566666666123456
TOKENS  move tokens separated by single spaces, each a face digit 1..6 and a
        turn digit 0..9 counting clockwise quarter turns ("21 43 62"); or
        the moves in standard notation ("L R' D2"): faces 1..6 are U, L, B,
        R, F, D, a letter alone turns a quarter clockwise, with 2 a half
        turn, with ' a quarter anticlockwise.
NAMES   the six colour names for codes 1..6, comma-separated, chosen from
        Orange, Yellow, Green, White, Blue, Red, Black, Brown, Purple and
        Light Blue (default Orange,Yellow,Green,White,Blue,Red).

solve   checks the cube and, if it is accepted, solves it:
            check: accepted          (or check: rejected: <message>)
            run 1: twist T swap S flip F
            repaired: <54 digits>    (after a run with a fault: the cube as
                                      repaired, in home-face numbers)
            run 2: twist 0 swap 0 flip 0
            recorded: <the recorded moves, markers AA and BB included>
            solution: <the simplified solution>
            moves: <the number of moves in the solution>
        --scramble solves the solved cube turned by TOKENS. With - it reads
        one CUBE per line from standard input and prints one block per cube,
        with a blank line between blocks; empty lines are skipped.
        --fewest prints in the solution: line a short solution found by a
        two-phase search (at most 21 moves, turn digits 1..3, no markers)
        for the position the last run starts from, and counts it in
        moves:. With --fewest, --threads N searches on N threads (default:
        one per core of the machine) and --budget MS for MS milliseconds
        (default 1.5; longer finds shorter solutions); its tables are kept
        in $XDG_CACHE_HOME/rotalo (or ~/.cache/rotalo) for the next run.
        --notation standard prints the recorded: and solution: lines in
        standard notation, the markers as (top layer done) and (middle
        layer done), turns of 0 left out.
check   prints only the check line.
scan    reads a cube from one photo per face (one to six, in any order,
        each any way up), or with --rgb from 54 lines "R G B" (0..255)
        sampled by another program in the facelet order of CUBE:
            cube: <54 digits, 0 where nothing was read>
            uncertain: <facelets not read for sure, comma-separated, or none>
            check: accepted          (or check: rejected: <message>)
apply   prints the 54 digits of CUBE after turning it by TOKENS.
rotate  prints the 54 digits of CUBE after a whole-cube quarter turn about
        the axis through face AXIS (1, 4 or 5), clockwise as seen from that
        face for Q = 1, anticlockwise for Q = -1 or 3.
render  draws the cube at rest as the program shows it (230 x 230 pixels,
        plain sky behind) into OUT.png; or writes every frame of an animation
        as OUTDIR/frame-001.png, frame-002.png, ...: the turn of face FACE by
        Q quarter turns (E = 1 shows the full turn in the last frame), the
        rotation of the whole cube (followed by final.png, the cube at rest
        afterwards), or the repair picture with mode A (-1 twist the top
        layer, 1 twist it back, 2 the twisted picture) and B, C, D switching
        the front corner, left edge and right edge on (1) or off (0).
        --frames sets the steps of a quarter turn (default 6).

Exit status: 0 when every cube was accepted, 1 when any cube was rejected,
2 for a usage error or malformed input (reported on standard error; nothing
is printed for that cube).
)";

constexpr std::array<int, 6> kDefaultColours{0, 1, 2, 3, 4, 5};

// Output goes out in large pieces, and whenever the input makes us wait.
class Output {
 public:
  explicit Output(const Io& io) : io_(io) { text_.reserve(kFlushAt + 4096); }
  ~Output() { Flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  std::string& text() { return text_; }
  void MaybeFlush() {
    if (text_.size() >= kFlushAt) {
      Flush();
    }
  }
  void Flush() {
    if (!text_.empty()) {
      io_.writeOut(text_);
      text_.clear();
    }
  }

 private:
  static constexpr std::size_t kFlushAt = 1 << 16;
  const Io& io_;
  std::string text_;
};

// Standard input line by line as it arrives, in memory of a fixed size.
class LineReader {
 public:
  LineReader(const Io& io, Output& output) : io_(io), output_(output), buffer_(1 << 16) {}

  // The next line without its "\n" or "\r\n", and its length; a line longer
  // than kKept keeps only its first kKept characters. False at the end of the
  // input or on a read error.
  bool Next(std::string_view& line, std::size_t& length) {
    kept_.clear();
    std::size_t total = 0;
    char last = 0;
    while (true) {
      if (at_ == end_) {
        if (ended_) {
          if (total == 0 || failed_) {
            return false;
          }
          break;  // a last line without "\n"
        }
        Fill();
        continue;
      }
      const char* start = buffer_.data() + at_;
      const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - at_));
      const std::size_t count = newline != nullptr ? static_cast<std::size_t>(newline - start) : end_ - at_;
      at_ += count + (newline != nullptr ? 1 : 0);
      if (newline != nullptr && total == 0) {  // the whole line lies in the buffer
        line = {start, count};
        length = count;
        DropCarriageReturn(line, length, count > 0 ? start[count - 1] : 0);
        return true;
      }
      kept_.append(start, std::min(count, kKept - kept_.size()));
      total += count;
      last = count > 0 ? start[count - 1] : last;
      if (newline != nullptr) {
        break;
      }
    }
    line = kept_;
    length = total;
    DropCarriageReturn(line, length, last);
    return true;
  }

  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kKept = 64;

  // A line that ended in "\r\n" loses its "\r".
  static void DropCarriageReturn(std::string_view& line, std::size_t& length, char last) {
    if (last == '\r') {
      --length;
      line = line.substr(0, std::min(line.size(), length));
    }
  }

  void Fill() {
    if (io_.inputReady && !io_.inputReady()) {
      output_.Flush();  // someone may be waiting for the answers so far
    }
    const long n = io_.read(buffer_.data(), buffer_.size());
    at_ = 0;
    end_ = n > 0 ? static_cast<std::size_t>(n) : 0;
    ended_ = n <= 0;
    failed_ = n < 0;
  }

  const Io& io_;
  Output& output_;
  std::vector<char> buffer_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
  bool failed_ = false;
  std::string kept_;  // the start of a line that reaches past the buffer
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t n = 0; n < a.size(); ++n) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[n]) != lower(b[n])) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> ParseColours(std::string_view text, std::array<int, 6>& indices) {
  std::vector<std::string_view> names;
  std::size_t at = 0;
  while (true) {
    const std::size_t comma = text.find(',', at);
    names.push_back(text.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
    if (comma == std::string_view::npos) {
      break;
    }
    at = comma + 1;
  }
  if (names.size() != 6) {
    return "--colours needs six colour names separated by commas, not " + std::to_string(names.size());
  }
  for (std::size_t c = 0; c < 6; ++c) {
    int found = -1;
    for (std::size_t p = 0; p < kPalette.size(); ++p) {
      if (SameName(names[c], kPalette[p].name)) {
        found = static_cast<int>(p);
      }
    }
    if (found < 0) {
      return "unknown colour name \"" + Printable(names[c]) +
             "\" (the colours are Orange, Yellow, Green, White, Blue, Red, Black, Brown, Purple, Light Blue)";
    }
    for (std::size_t earlier = 0; earlier < c; ++earlier) {
      if (indices[earlier] == found) {
        return "colour \"" + std::string(kPalette[static_cast<std::size_t>(found)].name) +
               "\" is named twice in --colours";
      }
    }
    indices[c] = found;
  }
  return std::nullopt;
}

std::optional<std::string> ParseTokens(std::string_view text, std::vector<TurnRequest>& turns) {
  if (auto problem = ParseMoves(text, turns)) {
    return *problem;
  }
  return std::nullopt;
}

void AppendInt(std::string& out, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// The remaining arguments joined by single spaces, for TOKENS given either
// as one quoted argument or as several.
std::string JoinArgs(std::span<const std::string_view> args) {
  std::string joined;
  for (std::size_t n = 0; n < args.size(); ++n) {
    if (n > 0) {
      joined += ' ';
    }
    joined += args[n];
  }
  return joined;
}

// Checks and solves one painted cube, appending its block. Returns true
// when the cube was accepted (and, unless only checked, solved).
class Solver {
 public:
  Solver(const std::array<int, 6>& colours, const SolveStyle& style) : style_(style) {
    ChooseColours(prototype_, colours);
  }

  bool CheckAndSolve(const Buffer& painted, bool checkOnly, std::string& out) {
    Vars& vars = vars_;
    vars.Facelet[0] = painted;
    vars.CurBuffer = 0;
    vars.MoveString.clear();
    vars.RecordMoves = 1;
    vars.ChosenColourName = prototype_.ChosenColourName;
    vars.ChosenColourValue = prototype_.ChosenColourValue;
    vars.FaceColourName = prototype_.FaceColourName;
    vars.FaceColourValue = prototype_.FaceColourValue;

    const EntryVerdict verdict = SubmitEntry(vars);
    if (!verdict.Accepted()) {
      out += "check: rejected: ";
      out += EntryMessage(verdict);
      out += '\n';
      return false;
    }
    out += "check: accepted\n";
    if (checkOnly) {
      return true;
    }
    const SolveReport report = SolveOrRepair(vars);
    for (std::size_t r = 0; r < report.runs.size(); ++r) {
      const Faults& faults = report.runs[r];
      out += "run ";
      AppendInt(out, static_cast<int>(r + 1));
      out += ": twist ";
      AppendInt(out, faults.TwistFault);
      out += " swap ";
      AppendInt(out, faults.SwapFault);
      out += " flip ";
      AppendInt(out, faults.FlipFault);
      out += '\n';
      if (r < report.repaired.size()) {
        out += "repaired: ";
        AppendCubeDigits(out, report.repaired[r]);
        out += '\n';
      }
    }
    if (!report.solved) {
      // Only a cube that is no real cube could get here; the checks let none
      // through. Say so rather than print a solution that is none.
      out += "unsolved: the cube still reports a fault after ";
      AppendInt(out, static_cast<int>(report.runs.size()));
      out += " runs\n";
      return false;
    }
    return AppendSolutionLines(vars, style_, out);
  }

 private:
  SolveStyle style_;
  Vars prototype_;
  Vars vars_;
};

std::optional<std::string> ParseColourOption(std::span<const std::string_view>& args, std::array<int, 6>& colours) {
  if (args.empty()) {
    return std::nullopt;
  }
  constexpr std::string_view kOption = "--colours";
  if (args[0] == kOption) {
    if (args.size() < 2) {
      return "--colours needs a list of six colour names";
    }
    auto error = ParseColours(args[1], colours);
    args = args.subspan(2);
    return error;
  }
  if (args[0].starts_with("--colours=")) {
    auto error = ParseColours(args[0].substr(kOption.size() + 1), colours);
    args = args.subspan(1);
    return error;
  }
  return std::nullopt;
}

int Usage(const Io& io, std::string_view what) {
  return Fail(io, std::string(what) + "\n(rotalo-cli --help tells how to use it)");
}

// solve -: a filter that answers each line as it comes.
int SolveBatch(const std::array<int, 6>& colours, const SolveStyle& style, const Io& io) {
  Solver solver(colours, style);
  Output output(io);
  LineReader reader(io, output);
  bool anyRejected = false;
  bool anyMalformed = false;
  bool first = true;
  Buffer cube{};
  int lineNumber = 0;
  std::string_view line;
  std::size_t length = 0;
  while (reader.Next(line, length)) {
    ++lineNumber;
    if (length == 0) {
      continue;
    }
    if (auto error = ParseCubeText(line, length, cube)) {
      io.writeErr("rotalo-cli: line " + std::to_string(lineNumber) + ": " + *error + "\n");
      anyMalformed = true;
      continue;
    }
    if (!first) {
      output.text() += '\n';
    }
    first = false;
    anyRejected |= !solver.CheckAndSolve(cube, false, output.text());
    output.MaybeFlush();
  }
  if (reader.failed()) {
    output.Flush();
    return Fail(io, "could not read standard input");
  }
  if (anyMalformed) {
    return kExitUsage;
  }
  return anyRejected ? kExitRejected : kExitOk;
}

int SolveCommand(std::span<const std::string_view> args, bool checkOnly, const Io& io) {
  std::array<int, 6> colours = kDefaultColours;
  SolveStyle style;
  while (true) {
    const std::size_t before = args.size();
    if (auto error = ParseColourOption(args, colours)) {
      return Fail(io, *error);
    }
    std::optional<std::string> styleError;
    if (!checkOnly && TakeSolveStyle(args, style, styleError) && styleError) {
      return Fail(io, *styleError);
    }
    if (args.size() == before) {
      break;
    }
  }
  const std::string_view command = checkOnly ? "check" : "solve";
  if (args.empty()) {
    return Usage(io, std::string(command) + " needs a CUBE");
  }
  Buffer cube{};
  if (!checkOnly && args[0] == "-") {
    if (args.size() > 1) {
      return Usage(io, "solve - takes no further arguments");
    }
    return SolveBatch(colours, style, io);
  }
  if (!checkOnly && args[0] == "--scramble") {
    std::vector<TurnRequest> turns;
    if (auto error = ParseTokens(JoinArgs(args.subspan(1)), turns)) {
      return Fail(io, *error);
    }
    Vars scrambled;
    FillSolved(scrambled, 0);
    for (const TurnRequest& turn : turns) {
      TurnFace(scrambled, turn.face, turn.turn);
    }
    cube = scrambled.current();
  } else {
    if (args.size() > 1) {
      return Usage(io, std::string(command) + " takes one CUBE");
    }
    if (auto error = ParseCubeText(args[0], cube)) {
      return Fail(io, *error);
    }
  }
  Solver solver(colours, style);
  std::string out;
  const bool accepted = solver.CheckAndSolve(cube, checkOnly, out);
  io.writeOut(out);
  return accepted ? kExitOk : kExitRejected;
}

int ApplyCommand(std::span<const std::string_view> args, const Io& io) {
  if (args.empty()) {
    return Usage(io, "apply needs a CUBE and TOKENS");
  }
  Vars vars;
  if (auto error = ParseCubeText(args[0], vars.Facelet[0])) {
    return Fail(io, *error);
  }
  std::vector<TurnRequest> turns;
  if (auto error = ParseTokens(JoinArgs(args.subspan(1)), turns)) {
    return Fail(io, *error);
  }
  for (const TurnRequest& turn : turns) {
    TurnFace(vars, turn.face, turn.turn);
  }
  std::string out;
  AppendCubeDigits(out, vars.current());
  out += '\n';
  io.writeOut(out);
  return kExitOk;
}

int RotateCommand(std::span<const std::string_view> args, const Io& io) {
  if (args.size() != 3) {
    return Usage(io, "rotate needs a CUBE, an AXIS (1, 4 or 5) and Q (1, -1 or 3)");
  }
  Vars vars;
  if (auto error = ParseCubeText(args[0], vars.Facelet[0])) {
    return Fail(io, *error);
  }
  if (args[1] != "1" && args[1] != "4" && args[1] != "5") {
    return Fail(io, "AXIS \"" + Printable(args[1]) + "\" is not 1, 4 or 5");
  }
  if (args[2] != "1" && args[2] != "-1" && args[2] != "3") {
    return Fail(io, "Q \"" + Printable(args[2]) + "\" is not 1, -1 or 3");
  }
  const int axis = args[1][0] - '0';
  const int q = args[2] == "1" ? 1 : -1;
  RotateCubeState(vars, axis, q);
  std::string out;
  AppendCubeDigits(out, vars.current());
  out += '\n';
  io.writeOut(out);
  return kExitOk;
}

// scan [--colours NAMES] IMAGE... | --rgb FILE
int ScanWithColours(std::span<const std::string_view> args, const Io& io) {
  std::array<int, 6> colours = kDefaultColours;
  for (std::size_t before = args.size() + 1; args.size() != before;) {
    before = args.size();
    if (auto error = ParseColourOption(args, colours)) {
      return Fail(io, *error);
    }
  }
  return ScanCommand(args, colours, io);
}

}  // namespace

std::string_view HelpText() {
  return kHelp;
}

std::function<long(char*, std::size_t)> TextInput(std::string text, std::size_t chunk) {
  return [text = std::move(text), chunk, at = std::size_t{0}](char* buffer, std::size_t size) mutable {
    const std::size_t n = std::min({size, chunk, text.size() - at});
    std::memcpy(buffer, text.data() + at, n);
    at += n;
    return static_cast<long>(n);
  };
}

int Fail(const Io& io, std::string_view message) {
  io.writeErr("rotalo-cli: " + std::string(message) + "\n");
  return kExitUsage;
}

int Run(std::span<const std::string_view> args, const Io& io) {
  if (args.empty()) {
    return Usage(io, "no command given");
  }
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") {
      io.writeOut(kHelp);
      return kExitOk;
    }
  }
  const std::string_view command = args[0];
  const auto rest = args.subspan(1);
  if (command == "solve") {
    return SolveCommand(rest, false, io);
  }
  if (command == "check") {
    return SolveCommand(rest, true, io);
  }
  if (command == "apply") {
    return ApplyCommand(rest, io);
  }
  if (command == "rotate") {
    return RotateCommand(rest, io);
  }
  if (command == "render") {
    return RenderCommand(rest, io);
  }
  if (command == "scan") {
    return ScanWithColours(rest, io);
  }
  return Usage(io, "unknown command \"" + Printable(command) + "\"");
}

}  // namespace rotalo::cli
