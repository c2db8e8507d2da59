#include "render/facelet.h"

#include <gtest/gtest.h>

#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

using testing::RecordingCanvas;

TEST(DrawFacelet, FillsASideStickerInColumnsUpToItsRightEdge) {
  RecordingCanvas canvas;
  const DrawContext context;
  DrawFacelet(canvas, context, {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, 0x00123456);
  ASSERT_EQ(canvas.lines.size(), 25u + 4u);
  for (int n = 0; n < 25; ++n) {
    const auto& line = canvas.lines[static_cast<std::size_t>(n)];
    EXPECT_EQ(line.x1, 115 + n);  // columns 115..139; 140 is left to the outline
    EXPECT_EQ(line.x2, 115 + n);
    EXPECT_EQ(line.width, 1);
    EXPECT_EQ(line.colour, 0x00123456u);
    EXPECT_LT(line.y1, line.y2);
  }
  // Column 115: from the top edge at 115 to the bottom edge at 145.
  EXPECT_EQ(canvas.lines[0].y1, 115);
  EXPECT_EQ(canvas.lines[0].y2, 145);
  // The outline 3-1, 2-1, 3-4, 2-4 in black, 2 wide.
  const int outline[4][4] = {{140, 100, 115, 115}, {115, 145, 115, 115}, {140, 100, 140, 130}, {115, 145, 140, 130}};
  for (int n = 0; n < 4; ++n) {
    const auto& line = canvas.lines[25 + static_cast<std::size_t>(n)];
    EXPECT_EQ(line.x1, outline[n][0]);
    EXPECT_EQ(line.y1, outline[n][1]);
    EXPECT_EQ(line.x2, outline[n][2]);
    EXPECT_EQ(line.y2, outline[n][3]);
    EXPECT_EQ(line.width, 2);
    EXPECT_EQ(line.colour, 0u);
  }
  EXPECT_EQ(canvas.width, 2);
  EXPECT_EQ(canvas.colour, 0u);
}

TEST(DrawFacelet, StickerSeenEdgeOnDrawsOnlyItsOutline) {
  RecordingCanvas canvas;
  const DrawContext context;
  // All four corners project onto the column x = 115.
  DrawFacelet(canvas, context, {0, 0, 0}, {0, 1, 0}, {1, 0, 1}, 0x00FF0000);
  ASSERT_EQ(canvas.lines.size(), 4u);
  for (const auto& line : canvas.lines) {
    EXPECT_EQ(line.x1, 115);
    EXPECT_EQ(line.colour, 0u);
  }
}

TEST(DrawFacelet, TopStickerFillsEveryColumnBetweenItsSideCorners) {
  RecordingCanvas canvas;
  const DrawContext context;
  // Facelet 5's cell: a rhombus from x 89 to 140 with its bottom at (115, 115).
  DrawFacelet(canvas, context, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}, 0x00C0C0C0);
  const std::size_t fills = canvas.lines.size() - 4;
  EXPECT_EQ(canvas.lines.front().x1, 89);
  EXPECT_EQ(canvas.lines[fills - 1].x1, 140);
  for (std::size_t n = 0; n < fills; ++n) {
    const auto& line = canvas.lines[n];
    EXPECT_LE(line.y1, line.y2);
    EXPECT_GE(line.y1, 85);
    EXPECT_LE(line.y2, 115);
  }
}

TEST(DrawFacelet, MiddleVerticesAtOneHeightTakeVertexTwoAsTheUpper) {
  // Vertices (115, 122), (140, 115), (166, 115), (191, 108): the middle ones
  // share a height, so vertex 2 is the upper one and vertex 3 the lower.
  RecordingCanvas canvas;
  DrawFacelet(canvas, DrawContext{}, {0, 0.25f, 0}, {1, 0.5f, 0}, {2, 1, 0}, 0x00FFFFFF);
  ASSERT_GT(canvas.lines.size(), 20u);
  const auto& column130 = canvas.lines[130 - 115];
  EXPECT_EQ(column130.x1, 130);
  EXPECT_EQ(column130.y1, 117);  // on the edge towards vertex 2
  EXPECT_EQ(column130.y2, 119);  // on the edge towards vertex 3
}

TEST(FaceletColour, UncolouredAndOutOfRangeValuesAreLightGrey) {
  Vars vars = testing::SolvedVars();
  vars.current()[3] = 0;
  EXPECT_EQ(FaceletColour(vars, 3), kUncolouredValue);
  EXPECT_EQ(FaceletColour(vars, 4), 0x000080FFu);  // Orange, face 1
  vars.current()[5] = 9;
  EXPECT_EQ(FaceletColour(vars, 5), kUncolouredValue);
}

}  // namespace
}  // namespace rotalo
