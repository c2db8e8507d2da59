// The camera path: frames one by one with their times, the face found in
// each, and a report when a face has been held still for about half a
// second (the grid steady and its colours steady), with its nine readings.
#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <optional>
#include <vector>

#include "scan/face_finder.h"
#include "scan/image.h"

namespace rotalo::scan {

struct HoldOptions {
  std::int64_t stillMs = 500;  // how long a face must be held still
  // Between two frames, how far the face may move or grow (in sticker
  // spacings) and how far its colour may change (L*a*b* units) for the face
  // to count as still.
  float largestMove = 0.15f;
  float largestColourChange = 20.0f;
  int framesMissedAtMost = 2;  // frames without a face that do not end a hold
};

struct FrameReport {
  std::optional<FaceGrid> grid;  // the face in this frame, if any
  std::int64_t stillForMs = 0;   // how long the face has been held still so far
  // True in the one frame in which the face has been still long enough;
  // `readings` then holds its nine colours (medians over the frames held,
  // labelled as in the frame the hold began).
  bool held = false;
  FaceReadings readings{};
};

class FaceHold {
 public:
  explicit FaceHold(HoldOptions options = {}) : options_(options) {}

  // `ms`: the frame's time in milliseconds, rising from frame to frame.
  FrameReport Feed(const ImageView& frame, std::int64_t ms);
  FrameReport Feed(const cv::Mat& bgr, std::int64_t ms);
  // Forgets the face being held.
  void Reset();

 private:
  // The quarter turn (0..3) that best lines `grid` up with the last grid,
  // and whether it is close enough to count as still.
  bool StillSinceLast(const FaceGrid& grid, int& turn) const;

  HoldOptions options_;
  std::optional<FaceGrid> last_;  // labelled as in the first frame of the hold
  std::int64_t since_ = 0;
  int missed_ = 0;
  bool reported_ = false;
  std::vector<FaceReadings> frames_;  // readings of the frames held, the latest last
};

}  // namespace rotalo::scan
