#include "model/notation.h"

#include <vector>

#include "model/moves.h"

namespace rotalo {

namespace {

constexpr std::string_view kFaceLetters = "ULBRFD";

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string StandardNotation(std::string_view moves, MarkerStyle style) {
  // Lines of moves, a marker ending the line before it and taking one of its
  // own; joined by line breaks or by spaces.
  std::vector<std::string> lines(1);
  const int count = TokenCount(moves);
  for (int k = 1; k <= count; ++k) {
    const Token token = TokenAt(moves, k);
    if (token.IsMarker()) {
      lines.emplace_back(token.first == 'A' ? kTopLayerDone : kMiddleLayerDone);
      lines.emplace_back();
      continue;
    }
    const int turn = token.turn % 4;
    if (token.face < 1 || token.face > 6 || turn == 0) {
      continue;
    }
    std::string& line = lines.back();
    if (!line.empty()) {
      line += ' ';
    }
    line += kFaceLetters[static_cast<std::size_t>(token.face - 1)];
    if (turn == 2) {
      line += '2';
    } else if (turn == 3) {
      line += '\'';
    }
  }
  const char separator = style == MarkerStyle::LineBreaks ? '\n' : ' ';
  std::string text;
  for (const std::string& line : lines) {
    if (line.empty()) {
      continue;
    }
    if (!text.empty()) {
      text += separator;
    }
    text += line;
  }
  return text;
}

bool ParseStandardNotation(std::string_view text, std::string& moves, std::string& error) {
  moves.clear();
  int number = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsSpace(text[at])) {
      ++at;
      continue;
    }
    ++number;
    const std::size_t begin = at;
    const std::size_t face = kFaceLetters.find(text[at]);
    bool ok = face != std::string_view::npos;
    int turn = 1;
    if (ok) {
      ++at;
      if (at < text.size() && text[at] == '2') {
        turn = 2;
        ++at;
      }
      if (at < text.size() && text[at] == '\'') {
        turn = turn == 2 ? 2 : 3;
        ++at;
      }
      // A move ends at a space or where the next face letter begins.
      ok = at == text.size() || IsSpace(text[at]) || kFaceLetters.find(text[at]) != std::string_view::npos;
    }
    if (!ok) {
      std::size_t end = begin;
      while (end < text.size() && !IsSpace(text[end])) {
        ++end;
      }
      error = "bad move " + std::to_string(number) + " \"" + std::string(text.substr(begin, end - begin)) +
              "\": a move is a face letter U, L, B, R, F or D, alone for a quarter turn clockwise, with 2 for a "
              "half turn or with ' for a quarter turn anticlockwise (R, R2, R')";
      moves.clear();
      return false;
    }
    AppendToken(moves, static_cast<int>(face) + 1, turn);
  }
  return true;
}

bool IsStandardNotation(std::string_view text) {
  for (const char c : text) {
    if (!IsSpace(c)) {
      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
  }
  return false;
}

}  // namespace rotalo
