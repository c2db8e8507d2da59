#include "photo_maker.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rotalo::photos {

namespace {

constexpr std::array<int, 8> kRing{0, 1, 2, 5, 8, 7, 6, 3};  // clockwise from the top-left
constexpr double kDegree = CV_PI / 180;
constexpr int kShift = 4;  // sub-pixel bits for drawing

cv::Scalar Bgr(Colour c) {
  return {static_cast<double>((c >> 16) & 0xFF), static_cast<double>((c >> 8) & 0xFF), static_cast<double>(c & 0xFF)};
}

double Uniform(std::mt19937& random, double from, double to) {
  return std::uniform_real_distribution<double>(from, to)(random);
}

cv::Scalar RandomColour(std::mt19937& random) {
  return {Uniform(random, 0, 255), Uniform(random, 0, 255), Uniform(random, 0, 255)};
}

// Shapes of every colour: a table's grain, a hand, a robot's frame.
void DrawBackground(cv::Mat& image, std::mt19937& random) {
  image.setTo(RandomColour(random));
  const int w = image.cols;
  const int h = image.rows;
  for (int n = 0; n < 40; ++n) {
    const cv::Point at(static_cast<int>(Uniform(random, 0, w)), static_cast<int>(Uniform(random, 0, h)));
    const int size = static_cast<int>(Uniform(random, 0.02, 0.25) * h);
    switch (n % 4) {
      case 0:
        cv::line(image, at, at + cv::Point(size * 2, static_cast<int>(Uniform(random, -size, size))),
                 RandomColour(random), static_cast<int>(Uniform(random, 1, 12)), cv::LINE_AA);
        break;
      case 1:
        cv::ellipse(image, at, {size, size / 2 + 1}, Uniform(random, 0, 180), 0, 360, RandomColour(random), -1,
                    cv::LINE_AA);
        break;
      case 2:
        cv::rectangle(image, at, at + cv::Point(size, static_cast<int>(size * Uniform(random, 0.5, 1.5))),
                      RandomColour(random), -1);
        break;
      default:
        cv::circle(image, at, size / 3 + 1, RandomColour(random), static_cast<int>(Uniform(random, 1, 6)), cv::LINE_AA);
        break;
    }
  }
  // A hand reaching in from one side.
  const cv::Point wrist(static_cast<int>(Uniform(random, 0, w)), h);
  cv::ellipse(image, wrist, {h / 6, h / 3}, Uniform(random, -40, 40), 0, 360, cv::Scalar(120, 150, 210), -1,
              cv::LINE_AA);
}

// The map from the face's own plane (0..3 each way) to the picture, the
// face's centre at `centre`.
cv::Matx33d FaceToPicture(const PhotoStyle& s, cv::Point2d centre) {
  const double side = s.faceSize * std::min(s.width, s.height);
  const double focal = 1.2 * std::max(s.width, s.height);
  const double tilt = s.tiltDegrees * kDegree;
  const cv::Vec3d axis(std::cos(s.tiltDirection * kDegree), std::sin(s.tiltDirection * kDegree), 0);
  // A turn by `tilt` about `axis` (Rodrigues' formula).
  const cv::Matx33d cross(0, -axis[2], axis[1], axis[2], 0, -axis[0], -axis[1], axis[0], 0);
  const cv::Matx33d tilted =
      cv::Matx33d::eye() * std::cos(tilt) + cross * std::sin(tilt) + axis * axis.t() * (1 - std::cos(tilt));
  const double turn = s.turnDegrees * kDegree;
  const cv::Matx33d turned(std::cos(turn), -std::sin(turn), 0, std::sin(turn), std::cos(turn), 0, 0, 0, 1);
  std::array<cv::Point2f, 4> from{{{0, 0}, {3, 0}, {3, 3}, {0, 3}}};
  std::array<cv::Point2f, 4> to;
  for (int k = 0; k < 4; ++k) {
    const cv::Vec3d plane((from[k].x - 1.5) * side / 3, (from[k].y - 1.5) * side / 3, 0);
    const cv::Vec3d p = tilted * (turned * plane) + cv::Vec3d(0, 0, focal * 1.0);
    to[k] = cv::Point2f(static_cast<float>(centre.x + focal * p[0] / p[2]),
                        static_cast<float>(centre.y + focal * p[1] / p[2]));
  }
  return cv::Matx33d(cv::getPerspectiveTransform(from.data(), to.data()));
}

cv::Point ToPicture(const cv::Matx33d& map, double x, double y) {
  const cv::Vec3d p = map * cv::Vec3d(x, y, 1);
  return {static_cast<int>(std::lround(p[0] / p[2] * (1 << kShift))),
          static_cast<int>(std::lround(p[1] / p[2] * (1 << kShift)))};
}

// A square with rounded corners from (x0, y0) to (x1, y1) in the face's plane.
std::vector<cv::Point> RoundedSquare(const cv::Matx33d& map, double x0, double y0, double x1, double y1,
                                     double radius) {
  std::vector<cv::Point> points;
  const std::array<cv::Point2d, 4> centres{
      {{x1 - radius, y0 + radius}, {x1 - radius, y1 - radius}, {x0 + radius, y1 - radius}, {x0 + radius, y0 + radius}}};
  for (int corner = 0; corner < 4; ++corner) {
    for (int step = 0; step <= 4; ++step) {
      const double a = (corner - 1 + step / 4.0) * CV_PI / 2;
      points.push_back(
          ToPicture(map, centres[corner].x + radius * std::cos(a), centres[corner].y + radius * std::sin(a)));
    }
  }
  return points;
}

// Where the face's centre may go so that the whole face stays in the picture.
cv::Point2d PlaceFace(PhotoStyle& s, std::mt19937& random) {
  while (true) {
    const cv::Matx33d map = FaceToPicture(s, {0, 0});
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const auto& [x, y] :
         std::array<std::pair<double, double>, 4>{{{-0.1, -0.1}, {3.1, -0.1}, {3.1, 3.1}, {-0.1, 3.1}}}) {
      const cv::Point p = ToPicture(map, x, y);
      left = std::min(left, p.x / double(1 << kShift));
      right = std::max(right, p.x / double(1 << kShift));
      top = std::min(top, p.y / double(1 << kShift));
      bottom = std::max(bottom, p.y / double(1 << kShift));
    }
    const double margin = 4;
    if (right - left + 2 * margin < s.width && bottom - top + 2 * margin < s.height) {
      return {Uniform(random, margin - left, s.width - margin - right),
              Uniform(random, margin - top, s.height - margin - bottom)};
    }
    s.faceSize *= 0.95;
  }
}

void Light(cv::Mat& image, const PhotoStyle& s, cv::Point2d highlightAt, double highlightRadius, std::mt19937& random) {
  cv::Mat light(image.size(), CV_32F);
  const double c = std::cos(s.lightDirection * kDegree) / s.width;
  const double d = std::sin(s.lightDirection * kDegree) / s.height;
  for (int y = 0; y < image.rows; ++y) {
    auto* row = light.ptr<float>(y);
    for (int x = 0; x < image.cols; ++x) {
      row[x] =
          static_cast<float>(s.exposure * (1 + s.lightSlope * ((x - s.width / 2.0) * c + (y - s.height / 2.0) * d)));
    }
  }
  cv::Mat shine = cv::Mat::zeros(image.size(), CV_32F);
  if (s.highlight > 0) {
    cv::circle(shine, highlightAt, static_cast<int>(highlightRadius), cv::Scalar(s.highlight), -1, cv::LINE_AA);
    const int blur = static_cast<int>(highlightRadius) | 1;
    cv::GaussianBlur(shine, shine, {blur, blur}, 0);
  }
  cv::Mat noise(image.size(), CV_32FC3);
  cv::theRNG().state = random();
  cv::randn(noise, cv::Scalar::all(0), cv::Scalar::all(s.noise));
  cv::Mat f;
  image.convertTo(f, CV_32FC3);
  for (int y = 0; y < image.rows; ++y) {
    auto* px = f.ptr<cv::Vec3f>(y);
    const auto* l = light.ptr<float>(y);
    const auto* h = shine.ptr<float>(y);
    const auto* n = noise.ptr<cv::Vec3f>(y);
    for (int x = 0; x < image.cols; ++x) {
      for (int ch = 0; ch < 3; ++ch) {
        px[x][ch] = static_cast<float>(px[x][ch] * l[x] * s.whiteBalance[ch]) + h[x] + n[x][ch];
      }
    }
  }
  f.convertTo(image, CV_8UC3);
}

}  // namespace

PhotoStyle RandomStyle(std::mt19937& random, int width, int height) {
  PhotoStyle s;
  s.width = width;
  s.height = height;
  s.faceSize = Uniform(random, 0.2, 0.67);
  s.turnDegrees = Uniform(random, -180, 180);
  s.tiltDegrees = Uniform(random, 0, 30);
  s.tiltDirection = Uniform(random, 0, 360);
  s.stickerless = random() % 2 == 0;
  s.whiteBalance = {Uniform(random, 0.8, 1.15), 1, Uniform(random, 0.85, 1.2)};
  s.exposure = Uniform(random, 0.75, 1.05);
  s.lightSlope = Uniform(random, 0, 0.35);
  s.lightDirection = Uniform(random, 0, 360);
  s.highlight = Uniform(random, 0, 1) < 0.7 ? Uniform(random, 60, 160) : 0;
  s.noise = Uniform(random, 1, 6);
  s.jpegQuality = static_cast<int>(Uniform(random, 60, 95));
  s.busyBackground = random() % 4 != 0;
  return s;
}

cv::Mat DrawFace(const std::array<Colour, 9>& stickers, const PhotoStyle& style, std::mt19937& random) {
  PhotoStyle s = style;
  cv::Mat image(s.height, s.width, CV_8UC3);
  if (s.busyBackground) {
    DrawBackground(image, random);
  } else {
    image.setTo(cv::Scalar(Uniform(random, 90, 200), Uniform(random, 90, 200), Uniform(random, 90, 200)));
  }
  cv::Point2d highlightAt;
  double highlightRadius = 0;
  if (s.drawFace) {
    const cv::Point2d centre = PlaceFace(s, random);
    const cv::Matx33d map = FaceToPicture(s, centre);
    const cv::Scalar body = s.stickerless ? cv::Scalar(35, 35, 35) : cv::Scalar(18, 18, 18);
    const double edge = s.stickerless ? 0.0 : 0.04;
    const std::vector<cv::Point> outline = RoundedSquare(map, -edge, -edge, 3 + edge, 3 + edge, 0.1);
    cv::fillPoly(image, std::vector<std::vector<cv::Point>>{outline}, body, cv::LINE_AA, kShift);
    const double gap = s.stickerless ? 0.035 : 0.07;
    const double radius = s.stickerless ? 0.04 : 0.12;
    for (int k = 0; k < 9; ++k) {
      const double x = k % 3;
      const double y = k / 3;
      const std::vector<cv::Point> sticker = RoundedSquare(map, x + gap, y + gap, x + 1 - gap, y + 1 - gap, radius);
      cv::fillPoly(image, std::vector<std::vector<cv::Point>>{sticker}, Bgr(stickers[k]), cv::LINE_AA, kShift);
    }
    const cv::Point h = ToPicture(map, Uniform(random, 0.3, 2.7), Uniform(random, 0.3, 2.7));
    highlightAt = {h.x / double(1 << kShift), h.y / double(1 << kShift)};
    highlightRadius = s.faceSize * std::min(s.width, s.height) / 3 * Uniform(random, 0.2, 0.45);
  } else {
    s.highlight = 0;
  }
  Light(image, s, highlightAt, highlightRadius, random);
  if (s.jpegQuality > 0) {
    std::vector<std::uint8_t> bytes;
    cv::imencode(".jpg", image, bytes, {cv::IMWRITE_JPEG_QUALITY, s.jpegQuality});
    image = cv::imdecode(bytes, cv::IMREAD_COLOR);
  }
  return image;
}

std::array<int, 9> FaceCodes(const Buffer& cube, int face, int turn) {
  std::array<int, 9> codes{};
  for (int p = 1; p <= 8; ++p) {
    codes[kRing[(p - 1 + 2 * turn) % 8]] = cube[8 * (face - 1) + p];
  }
  codes[4] = cube[48 + face];
  return codes;
}

std::vector<FacePhoto> MakePhotos(const Buffer& cube, const std::array<Colour, 7>& colourOfCode, std::uint32_t seed,
                                  int width, int height) {
  std::mt19937 random(seed);
  std::vector<FacePhoto> photos;
  for (int face = 1; face <= 6; ++face) {
    FacePhoto photo;
    photo.face = face;
    photo.turn = static_cast<int>(random() % 4);
    const std::array<int, 9> codes = FaceCodes(cube, face, photo.turn);
    std::array<Colour, 9> colours{};
    for (int k = 0; k < 9; ++k) {
      colours[k] = colourOfCode[codes[k]];
    }
    photo.image = DrawFace(colours, RandomStyle(random, width, height), random);
    photos.push_back(std::move(photo));
  }
  std::shuffle(photos.begin(), photos.end(), random);
  return photos;
}

}  // namespace rotalo::photos
