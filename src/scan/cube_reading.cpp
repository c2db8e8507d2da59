#include "scan/cube_reading.h"

#include <algorithm>
#include <cmath>

#include "scan/assemble.h"
#include "scan/classify.h"

namespace rotalo::scan {

namespace {

// Arrangements whose costs lie this close count as fitting equally well.
constexpr double kEqualFit = 1.0;

CubeReading Paint(const Classification& c, const Arrangement& a, const PieceFit& fit) {
  CubeReading reading;
  for (int i = 1; i <= kFacelets; ++i) {
    if (fit.group[i] < 0) {
      continue;
    }
    reading.cube[i] = static_cast<Int16>(c.codeOfGroup[fit.group[i]]);
    reading.confidence[i] = ConfidenceOfMargin(fit.margin[i]);
  }
  reading.faceOfReading.assign(c.cost.size(), 0);
  for (int f = 1; f <= 6; ++f) {
    if (a.readingOfFace[f] >= 0) {
      reading.faceOfReading[a.readingOfFace[f]] = f;
    }
  }
  return reading;
}

void ListUncertain(CubeReading& reading, const ReadOptions& options) {
  reading.uncertain.clear();
  for (int i = 1; i <= kFacelets; ++i) {
    if (reading.cube[i] != 0 && reading.confidence[i] < options.uncertainBelow) {
      reading.uncertain.push_back(i);
    }
  }
}

}  // namespace

float ConfidenceOfMargin(float margin) {
  return std::isinf(margin) ? 1.0f : 1.0f - std::exp(-margin / 2.0f);
}

CubeReading ReadCube(const std::vector<FaceReadings>& faces, const std::array<Colour, 6>& chosen,
                     const ReadOptions& options) {
  if (faces.empty() || faces.size() > 6) {
    return {};
  }
  const Classification c = Classify(faces, chosen);
  if (faces.size() < 6) {
    Arrangement a;
    a.readingOfFace.fill(-1);
    for (std::size_t g = 0; g < faces.size(); ++g) {
      a.readingOfFace[c.codeOfGroup[g]] = static_cast<int>(g);
    }
    CubeReading reading = Paint(c, a, FitNearest(c, a));
    ListUncertain(reading, options);
    return reading;
  }
  const auto best = BestArrangements(c, kEqualFit);
  CubeReading reading = Paint(c, best.front().first, best.front().second);
  for (std::size_t n = 1; n < best.size(); ++n) {
    const CubeReading other = Paint(c, best[n].first, best[n].second);
    if (other.cube == reading.cube) {
      continue;
    }
    reading.alternatives.push_back(other.cube);
    for (int i = 1; i <= kFacelets; ++i) {
      if (other.cube[i] != reading.cube[i]) {
        reading.confidence[i] = std::min(reading.confidence[i], 0.0f);
      }
    }
  }
  ListUncertain(reading, options);
  return reading;
}

CubeReading ReadCubeInOrder(const std::array<Rgb, kFacelets>& readings, const std::array<Colour, 6>& chosen,
                            const ReadOptions& options) {
  std::vector<FaceReadings> faces(6);
  Arrangement a;
  a.readingOfFace[0] = -1;
  for (int f = 1; f <= 6; ++f) {
    a.readingOfFace[f] = f - 1;
    for (int p = 1; p <= 8; ++p) {
      faces[f - 1][kRing[p - 1]] = readings[8 * (f - 1) + p - 1];
    }
    faces[f - 1][4] = readings[48 + f - 1];
  }
  const Classification c = Classify(faces, chosen);
  CubeReading reading = Paint(c, a, FitPieces(c, a));
  ListUncertain(reading, options);
  return reading;
}

}  // namespace rotalo::scan
