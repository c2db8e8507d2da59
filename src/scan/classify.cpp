#include "scan/classify.h"

#include <algorithm>
#include <cmath>

#include "scan/assignment.h"
#include "scan/colour_space.h"

namespace rotalo::scan {

namespace {

constexpr float kLightnessWeight = 0.3f;
constexpr int kRounds = 4;
constexpr float kSmallestSpread = 100.0f;  // squared L*a*b* units

struct Readings {
  std::vector<std::array<Vec3, 9>> linear;  // as read
  std::vector<Vec3> gain;                   // per face reading, per channel
  std::vector<std::array<Vec3, 9>> lab;     // after the gains
};

void ApplyGains(Readings& r) {
  for (std::size_t g = 0; g < r.linear.size(); ++g) {
    for (int i = 0; i < 9; ++i) {
      Vec3 v = r.linear[g][i];
      for (int c = 0; c < 3; ++c) {
        v[c] *= r.gain[g][c];
      }
      r.lab[g][i] = LabOfLinear(v);
    }
  }
}

// Nine stickers to a group: 48 stickers against 8 places in each of six
// groups, the centres already placed.
void ShareOut(Classification& out, const std::vector<std::array<float, 6>>& flat) {
  constexpr int kPlaces = 48;
  std::vector<double> cost(kPlaces * kPlaces);
  for (int s = 0; s < kPlaces; ++s) {
    for (int p = 0; p < kPlaces; ++p) {
      cost[s * kPlaces + p] = flat[s][p / 8];
    }
  }
  const std::vector<int> place = CheapestAssignment(cost, kPlaces);
  int s = 0;
  for (std::size_t g = 0; g < out.group.size(); ++g) {
    for (int i = 0; i < 9; ++i) {
      out.group[g][i] = i == 4 ? static_cast<int>(g) : place[s++] / 8;
    }
  }
}

// A centre that started its group among stickers of another colour (under
// its picture's light it looked like them) swaps groups with the centre of
// that colour: the stickers keep their groups, the centres change places.
void SettleCentres(Classification& out, const Readings& r) {
  const int n = static_cast<int>(out.group.size());
  std::array<Vec3, 6> mean{};
  std::array<int, 6> count{};
  for (int g = 0; g < n; ++g) {
    for (int i = 0; i < 9; ++i) {
      if (i != 4) {
        for (int ch = 0; ch < 3; ++ch) {
          mean[out.group[g][i]][ch] += r.lab[g][i][ch];
        }
        ++count[out.group[g][i]];
      }
    }
  }
  for (int k = 0; k < 6; ++k) {
    for (int ch = 0; ch < 3; ++ch) {
      mean[k][ch] /= static_cast<float>(std::max(count[k], 1));
    }
  }
  const auto d = [&](int centre, int k) { return LabDistance2(r.lab[centre][4], mean[k], kLightnessWeight); };
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      if (d(a, b) + d(b, a) < d(a, a) + d(b, b)) {
        for (auto& face : out.group) {
          for (int i = 0; i < 9; ++i) {
            if (i != 4 && (face[i] == a || face[i] == b)) {
              face[i] = face[i] == a ? b : a;
            }
          }
        }
        std::swap(mean[a], mean[b]);
      }
    }
  }
}

// Each face reading's white balance: the gain per channel that best carries
// its stickers onto the mean colours of their groups, in linear light; the
// gains of all readings then scaled so that together they keep the overall
// light.
void EstimateGains(Readings& r, const Classification& c) {
  std::array<Vec3, 6> sum{};
  std::array<int, 6> count{};
  for (std::size_t g = 0; g < r.linear.size(); ++g) {
    for (int i = 0; i < 9; ++i) {
      const int k = c.group[g][i];
      for (int ch = 0; ch < 3; ++ch) {
        sum[k][ch] += r.linear[g][i][ch] * r.gain[g][ch];
      }
      ++count[k];
    }
  }
  Vec3 logMean{};
  for (std::size_t g = 0; g < r.linear.size(); ++g) {
    for (int ch = 0; ch < 3; ++ch) {
      double xm = 0, xx = 0;
      for (int i = 0; i < 9; ++i) {
        const int k = c.group[g][i];
        const double x = r.linear[g][i][ch];
        xm += x * sum[k][ch] / std::max(count[k], 1);
        xx += x * x;
      }
      r.gain[g][ch] = xx > 1e-9 ? std::clamp(static_cast<float>(xm / xx), 0.4f, 2.5f) : 1.0f;
      logMean[ch] += std::log(r.gain[g][ch]);
    }
  }
  for (int ch = 0; ch < 3; ++ch) {
    const float norm = std::exp(logMean[ch] / static_cast<float>(r.linear.size()));
    for (auto& gain : r.gain) {
      gain[ch] /= norm;
    }
  }
}

// A first white balance of each face reading on its own: the gains that
// carry its stickers onto their nearest chosen colours, a few times over.
void FirstGains(Readings& r, const std::array<Vec3, 6>& referenceLinear) {
  std::array<Vec3, 6> referenceLab{};
  for (int k = 0; k < 6; ++k) {
    referenceLab[k] = LabOfLinear(referenceLinear[k]);
  }
  for (std::size_t g = 0; g < r.linear.size(); ++g) {
    for (int round = 0; round < 3; ++round) {
      Vec3 xm{}, xx{};
      for (int i = 0; i < 9; ++i) {
        Vec3 v = r.linear[g][i];
        for (int ch = 0; ch < 3; ++ch) {
          v[ch] *= r.gain[g][ch];
        }
        const Vec3 lab = LabOfLinear(v);
        int nearest = 0;
        for (int k = 1; k < 6; ++k) {
          if (LabDistance2(lab, referenceLab[k], kLightnessWeight) <
              LabDistance2(lab, referenceLab[nearest], kLightnessWeight)) {
            nearest = k;
          }
        }
        for (int ch = 0; ch < 3; ++ch) {
          xm[ch] += r.linear[g][i][ch] * referenceLinear[nearest][ch];
          xx[ch] += r.linear[g][i][ch] * r.linear[g][i][ch];
        }
      }
      for (int ch = 0; ch < 3; ++ch) {
        r.gain[g][ch] = xx[ch] > 1e-9f ? std::clamp(xm[ch] / xx[ch], 0.4f, 2.5f) : 1.0f;
      }
    }
  }
}

}  // namespace

Classification Classify(const std::vector<FaceReadings>& faces, const std::array<Colour, 6>& chosen) {
  if (faces.empty() || faces.size() > 6) {
    return {};
  }
  const int n = static_cast<int>(faces.size());
  Readings r;
  r.linear.resize(faces.size());
  r.lab.resize(faces.size());
  r.gain.assign(faces.size(), Vec3{1, 1, 1});
  for (int g = 0; g < n; ++g) {
    for (int i = 0; i < 9; ++i) {
      r.linear[g][i] = LinearOf(faces[g][i]);
    }
  }
  Classification out;
  out.cost.resize(faces.size());
  out.group.resize(faces.size());
  std::array<Vec3, 6> reference{};
  std::array<Vec3, 6> referenceLinear{};
  for (int k = 0; k < 6; ++k) {
    reference[k] = LabOf(RgbOf(chosen[k]));
    referenceLinear[k] = LinearOf(RgbOf(chosen[k]));
  }
  if (n == 6) {
    FirstGains(r, referenceLinear);
  }
  std::array<Vec3, 6> mean{};
  const int rounds = n == 6 ? kRounds : 1;
  for (int round = 0; round < rounds; ++round) {
    ApplyGains(r);
    // The colour of each group: its centre at first, then the mean of its
    // stickers.
    std::array<int, 6> count{};
    for (int k = 0; k < 6; ++k) {
      mean[k] = k < n ? r.lab[k][4] : Vec3{};
    }
    if (round > 0) {
      mean = {};
      for (int g = 0; g < n; ++g) {
        for (int i = 0; i < 9; ++i) {
          const int k = out.group[g][i];
          for (int ch = 0; ch < 3; ++ch) {
            mean[k][ch] += r.lab[g][i][ch];
          }
          ++count[k];
        }
      }
      for (int k = 0; k < 6; ++k) {
        for (int ch = 0; ch < 3; ++ch) {
          mean[k][ch] /= static_cast<float>(std::max(count[k], 1));
        }
      }
    }
    if (round == 0) {
      // Name the groups that centres started; codes left over stand for
      // themselves at the chosen colour.
      std::vector<double> naming(36, 0.0);
      for (int k = 0; k < n; ++k) {
        for (int code = 0; code < 6; ++code) {
          naming[k * 6 + code] = LabDistance2(mean[k], reference[code], 0.5f);
        }
      }
      const std::vector<int> named = CheapestAssignment(naming, 6);
      for (int k = 0; k < 6; ++k) {
        out.codeOfGroup[k] = named[k] + 1;
      }
    }
    for (int k = n; k < 6; ++k) {
      mean[k] = reference[out.codeOfGroup[k] - 1];
    }
    std::vector<std::array<float, 6>> flat;
    std::vector<float> nearest;
    for (int g = 0; g < n; ++g) {
      for (int i = 0; i < 9; ++i) {
        std::array<float, 6> d{};
        for (int k = 0; k < 6; ++k) {
          d[k] = LabDistance2(r.lab[g][i], mean[k], kLightnessWeight);
        }
        out.cost[g][i] = d;
        if (i != 4) {
          flat.push_back(d);
        }
        nearest.push_back(*std::min_element(d.begin(), d.end()));
        out.group[g][i] = static_cast<int>(std::min_element(d.begin(), d.end()) - d.begin());
      }
      out.group[g][4] = g;
    }
    if (n == 6) {
      ShareOut(out, flat);
      if (round + 1 < rounds) {
        SettleCentres(out, r);
        EstimateGains(r, out);
      }
    }
    if (round + 1 == rounds) {
      // Costs in units of the typical spread of a group.
      std::nth_element(nearest.begin(), nearest.begin() + static_cast<long>(nearest.size() / 2), nearest.end());
      const float spread = std::max(nearest[nearest.size() / 2], kSmallestSpread);
      for (auto& face : out.cost) {
        for (auto& sticker : face) {
          for (float& c : sticker) {
            c /= spread;
          }
        }
      }
    }
  }
  if (n == 6) {
    // Name the groups by their final colours. The six groups are the six
    // chosen colours in some order, so their sums per channel in linear
    // light match whatever the order: that match undoes the overall exposure
    // and colour cast of the pictures before the groups are compared.
    std::array<Vec3, 6> linear{};
    Vec3 sum{};
    Vec3 referenceSum{};
    for (int g = 0; g < n; ++g) {
      for (int i = 0; i < 9; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
          const float v = r.linear[g][i][ch] * r.gain[g][ch] / 9;
          linear[out.group[g][i]][ch] += v;
          sum[ch] += v;
        }
      }
    }
    for (const Vec3& ref : referenceLinear) {
      for (int ch = 0; ch < 3; ++ch) {
        referenceSum[ch] += ref[ch];
      }
    }
    std::vector<double> naming(36);
    for (int k = 0; k < 6; ++k) {
      for (int ch = 0; ch < 3; ++ch) {
        linear[k][ch] *= sum[ch] > 1e-6f ? referenceSum[ch] / sum[ch] : 1.0f;
      }
      const Vec3 lab = LabOfLinear(linear[k]);
      for (int code = 0; code < 6; ++code) {
        naming[k * 6 + code] = LabDistance2(lab, reference[code], 0.5f);
      }
    }
    const std::vector<int> named = CheapestAssignment(naming, 6);
    for (int k = 0; k < 6; ++k) {
      out.codeOfGroup[k] = named[k] + 1;
    }
  }
  return out;
}

}  // namespace rotalo::scan
