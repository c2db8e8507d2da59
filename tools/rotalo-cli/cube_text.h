// Reading a cube from its 54 digits, and showing odd input safely.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/cube.h"

namespace rotalo::cli {

// Fills `cube` from 54 digits 0..6; on a malformed text returns what is
// wrong with it instead. `length` is the length of the whole text when
// `text` holds only its first characters.
std::optional<std::string> ParseCubeText(std::string_view text, Buffer& cube);
std::optional<std::string> ParseCubeText(std::string_view text, std::size_t length, Buffer& cube);

// The text with every byte that is not printable ASCII written as \xNN.
std::string Printable(std::string_view text);

}  // namespace rotalo::cli
