#include "scan/colour_space.h"

#include <algorithm>
#include <cmath>

namespace rotalo::scan {

namespace {

float Linear(float v) {
  const float c = std::clamp(v / 255.0f, 0.0f, 1.0f);
  return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

float Encoded(float linear) {
  const float c = std::clamp(linear, 0.0f, 1.0f);
  return 255.0f * (c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f);
}

float LabF(float t) {
  constexpr float kEpsilon = 216.0f / 24389.0f;
  constexpr float kKappa = 24389.0f / 27.0f;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0f) / 116.0f;
}

}  // namespace

Vec3 LinearOf(const Rgb& rgb) {
  return {Linear(rgb.r), Linear(rgb.g), Linear(rgb.b)};
}

Rgb RgbOfLinear(const Vec3& linear) {
  return {Encoded(linear[0]), Encoded(linear[1]), Encoded(linear[2])};
}

Vec3 LabOfLinear(const Vec3& l) {
  const float x = (0.4124564f * l[0] + 0.3575761f * l[1] + 0.1804375f * l[2]) / 0.95047f;
  const float y = 0.2126729f * l[0] + 0.7151522f * l[1] + 0.0721750f * l[2];
  const float z = (0.0193339f * l[0] + 0.1191920f * l[1] + 0.9503041f * l[2]) / 1.08883f;
  const float fx = LabF(x);
  const float fy = LabF(y);
  const float fz = LabF(z);
  return {116.0f * fy - 16.0f, 500.0f * (fx - fy), 200.0f * (fy - fz)};
}

Rgb RgbOf(Colour colour) {
  return {static_cast<float>(colour & 0xFF), static_cast<float>((colour >> 8) & 0xFF),
          static_cast<float>((colour >> 16) & 0xFF)};
}

float LabDistance2(const Vec3& a, const Vec3& b, float lightnessWeight) {
  const float dl = a[0] - b[0];
  const float da = a[1] - b[1];
  const float db = a[2] - b[2];
  return lightnessWeight * dl * dl + da * da + db * db;
}

}  // namespace rotalo::scan
