// rotalo-cli: check, solve, turn and rotate cubes given as 54-digit strings.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace rotalo::cli {

struct Io {
  // Reads the whole of standard input into `text`; false on a read error.
  std::function<bool(std::string& text)> readInput;
  std::function<void(std::string_view)> writeOut;
  std::function<void(std::string_view)> writeErr;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;

// Runs one command; `args` excludes the program name. Returns the exit status.
int Run(std::span<const std::string_view> args, const Io& io);

std::string_view HelpText();

// Says "rotalo-cli: <message>" on standard error; returns kExitUsage.
int Fail(const Io& io, std::string_view message);

}  // namespace rotalo::cli
