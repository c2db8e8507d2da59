#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "photo_maker.h"
#include "scan/camera.h"
#include "scan/colour_space.h"
#include "scan_support.h"

namespace rotalo::scan {
namespace {

constexpr int kFrameMs = 40;  // 25 frames a second

// A still picture of one face, and frames of it: shifted (the face moving)
// or with fresh noise (held still), given to the hold as RGB buffers the way
// a camera hands them over.
class CameraFrames {
 public:
  explicit CameraFrames(std::uint32_t seed) : random_(seed) {
    std::mt19937 styleRandom(seed);
    photos::PhotoStyle style = photos::RandomStyle(styleRandom);
    style.faceSize = 0.4;  // room to move
    style.whiteBalance = {1, 1, 1};
    style.highlight = std::min(style.highlight, 60.0);  // a strong one moves a sticker's reading
    for (int k = 0; k < 9; ++k) {
      codes_[k] = static_cast<int>(random_() % 6) + 1;
      colours_[k] = DefaultColours()[codes_[k] - 1];
    }
    still_ = photos::DrawFace(colours_, style, random_);
    style.drawFace = false;
    empty_ = photos::DrawFace(colours_, style, random_);
  }

  FrameReport Feed(FaceHold& hold, double shift, bool face = true) {
    cv::Mat frame;
    const cv::Matx23d move(1, 0, shift, 0, 1, shift / 2);
    cv::warpAffine(face ? still_ : empty_, frame, move, still_.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::Mat noise(frame.size(), CV_16SC3);
    cv::randn(noise, cv::Scalar::all(0), cv::Scalar::all(3));
    frame.convertTo(frame, CV_16SC3);
    frame += noise;
    frame.convertTo(frame, CV_8UC3);
    cv::cvtColor(frame, frame, cv::COLOR_BGR2RGB);
    const ImageView view{frame.data, frame.cols, frame.rows, static_cast<int>(frame.step), PixelOrder::Rgb};
    const FrameReport report = hold.Feed(view, ms_);
    ms_ += kFrameMs;
    return report;
  }

  // Whether the nine readings show the drawn stickers, a quarter turn apart
  // at most: each nearest to its drawn colour.
  bool ShowsTheFace(const FaceReadings& readings) const {
    for (int turn = 0; turn < 4; ++turn) {
      bool all = true;
      for (int k = 0; k < 9 && all; ++k) {
        int r = k / 3, c = k % 3;
        for (int t = 0; t < turn; ++t) {
          std::tie(r, c) = std::pair{2 - c, r};
        }
        all = NearestCode(readings[r * 3 + c], 0.3f) == codes_[k];
      }
      if (all) {
        return true;
      }
    }
    return false;
  }

 private:
  std::mt19937 random_;
  std::array<int, 9> codes_{};
  std::array<Colour, 9> colours_{};
  cv::Mat still_;
  cv::Mat empty_;
  std::int64_t ms_ = 0;
};

// A face that moves is found in every frame but never reported; held still
// it is reported once, in the first frame half a second after the hold
// began, with its own colours; taken away for a moment and shown again it is
// reported again.
TEST(CameraHold, ReportsAFaceOnceItIsHeldStillForHalfASecond) {
  for (std::uint32_t seed = 0; seed < 4; ++seed) {
    CameraFrames frames(seed);
    FaceHold hold;
    for (int n = 0; n < 20; ++n) {
      const FrameReport moving = frames.Feed(hold, (n % 2) * 12.0);
      ASSERT_TRUE(moving.grid) << seed;
      EXPECT_FALSE(moving.held);
      EXPECT_EQ(moving.stillForMs, 0);
    }
    for (int round = 0; round < 2; ++round) {
      int heldAt = -1;
      for (int n = 0; n < 20; ++n) {
        const FrameReport still = frames.Feed(hold, 0.0);
        ASSERT_TRUE(still.grid) << seed;
        if (still.held) {
          EXPECT_EQ(heldAt, -1) << "reported twice";
          heldAt = n;
          EXPECT_TRUE(frames.ShowsTheFace(still.readings)) << seed;
        }
      }
      EXPECT_EQ(heldAt, 500 / kFrameMs + 1) << seed;  // the first frame still counts from 0 ms
      for (int n = 0; n < 4; ++n) {
        EXPECT_FALSE(frames.Feed(hold, 0.0, false).grid);
      }
    }
  }
}

}  // namespace
}  // namespace rotalo::scan
