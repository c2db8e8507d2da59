#include "scan_command.h"

#include <opencv2/imgcodecs.hpp>

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "checking/entry_check.h"
#include "cube_text.h"
#include "model/palette.h"
#include "scan/cube_reading.h"
#include "scan/face_finder.h"

namespace rotalo::cli {

namespace {

// One reading "R G B", each 0..255, separated by spaces or tabs.
std::optional<scan::Rgb> ParseRgb(std::string_view line) {
  std::array<int, 3> values{};
  const char* at = line.data();
  const char* end = line.data() + line.size();
  for (int& value : values) {
    while (at < end && (*at == ' ' || *at == '\t')) {
      ++at;
    }
    const auto result = std::from_chars(at, end, value);
    if (result.ec != std::errc() || value < 0 || value > 255) {
      return std::nullopt;
    }
    at = result.ptr;
  }
  while (at < end && (*at == ' ' || *at == '\t' || *at == '\r')) {
    ++at;
  }
  if (at != end) {
    return std::nullopt;
  }
  return scan::Rgb{static_cast<float>(values[0]), static_cast<float>(values[1]), static_cast<float>(values[2])};
}

std::optional<std::string> ReadAll(std::string_view source, const Io& io, std::string& text) {
  if (source == "-") {
    char buffer[1 << 14];
    long n;
    while ((n = io.read(buffer, sizeof buffer)) > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
    }
    if (n < 0) {
      return "could not read standard input";
    }
    return std::nullopt;
  }
  std::ifstream file{std::string(source), std::ios::binary};
  if (!file) {
    return "cannot open \"" + Printable(source) + "\"";
  }
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return std::nullopt;
}

// The 54 readings of --rgb, facelets 1..54 in order; empty lines skipped.
std::optional<std::string> ParseReadings(const std::string& text, std::array<scan::Rgb, kFacelets>& readings) {
  std::size_t count = 0;
  std::size_t at = 0;
  int lineNumber = 0;
  while (at < text.size()) {
    const std::size_t newline = text.find('\n', at);
    std::string_view line(text.data() + at, (newline == std::string::npos ? text.size() : newline) - at);
    at = newline == std::string::npos ? text.size() : newline + 1;
    ++lineNumber;
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
      continue;
    }
    const auto rgb = ParseRgb(line);
    if (!rgb) {
      return "line " + std::to_string(lineNumber) + ": \"" + Printable(line.substr(0, 40)) +
             "\" is not three numbers 0..255 (R G B)";
    }
    if (count == readings.size()) {
      return "--rgb needs 54 lines R G B, and there are more";
    }
    readings[count++] = *rgb;
  }
  if (count != readings.size()) {
    return "--rgb needs 54 lines R G B, not " + std::to_string(count);
  }
  return std::nullopt;
}

void AppendReading(std::string& out, const scan::CubeReading& reading, const std::array<int, 6>& colours) {
  out += "cube: ";
  AppendCubeDigits(out, reading.cube);
  out += "\nuncertain: ";
  if (reading.uncertain.empty()) {
    out += "none";
  }
  for (std::size_t n = 0; n < reading.uncertain.size(); ++n) {
    if (n > 0) {
      out += ',';
    }
    out += std::to_string(reading.uncertain[n]);
  }
  Vars vars;
  ChooseColours(vars, colours);
  vars.Facelet[0] = reading.cube;
  vars.CurBuffer = 0;
  const EntryVerdict verdict = SubmitEntry(vars);
  out += verdict.Accepted() ? "\ncheck: accepted\n" : "\ncheck: rejected: " + EntryMessage(verdict) + "\n";
}

}  // namespace

int ScanCommand(std::span<const std::string_view> args, const std::array<int, 6>& colours, const Io& io) {
  std::array<Colour, 6> chosen{};
  for (int k = 0; k < 6; ++k) {
    chosen[k] = kPalette[colours[k]].value;
  }
  if (args.empty()) {
    return Fail(io, "scan needs one to six IMAGE files, or --rgb FILE\n(rotalo-cli --help tells how to use it)");
  }
  scan::CubeReading reading;
  if (args[0] == "--rgb") {
    if (args.size() != 2) {
      return Fail(io, "scan --rgb takes one FILE (or - for standard input)");
    }
    std::string text;
    if (auto error = ReadAll(args[1], io, text)) {
      return Fail(io, *error);
    }
    std::array<scan::Rgb, kFacelets> readings{};
    if (auto error = ParseReadings(text, readings)) {
      return Fail(io, *error);
    }
    reading = scan::ReadCubeInOrder(readings, chosen);
  } else {
    if (args.size() > 6) {
      return Fail(io, "scan takes at most six IMAGE files, one per face, not " + std::to_string(args.size()));
    }
    std::vector<scan::FaceReadings> faces;
    for (const std::string_view name : args) {
      const cv::Mat image = cv::imread(std::string(name), cv::IMREAD_COLOR);
      if (image.empty()) {
        return Fail(io, "cannot read the picture \"" + Printable(name) + "\"");
      }
      const auto grid = scan::FindFace(image);
      if (!grid) {
        io.writeErr("rotalo-cli: no cube face found in the picture \"" + Printable(name) + "\"\n");
        return kExitRejected;
      }
      faces.push_back(grid->colours);
    }
    reading = scan::ReadCube(faces, chosen);
  }
  std::string out;
  AppendReading(out, reading, colours);
  io.writeOut(out);
  return kExitOk;
}

}  // namespace rotalo::cli
