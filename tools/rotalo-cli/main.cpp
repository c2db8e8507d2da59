#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  rotalo::cli::Io io;
  io.read = [](char* buffer, std::size_t size) -> long {
    ssize_t n;
    do {
      n = ::read(STDIN_FILENO, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
  };
  io.inputReady = [] {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0;  // bytes waiting, or the end of the input
  };
  bool writeFailed = false;
  io.writeOut = [&](std::string_view s) {
    writeFailed |= std::fwrite(s.data(), 1, s.size(), stdout) != s.size() || std::fflush(stdout) != 0;
  };
  io.writeErr = [](std::string_view s) { std::fwrite(s.data(), 1, s.size(), stderr); };
  const int status = rotalo::cli::Run(args, io);
  if (writeFailed || std::fflush(stdout) != 0) {
    std::fputs("rotalo-cli: could not write the output\n", stderr);
    return rotalo::cli::kExitUsage;
  }
  return status;
}
