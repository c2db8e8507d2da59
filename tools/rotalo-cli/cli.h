// rotalo-cli: check, solve, turn and rotate cubes given as 54-digit strings.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace rotalo::cli {

struct Io {
  // Reads up to `size` bytes of standard input into `buffer`, waiting for at
  // least one; returns how many, 0 at the end of the input, -1 on an error.
  std::function<long(char* buffer, std::size_t size)> read;
  // Whether a read would return at once; when it would wait, what is written
  // so far goes out first. Left empty: always.
  std::function<bool()> inputReady;
  std::function<void(std::string_view)> writeOut;
  std::function<void(std::string_view)> writeErr;
};

// A read function that serves `text` as the whole of standard input, at most
// `chunk` bytes a read.
std::function<long(char*, std::size_t)> TextInput(std::string text, std::size_t chunk = 1 << 16);

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;

// Runs one command; `args` excludes the program name. Returns the exit status.
int Run(std::span<const std::string_view> args, const Io& io);

std::string_view HelpText();

// Says "rotalo-cli: <message>" on standard error; returns kExitUsage.
int Fail(const Io& io, std::string_view message);

}  // namespace rotalo::cli
