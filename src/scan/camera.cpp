#include "scan/camera.h"

#include <algorithm>
#include <cmath>

#include "scan/colour_space.h"

namespace rotalo::scan {

namespace {

constexpr std::size_t kFramesKept = 32;

// Index k of a grid turned a quarter turn: the relabelling of the stickers.
int TurnedIndex(int k, int turn) {
  int r = k / 3;
  int c = k % 3;
  for (int t = 0; t < turn; ++t) {
    const int next = 2 - c;
    c = r;
    r = next;
  }
  return r * 3 + c;
}

FaceGrid Turned(const FaceGrid& grid, int turn) {
  FaceGrid out = grid;
  for (int k = 0; k < 9; ++k) {
    out.centres[k] = grid.centres[TurnedIndex(k, turn)];
    out.colours[k] = grid.colours[TurnedIndex(k, turn)];
  }
  return out;
}

FaceReadings Medians(const std::vector<FaceReadings>& frames) {
  FaceReadings out{};
  std::vector<float> values(frames.size());
  for (int k = 0; k < 9; ++k) {
    for (float Rgb::*channel : {&Rgb::r, &Rgb::g, &Rgb::b}) {
      for (std::size_t n = 0; n < frames.size(); ++n) {
        values[n] = frames[n][k].*channel;
      }
      auto middle = values.begin() + static_cast<long>(values.size() / 2);
      std::nth_element(values.begin(), middle, values.end());
      out[k].*channel = *middle;
    }
  }
  return out;
}

}  // namespace

bool FaceHold::StillSinceLast(const FaceGrid& grid, int& turn) const {
  // The labelling of the stickers that lines them up best with the last
  // frame's (a face turned near 45 degrees may be labelled either way).
  float nearest = 1e30f;
  for (int t = 0; t < 4; ++t) {
    float sum = 0;
    for (int k = 0; k < 9; ++k) {
      const Point& p = grid.centres[TurnedIndex(k, t)];
      const Point& q = last_->centres[k];
      sum += std::hypot(p.x - q.x, p.y - q.y);
    }
    if (sum < nearest) {
      nearest = sum;
      turn = t;
    }
  }
  // The face as a whole: where its middle is and how large it is, which
  // stay steadier than any one sticker's place.
  Point middle, lastMiddle;
  for (int k = 0; k < 9; ++k) {
    middle.x += grid.centres[k].x / 9;
    middle.y += grid.centres[k].y / 9;
    lastMiddle.x += last_->centres[k].x / 9;
    lastMiddle.y += last_->centres[k].y / 9;
  }
  const float move =
      std::hypot(middle.x - lastMiddle.x, middle.y - lastMiddle.y) + std::fabs(grid.spacing - last_->spacing);
  if (move > options_.largestMove * last_->spacing) {
    return false;
  }
  const float limit = options_.largestColourChange * options_.largestColourChange;
  for (int k = 0; k < 9; ++k) {
    if (LabDistance2(LabOf(grid.colours[TurnedIndex(k, turn)]), LabOf(last_->colours[k]), 1.0f) > limit) {
      return false;
    }
  }
  return true;
}

FrameReport FaceHold::Feed(const cv::Mat& bgr, std::int64_t ms) {
  FrameReport report;
  report.grid = FindFace(bgr);
  if (!report.grid) {
    if (++missed_ > options_.framesMissedAtMost) {
      Reset();
    }
    return report;
  }
  missed_ = 0;
  int turn = 0;
  if (!last_ || !StillSinceLast(*report.grid, turn)) {
    Reset();
    since_ = ms;
    turn = 0;
  }
  last_ = Turned(*report.grid, turn);
  frames_.push_back(last_->colours);
  if (frames_.size() > kFramesKept) {
    frames_.erase(frames_.begin());
  }
  report.stillForMs = ms - since_;
  if (!reported_ && report.stillForMs >= options_.stillMs) {
    reported_ = true;
    report.held = true;
    report.readings = Medians(frames_);
  }
  return report;
}

FrameReport FaceHold::Feed(const ImageView& frame, std::int64_t ms) {
  return Feed(ToBgr(frame), ms);
}

void FaceHold::Reset() {
  last_.reset();
  frames_.clear();
  missed_ = 0;
  reported_ = false;
}

}  // namespace rotalo::scan
