#include "render/facelet.h"

#include <gtest/gtest.h>

#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

TEST(DrawFacelet, FillsASideStickerInColumnsUpToItsRightEdge) {
  testing::RecordingCanvas canvas;
  DrawFacelet(canvas, DrawContext{}, {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, 0x00123456);
  ASSERT_EQ(canvas.lines.size(), 25u + 4u);
  for (int n = 0; n < 25; ++n) {  // columns 115..139; 140 is left to the outline
    const auto& line = canvas.lines[n];
    EXPECT_TRUE(line.x1 == 115 + n && line.x2 == 115 + n && line.y1 < line.y2) << n;
    EXPECT_TRUE(line.width == 1 && line.colour == 0x00123456u) << n;
  }
  // Column 115: from the top edge at 115 to the bottom edge at 145.
  EXPECT_TRUE(canvas.lines[0].y1 == 115 && canvas.lines[0].y2 == 145);
  // The outline 3-1, 2-1, 3-4, 2-4 in black, 2 wide, which it leaves set.
  EXPECT_EQ(std::vector(canvas.lines.begin() + 25, canvas.lines.end()),
            (std::vector<testing::RecordedLine>{{140, 100, 115, 115, 2, 0, -1, 0},
                                                {115, 145, 115, 115, 2, 0, -1, 0},
                                                {140, 100, 140, 130, 2, 0, -1, 0},
                                                {115, 145, 140, 130, 2, 0, -1, 0}}));
  EXPECT_TRUE(canvas.width == 2 && canvas.colour == 0u);
}

TEST(DrawFacelet, StickerSeenEdgeOnDrawsOnlyItsOutline) {
  testing::RecordingCanvas canvas;
  // All four corners project onto the column x = 115.
  DrawFacelet(canvas, DrawContext{}, {0, 0, 0}, {0, 1, 0}, {1, 0, 1}, 0x00FF0000);
  ASSERT_EQ(canvas.lines.size(), 4u);
  for (const auto& line : canvas.lines) {
    EXPECT_TRUE(line.x1 == 115 && line.colour == 0u);
  }
}

TEST(DrawFacelet, TopStickerFillsEveryColumnBetweenItsSideCorners) {
  testing::RecordingCanvas canvas;
  // Facelet 5's cell: a rhombus from x 89 to 140 with its bottom at (115, 115).
  DrawFacelet(canvas, DrawContext{}, {0, 0, 0}, {1, 0, 0}, {0, 0, 1}, 0x00C0C0C0);
  const std::size_t fills = canvas.lines.size() - 4;
  EXPECT_TRUE(canvas.lines.front().x1 == 89 && canvas.lines[fills - 1].x1 == 140);
  for (std::size_t n = 0; n < fills; ++n) {
    EXPECT_TRUE(canvas.lines[n].y1 <= canvas.lines[n].y2 && canvas.lines[n].y1 >= 85 && canvas.lines[n].y2 <= 115);
  }
}

TEST(DrawFacelet, MiddleVerticesAtOneHeightTakeVertexTwoAsTheUpper) {
  // Vertices (115, 122), (140, 115), (166, 115), (191, 108): the middle ones
  // share a height, so vertex 2 is the upper one and vertex 3 the lower.
  testing::RecordingCanvas canvas;
  DrawFacelet(canvas, DrawContext{}, {0, 0.25f, 0}, {1, 0.5f, 0}, {2, 1, 0}, 0x00FFFFFF);
  ASSERT_GT(canvas.lines.size(), 20u);
  const auto& column130 = canvas.lines[130 - 115];
  // Column 130 runs from the edge towards vertex 2 to the edge towards vertex 3.
  EXPECT_TRUE(column130.x1 == 130 && column130.y1 == 117 && column130.y2 == 119);
}

TEST(FaceletColour, UncolouredAndOutOfRangeValuesAreLightGrey) {
  Vars vars = testing::SolvedVars();
  vars.current()[3] = 0;
  vars.current()[5] = 9;
  EXPECT_EQ(FaceletColour(vars, 3), kUncolouredValue);
  EXPECT_EQ(FaceletColour(vars, 4), 0x000080FFu);  // Orange, face 1
  EXPECT_EQ(FaceletColour(vars, 5), kUncolouredValue);
}

}  // namespace
}  // namespace rotalo
