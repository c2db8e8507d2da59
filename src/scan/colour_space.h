// CIELAB, the perceptual colour space in which sticker readings are
// compared, and the linear light in which lighting is corrected.
#pragma once

#include <array>

#include "model/cube.h"
#include "scan/image.h"

namespace rotalo::scan {

using Vec3 = std::array<float, 3>;

// sRGB 0..255 to linear light 0..1 and back.
Vec3 LinearOf(const Rgb& rgb);
Rgb RgbOfLinear(const Vec3& linear);
// Linear light (D65 white) to L*a*b*: L 0..100, a and b about -128..127.
Vec3 LabOfLinear(const Vec3& linear);
inline Vec3 LabOf(const Rgb& rgb) {
  return LabOfLinear(LinearOf(rgb));
}
// A packed 0x00BBGGRR colour as a reading.
Rgb RgbOf(Colour colour);

// The squared distance of two L*a*b* colours with the lightness difference
// weighted by `lightnessWeight`: uneven light moves lightness far more than
// hue, so sticker readings are compared mostly by their colour.
float LabDistance2(const Vec3& a, const Vec3& b, float lightnessWeight);

}  // namespace rotalo::scan
