#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  rotalo::cli::Io io;
  io.readInput = [](std::string& text) {
    char chunk[1 << 16];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
      text.append(chunk, n);
    }
    return std::ferror(stdin) == 0;
  };
  io.writeOut = [](std::string_view s) { std::fwrite(s.data(), 1, s.size(), stdout); };
  io.writeErr = [](std::string_view s) { std::fwrite(s.data(), 1, s.size(), stderr); };
  const int status = rotalo::cli::Run(args, io);
  if (std::fflush(stdout) != 0) {
    std::fputs("rotalo-cli: could not write the output\n", stderr);
    return rotalo::cli::kExitUsage;
  }
  return status;
}
