#include "cube_text.h"

namespace rotalo::cli {

std::string Printable(std::string_view text) {
  std::string shown;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += ch;
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  return shown;
}

std::optional<std::string> ParseCubeText(std::string_view text, Buffer& cube) {
  return ParseCubeText(text, text.size(), cube);
}

std::optional<std::string> ParseCubeText(std::string_view text, std::size_t length, Buffer& cube) {
  if (length != kFacelets || text.size() != kFacelets) {
    return "wrong length: CUBE has " + std::to_string(length) + " characters, it needs 54";
  }
  for (int i = 1; i <= kFacelets; ++i) {
    const char ch = text[static_cast<std::size_t>(i - 1)];
    if (ch < '0' || ch > '6') {
      return "character " + std::to_string(i) + " of CUBE is \"" + Printable(text.substr(i - 1, 1)) +
             "\", not a digit 0..6";
    }
    cube[i] = static_cast<Int16>(ch - '0');
  }
  return std::nullopt;
}

}  // namespace rotalo::cli
