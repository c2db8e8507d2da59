#include "scan/face_finder.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <utility>
#include <vector>

namespace rotalo::scan {

namespace {

// The search runs on a copy whose shorter side is at most this long.
constexpr int kWorkingSide = 480;
// A sticker region's side, as a part of the shorter side of the picture.
constexpr float kSmallestSticker = 0.2f / 3.0f * 0.55f;
constexpr float kLargestSticker = 0.75f / 3.0f;
constexpr int kSamplesAcross = 7;
constexpr float kSampledPart = 0.27f;  // half the side of the sampled square, in stickers

struct Region {
  cv::Point2f centre;
  float side = 0;
  float angle = 0;  // of one of its sides, radians in [0, pi/2)
};

float QuarterAngle(float radians) {
  constexpr float kQuarter = static_cast<float>(CV_PI / 2);
  float a = std::fmod(radians, kQuarter);
  return a < 0 ? a + kQuarter : a;
}

// How far apart two angles are, modulo a quarter turn.
float QuarterAngleGap(float a, float b) {
  constexpr float kQuarter = static_cast<float>(CV_PI / 2);
  const float d = std::fabs(QuarterAngle(a) - QuarterAngle(b));
  return std::min(d, kQuarter - d);
}

// Closed regions of sticker size and shape: square-ish, convex, full.
std::vector<Region> FindRegions(const cv::Mat& small) {
  // Every sticker's outline shows in one colour channel or another: against
  // the dark plastic or gaps around it, and against a neighbour of another
  // colour where a thin gap is lost. A little blur first drops noise and JPEG's
  // blocks, and keeps the strong outlines.
  cv::Mat smooth;
  cv::GaussianBlur(small, smooth, {5, 5}, 0);
  std::array<cv::Mat, 3> channels;
  cv::split(smooth, channels.data());
  cv::Mat edges = cv::Mat::zeros(small.size(), CV_8U);
  cv::Mat channelEdges;
  for (const cv::Mat& channel : channels) {
    cv::Canny(channel, channelEdges, 50, 130, 3, true);
    edges |= channelEdges;
  }
  cv::dilate(edges, edges, cv::Mat());
  const cv::Mat open = edges == 0;
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(open, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);

  const auto shorter = static_cast<float>(std::min(small.cols, small.rows));
  const float smallest = shorter * kSmallestSticker;
  const float largest = shorter * kLargestSticker;
  std::vector<Region> regions;
  // A region counts once, though found twice (its outline and a hole's).
  const auto add = [&](cv::Point2f centre, float side, float angle) {
    if (side < smallest || side > largest) {
      return;
    }
    const auto twin = std::find_if(regions.begin(), regions.end(), [&](const Region& r) {
      return cv::norm(r.centre - centre) < 0.3f * std::max(r.side, side) &&
             std::max(r.side, side) < 1.5f * std::min(r.side, side);
    });
    if (twin == regions.end()) {
      regions.push_back({centre, side, angle});
    } else if (twin->side < side) {
      *twin = {centre, side, angle};
    }
  };
  std::vector<cv::Point> hull;
  for (const auto& contour : contours) {
    const auto area = static_cast<float>(cv::contourArea(contour));
    if (std::sqrt(area / 2) > largest || std::sqrt(area) < smallest) {
      continue;
    }
    const cv::RotatedRect box = cv::minAreaRect(contour);
    const float w = std::max(box.size.width, 1.0f);
    const float h = std::max(box.size.height, 1.0f);
    const float elongation = std::max(w, h) / std::min(w, h);
    if (elongation > 2.5f || area / (w * h) < 0.72f) {
      continue;
    }
    cv::convexHull(contour, hull);
    if (area < 0.8f * static_cast<float>(cv::contourArea(hull))) {
      continue;
    }
    const float radians = box.angle * static_cast<float>(CV_PI / 180);
    if (elongation <= 1.7f) {
      const cv::Moments m = cv::moments(contour);
      add({static_cast<float>(m.m10 / m.m00), static_cast<float>(m.m01 / m.m00)}, std::sqrt(area),
          QuarterAngle(radians));
    } else {
      // Two stickers of one colour whose thin gap was lost: each half.
      const cv::Point2f along = (w > h ? cv::Point2f(std::cos(radians), std::sin(radians))
                                       : cv::Point2f(-std::sin(radians), std::cos(radians))) *
                                (std::max(w, h) / 4);
      add(box.center + along, std::sqrt(area / 2), QuarterAngle(radians));
      add(box.center - along, std::sqrt(area / 2), QuarterAngle(radians));
    }
  }
  return regions;
}

// Whether b lies one sticker step from a along a side of both.
bool Neighbours(const Region& a, const Region& b) {
  const float ratio = a.side / b.side;
  if (ratio < 0.7f || ratio > 1.43f) {
    return false;
  }
  const cv::Point2f d = b.centre - a.centre;
  const auto distance = static_cast<float>(cv::norm(d));
  const float side = 0.5f * (a.side + b.side);
  if (distance < 0.95f * side || distance > 1.9f * side) {
    return false;
  }
  constexpr float kTolerance = 0.26f;  // about 15 degrees
  const float direction = std::atan2(d.y, d.x);
  return QuarterAngleGap(direction, a.angle) < kTolerance && QuarterAngleGap(direction, b.angle) < kTolerance;
}

struct Lattice {
  std::vector<cv::Point2f> cells;   // lattice coordinates (column, row) 0..2
  std::vector<cv::Point2f> points;  // the matching region centres
  float side = 0;
};

// Lattice coordinates for the regions joined to `root`, and the 3x3 window
// of them that holds the most.
Lattice LatticeFrom(const std::vector<Region>& regions, const std::vector<std::vector<int>>& links, int root,
                    std::vector<char>& seen) {
  const float a = regions[root].angle;
  const cv::Point2f e1(std::cos(a), std::sin(a));
  const cv::Point2f e2(-std::sin(a), std::cos(a));
  std::map<std::pair<int, int>, int> at;
  std::vector<std::pair<int, int>> coords(regions.size());
  std::queue<int> queue;
  queue.push(root);
  seen[root] = 1;
  coords[root] = {0, 0};
  at[{0, 0}] = root;
  while (!queue.empty()) {
    const int i = queue.front();
    queue.pop();
    for (const int j : links[i]) {
      if (seen[j]) {
        continue;
      }
      seen[j] = 1;
      const cv::Point2f d = regions[j].centre - regions[i].centre;
      const float p1 = d.dot(e1);
      const float p2 = d.dot(e2);
      auto c = coords[i];
      if (std::fabs(p1) > std::fabs(p2)) {
        c.first += p1 > 0 ? 1 : -1;
      } else {
        c.second += p2 > 0 ? 1 : -1;
      }
      if (at.emplace(c, j).second) {
        coords[j] = c;
        queue.push(j);
      }
    }
  }
  Lattice best;
  int bestCount = 0;
  for (const auto& [corner, unused] : at) {
    for (int x0 = corner.first - 2; x0 <= corner.first; ++x0) {
      for (int y0 = corner.second - 2; y0 <= corner.second; ++y0) {
        Lattice window;
        std::array<int, 3> columns{};
        std::array<int, 3> rows{};
        for (const auto& [c, index] : at) {
          const int x = c.first - x0;
          const int y = c.second - y0;
          if (x >= 0 && x <= 2 && y >= 0 && y <= 2) {
            window.cells.emplace_back(static_cast<float>(x), static_cast<float>(y));
            window.points.push_back(regions[index].centre);
            window.side += regions[index].side;
            ++columns[x];
            ++rows[y];
          }
        }
        const bool spans =
            std::count(columns.begin(), columns.end(), 0) == 0 && std::count(rows.begin(), rows.end(), 0) == 0;
        const int count = static_cast<int>(window.cells.size());
        if (spans && count > bestCount) {
          bestCount = count;
          window.side /= static_cast<float>(count);
          best = std::move(window);
        }
      }
    }
  }
  return best;
}

// The perspective map (h33 = 1) that best carries `from` onto `to`, least
// squares; with fewer than seven points an affine map, which so few points
// pin down more steadily. Nothing when the points are degenerate.
std::optional<cv::Matx33d> FitPerspective(const std::vector<cv::Point2f>& from, const std::vector<cv::Point2f>& to) {
  const int n = static_cast<int>(from.size());
  const int unknowns = n >= 7 ? 8 : 6;
  cv::Mat a(2 * n, unknowns, CV_64F);
  cv::Mat b(2 * n, 1, CV_64F);
  for (int k = 0; k < n; ++k) {
    const double x = from[k].x, y = from[k].y, u = to[k].x, v = to[k].y;
    const double rowU[8] = {x, y, 1, 0, 0, 0, -u * x, -u * y};
    const double rowV[8] = {0, 0, 0, x, y, 1, -v * x, -v * y};
    for (int c = 0; c < unknowns; ++c) {
      a.at<double>(2 * k, c) = rowU[c];
      a.at<double>(2 * k + 1, c) = rowV[c];
    }
    b.at<double>(2 * k) = u;
    b.at<double>(2 * k + 1) = v;
  }
  cv::Mat h;
  if (!cv::solve(a, b, h, cv::DECOMP_SVD) || !cv::checkRange(h)) {
    return std::nullopt;
  }
  const auto at = [&](int i) { return i < unknowns ? h.at<double>(i) : 0.0; };
  return cv::Matx33d(at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), 1.0);
}

cv::Point2f Apply(const cv::Matx33d& h, float x, float y) {
  const cv::Vec3d p = h * cv::Vec3d(x, y, 1.0);
  return {static_cast<float>(p[0] / p[2]), static_cast<float>(p[1] / p[2])};
}

// The perspective map from lattice coordinates to the picture, checked
// against every region it was fitted to.
std::optional<cv::Matx33d> FitLattice(Lattice lattice) {
  while (lattice.cells.size() >= 5) {
    const auto fitted = FitPerspective(lattice.cells, lattice.points);
    if (!fitted) {
      return std::nullopt;
    }
    std::size_t worst = 0;
    double worstMiss = 0;
    for (std::size_t n = 0; n < lattice.cells.size(); ++n) {
      const double miss = cv::norm(Apply(*fitted, lattice.cells[n].x, lattice.cells[n].y) - lattice.points[n]);
      if (miss > worstMiss) {
        worstMiss = miss;
        worst = n;
      }
    }
    if (worstMiss <= 0.12 * lattice.side) {
      return fitted;
    }
    // A region that only seemed to lie on the lattice: fit without it.
    lattice.cells.erase(lattice.cells.begin() + static_cast<long>(worst));
    lattice.points.erase(lattice.points.begin() + static_cast<long>(worst));
  }
  return std::nullopt;
}

// The nine centres, relabelled so that the first row runs from left to right
// across the top (turned by at most 45 degrees) and the face is not mirrored.
std::array<cv::Point2f, 9> UprightCentres(const cv::Matx33d& map) {
  std::array<cv::Point2f, 9> g;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      g[r * 3 + c] = Apply(map, static_cast<float>(c), static_cast<float>(r));
    }
  }
  const auto across = [&] { return g[5] - g[3]; };
  const auto down = [&] { return g[7] - g[1]; };
  if (across().cross(down()) < 0) {  // mirrored: swap rows and columns
    for (int r = 0; r < 3; ++r) {
      for (int c = r + 1; c < 3; ++c) {
        std::swap(g[r * 3 + c], g[c * 3 + r]);
      }
    }
  }
  for (int turn = 0; turn < 4 && across().x < std::fabs(across().y); ++turn) {
    std::array<cv::Point2f, 9> turned;
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        turned[r * 3 + c] = g[(2 - c) * 3 + r];
      }
    }
    g = turned;
  }
  return g;
}

// A median over the inner part of one sticker, the brightest half of the
// samples (a highlight) and the darkest 5 % (a shadow or the border) left
// out.
Rgb ReadSticker(const cv::Mat& bgr, const cv::Matx33d& map, int row, int column) {
  std::array<cv::Vec3b, kSamplesAcross * kSamplesAcross> samples;
  std::array<std::pair<int, int>, kSamplesAcross * kSamplesAcross> byLight;
  int n = 0;
  for (int i = 0; i < kSamplesAcross; ++i) {
    for (int j = 0; j < kSamplesAcross; ++j) {
      const float step = 2 * kSampledPart / (kSamplesAcross - 1);
      const cv::Point2f p = Apply(map, static_cast<float>(column) - kSampledPart + step * static_cast<float>(j),
                                  static_cast<float>(row) - kSampledPart + step * static_cast<float>(i));
      const int x = std::clamp(static_cast<int>(std::lround(p.x)), 0, bgr.cols - 1);
      const int y = std::clamp(static_cast<int>(std::lround(p.y)), 0, bgr.rows - 1);
      samples[n] = bgr.at<cv::Vec3b>(y, x);
      byLight[n] = {299 * samples[n][2] + 587 * samples[n][1] + 114 * samples[n][0], n};
      ++n;
    }
  }
  std::sort(byLight.begin(), byLight.end());
  const int from = n / 20;
  const int to = n / 2;
  std::array<std::vector<int>, 3> channel;
  for (int k = from; k < to; ++k) {
    for (int c = 0; c < 3; ++c) {
      channel[c].push_back(samples[byLight[k].second][c]);
    }
  }
  std::array<float, 3> median{};
  for (int c = 0; c < 3; ++c) {
    auto middle = channel[c].begin() + static_cast<long>(channel[c].size() / 2);
    std::nth_element(channel[c].begin(), middle, channel[c].end());
    median[c] = static_cast<float>(*middle);
  }
  return {median[2], median[1], median[0]};
}

}  // namespace

std::optional<FaceGrid> FindFace(const cv::Mat& bgr) {
  if (bgr.empty() || bgr.type() != CV_8UC3) {
    return std::nullopt;
  }
  const double scale = std::min(1.0, kWorkingSide / static_cast<double>(std::min(bgr.cols, bgr.rows)));
  cv::Mat small = bgr;
  if (scale < 1.0) {
    cv::resize(bgr, small, {}, scale, scale, cv::INTER_AREA);
  }
  const std::vector<Region> regions = FindRegions(small);
  std::vector<std::vector<int>> links(regions.size());
  for (std::size_t i = 0; i < regions.size(); ++i) {
    for (std::size_t j = i + 1; j < regions.size(); ++j) {
      if (Neighbours(regions[i], regions[j])) {
        links[i].push_back(static_cast<int>(j));
        links[j].push_back(static_cast<int>(i));
      }
    }
  }
  std::vector<char> seen(regions.size(), 0);
  std::optional<cv::Matx33d> best;
  std::size_t bestCount = 0;
  float bestSide = 0;
  for (std::size_t root = 0; root < regions.size(); ++root) {
    if (seen[root] || links[root].size() < 2) {
      continue;
    }
    const Lattice lattice = LatticeFrom(regions, links, static_cast<int>(root), seen);
    if (lattice.cells.size() < bestCount || (lattice.cells.size() == bestCount && lattice.side <= bestSide)) {
      continue;
    }
    if (auto map = FitLattice(lattice)) {
      best = map;
      bestCount = lattice.cells.size();
      bestSide = lattice.side;
    }
  }
  if (!best) {
    return std::nullopt;
  }
  // From the working copy to the picture, then upright.
  const cv::Matx33d toPicture(1 / scale, 0, 0, 0, 1 / scale, 0, 0, 0, 1);
  const std::array<cv::Point2f, 9> centres = UprightCentres(toPicture * *best);
  std::vector<cv::Point2f> lattice;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      lattice.emplace_back(static_cast<float>(c), static_cast<float>(r));
    }
  }
  const auto fitted = FitPerspective(lattice, std::vector<cv::Point2f>(centres.begin(), centres.end()));
  if (!fitted) {
    return std::nullopt;
  }
  const cv::Matx33d& map = *fitted;
  FaceGrid grid;
  float spacing = 0;
  for (int k = 0; k < 9; ++k) {
    grid.centres[k] = {centres[k].x, centres[k].y};
    grid.colours[k] = ReadSticker(bgr, map, k / 3, k % 3);
  }
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 2; ++c) {
      spacing += static_cast<float>(cv::norm(centres[r * 3 + c + 1] - centres[r * 3 + c]) +
                                    cv::norm(centres[(c + 1) * 3 + r] - centres[c * 3 + r]));
    }
  }
  grid.spacing = spacing / 12;
  const std::array<cv::Point2f, 4> corners{Apply(map, -0.5f, -0.5f), Apply(map, 2.5f, -0.5f), Apply(map, 2.5f, 2.5f),
                                           Apply(map, -0.5f, 2.5f)};
  for (int k = 0; k < 4; ++k) {
    grid.outline[k] = {corners[k].x, corners[k].y};
  }
  return grid;
}

std::optional<FaceGrid> FindFace(const ImageView& image) {
  return FindFace(ToBgr(image));
}

}  // namespace rotalo::scan
