// rotalo-cli scan: a cube read from photos of its faces, or from colours
// that another program sampled.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "cli.h"

namespace rotalo::cli {

// `args` after scan and its --colours option; `colours`: palette indices of
// codes 1..6.
int ScanCommand(std::span<const std::string_view> args, const std::array<int, 6>& colours, const Io& io);

}  // namespace rotalo::cli
