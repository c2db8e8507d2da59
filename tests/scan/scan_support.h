// Cubes for the reading tests: scrambled, some re-assembled wrongly, and
// every whole-cube rotation of one, to compare a reading with.
#pragma once

#include <array>
#include <random>
#include <set>

#include "model/cube.h"
#include "model/jumble.h"
#include "model/palette.h"
#include "model/rotation.h"
#include "scan/colour_space.h"

namespace rotalo::scan {

// A scrambled cube in colour codes (code f on face f when solved); every
// third one has a corner twisted in place, every fifth an edge flipped.
inline Buffer TestCube(std::uint32_t seed) {
  Vars vars;
  FillSolved(vars, 0);
  std::mt19937 random(seed);
  JumbleCube(vars, [&] { return std::uniform_real_distribution<float>(0.0f, 0.999f)(random); });
  Buffer cube = vars.current();
  if (seed % 3 == 1) {
    const auto& corner = kCornerTable[seed % 8];
    const Int16 first = cube[corner[0]];
    cube[corner[0]] = cube[corner[1]];
    cube[corner[1]] = cube[corner[2]];
    cube[corner[2]] = first;
  }
  if (seed % 5 == 2) {
    std::swap(cube[2], cube[18]);
  }
  return cube;
}

// The 24 ways the whole cube can be held.
inline std::set<Buffer> Rotations(const Buffer& cube) {
  std::set<Buffer> seen{cube};
  std::vector<Buffer> todo{cube};
  while (!todo.empty()) {
    const Buffer next = todo.back();
    todo.pop_back();
    for (const int axis : {1, 4}) {
      Vars vars;
      vars.Facelet[0] = next;
      RotateCubeState(vars, axis, 1);
      if (seen.insert(vars.current()).second) {
        todo.push_back(vars.current());
      }
    }
  }
  return seen;
}

// The facelets where `read` differs from the nearest way of holding `cube`.
inline std::vector<int> Misread(const Buffer& cube, const Buffer& read) {
  std::vector<int> best(kFacelets + 1);
  for (const Buffer& held : Rotations(cube)) {
    std::vector<int> wrong;
    for (int i = 1; i <= kFacelets; ++i) {
      if (held[i] != read[i]) {
        wrong.push_back(i);
      }
    }
    if (wrong.size() < best.size()) {
      best = wrong;
    }
  }
  return best;
}

// The default colours for codes 1..6.
inline std::array<Colour, 6> DefaultColours() {
  std::array<Colour, 6> colours{};
  for (int k = 0; k < 6; ++k) {
    colours[k] = kPalette[k].value;
  }
  return colours;
}

// The code of the default colour nearest to `rgb`, weighing lightness by
// `lightness` against colour.
inline int NearestCode(const Rgb& rgb, float lightness) {
  int nearest = 0;
  float best = 1e30f;
  for (int k = 0; k < 6; ++k) {
    const float d = LabDistance2(LabOf(rgb), LabOf(RgbOf(DefaultColours()[k])), lightness);
    if (d < best) {
      best = d;
      nearest = k + 1;
    }
  }
  return nearest;
}

}  // namespace rotalo::scan
