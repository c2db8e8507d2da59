// A canvas that keeps every call, for tests that look at what was drawn
// rather than at pixels, and a host that counts frames.
#pragma once

#include <vector>

#include "render/canvas.h"
#include "render/context.h"

namespace rotalo::testing {

struct RecordedLine {
  int x1, y1, x2, y2;
  int width;
  Colour colour;
  int sticker;  // the facelet being drawn, 0 for black faces, -1 before any
  int frame;    // how many clears came before it
  friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

class RecordingCanvas final : public Canvas {
 public:
  void Clear() override { ++clears; }
  void SetPenWidth(int pixels) override { width = pixels; }
  void SetPenColour(Colour c) override { colour = c; }
  void Line(int x1, int y1, int x2, int y2) override {
    lines.push_back({x1, y1, x2, y2, width, colour, sticker, clears});
  }
  void SetBackground(Background) override {}
  void SetSize(int, int) override {}
  void SetScale(double, double) override {}
  void BeginSticker(int facelet) override {
    sticker = facelet;
    stickers.push_back({facelet, clears});
  }
  // The stickers begun in frame f (after f clears), in order.
  std::vector<int> StickersOfFrame(int f) const {
    std::vector<int> out;
    for (const auto& [facelet, frame] : stickers) {
      if (frame == f) {
        out.push_back(facelet);
      }
    }
    return out;
  }

  int clears = 0;
  int width = 0;
  Colour colour = 0xFFFFFFFF;
  int sticker = -1;
  std::vector<RecordedLine> lines;
  std::vector<std::pair<int, int>> stickers;  // facelet, frame
};

class CountingHost final : public FrameHost {
 public:
  void ShowFrame() override { ++frames; }
  void ProcessEventsOnce() override { ++events; }
  int frames = 0;
  int events = 0;
};

}  // namespace rotalo::testing
