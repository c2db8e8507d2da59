#include "render/cube_drawing.h"

#include <gtest/gtest.h>

#include <set>

#include "support/cubes.h"
#include "support/recording_canvas.h"

namespace rotalo {
namespace {

TEST(DrawCube, FillsTheTwentySevenVisibleStickersThenOutlinesThem) {
  testing::RecordingCanvas canvas;
  const Vars vars = testing::SolvedVars();
  DrawCube(canvas, DrawContext{}, vars);
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
    EXPECT_TRUE(stickers.count(8 * face - 7) && stickers.count(8 * face) && stickers.count(48 + face));
  }
  EXPECT_EQ(canvas.lines.size() - firstOutline, 108u);
  // Side stickers take 26 columns, top stickers 52 (the middle one twice).
  EXPECT_EQ(firstOutline, 9u * 52 + 18u * 26);
  EXPECT_TRUE(canvas.width == 2 && canvas.colour == 0u);
}

TEST(DrawCube, DrawsNothingButTheBackgroundWhileTheCubeIsHidden) {
  testing::RecordingCanvas canvas;
  DrawContext context;
  context.CubeVisible = 0;
  DrawCube(canvas, context, testing::SolvedVars());
  EXPECT_TRUE(canvas.clears == 1 && canvas.lines.empty() && canvas.width == 2 && canvas.colour == 0u);
}

}  // namespace
}  // namespace rotalo
