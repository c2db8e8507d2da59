// rotalo-cli render: the drawing of a cube, or every frame of an animation,
// written as PNG files.
#pragma once

#include <span>
#include <string_view>

#include "cli.h"

namespace rotalo::cli {

int RenderCommand(std::span<const std::string_view> args, const Io& io);

}  // namespace rotalo::cli
