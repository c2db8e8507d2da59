#include "render/cube_drawing.h"

#include <gtest/gtest.h>

#include <set>

#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

using testing::RecordingCanvas;

TEST(DrawCube, FillsTheTwentySevenVisibleStickersThenOutlinesThem) {
  RecordingCanvas canvas;
  const DrawContext context;
  const Vars vars = testing::SolvedVars();
  DrawCube(canvas, context, vars);
  EXPECT_EQ(canvas.clears, 1);

  std::set<int> stickers;
  std::size_t firstOutline = canvas.lines.size();
  for (std::size_t n = 0; n < canvas.lines.size(); ++n) {
    const auto& line = canvas.lines[n];
    if (line.width == 2) {
      firstOutline = std::min(firstOutline, n);
      EXPECT_EQ(line.colour, 0u);
    } else {
      EXPECT_EQ(firstOutline, canvas.lines.size()) << "a fill after an outline";
      EXPECT_EQ(line.x1, line.x2);  // fills are vertical lines
      stickers.insert(line.sticker);
      EXPECT_EQ(line.colour, vars.FaceColourValue[HomeFace(line.sticker)]);
    }
  }
  EXPECT_EQ(stickers.size(), 27u);
  for (int face : {1, 4, 5}) {
    for (int k = 1; k <= 8; ++k) {
      EXPECT_EQ(stickers.count(8 * (face - 1) + k), 1u);
    }
    EXPECT_EQ(stickers.count(48 + face), 1u);
  }
  EXPECT_EQ(canvas.lines.size() - firstOutline, 108u);
  // Side stickers take 26 columns, top stickers 52 (the middle one twice).
  EXPECT_EQ(firstOutline, 9u * 52 + 18u * 26);
  EXPECT_EQ(canvas.width, 2);
  EXPECT_EQ(canvas.colour, 0u);
}

TEST(DrawCube, OutlinesReachTheFourExtremesOfTheCube) {
  RecordingCanvas canvas;
  const DrawContext context;
  DrawCube(canvas, context, testing::UncolouredVars());
  int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
  bool touchesCentre = false;
  for (const auto& line : canvas.lines) {
    if (line.width != 2) {
      EXPECT_EQ(line.colour, kUncolouredValue);
      continue;
    }
    for (auto [x, y] : {std::pair{line.x1, line.y1}, std::pair{line.x2, line.y2}}) {
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
      touchesCentre = touchesCentre || (x == 115 && y == 115);
    }
  }
  EXPECT_EQ(minX, 37);
  EXPECT_EQ(maxX, 192);
  EXPECT_EQ(minY, 25);
  EXPECT_EQ(maxY, 205);
  EXPECT_TRUE(touchesCentre);
}

TEST(DrawCube, DrawsNothingButTheBackgroundWhileTheCubeIsHidden) {
  RecordingCanvas canvas;
  DrawContext context;
  context.CubeVisible = 0;
  DrawCube(canvas, context, testing::SolvedVars());
  EXPECT_EQ(canvas.clears, 1);
  EXPECT_TRUE(canvas.lines.empty());
  EXPECT_EQ(canvas.width, 2);
  EXPECT_EQ(canvas.colour, 0u);
}

}  // namespace
}  // namespace rotalo
