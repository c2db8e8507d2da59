#include "scan/assemble.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "model/rotation.h"
#include "model/tables.h"
#include "scan/assignment.h"

namespace rotalo::scan {

namespace {

// The most arrangements fitted piece by piece, cheapest by rule count first.
constexpr std::size_t kMostFitted = 96;
// Arrangements breaking this many more piece rules than the best are dropped.
constexpr int kRuleSlack = 2;

// validCorner[a][b][c]: faces a, b, c in this rotational order meet at a corner.
struct CornerFaces {
  std::array<std::array<std::array<bool, 7>, 7>, 7> valid{};
  constexpr CornerFaces() {
    for (const auto& row : kCornerTable) {
      for (int m = 0; m < 3; ++m) {
        const int a = (row[m] - 1) / 8 + 1;
        const int b = (row[(m + 1) % 3] - 1) / 8 + 1;
        const int c = (row[(m + 2) % 3] - 1) / 8 + 1;
        valid[a][b][c] = true;
      }
    }
  }
};
constexpr CornerFaces kCornerFaces;

float Cost(const Classification& c, const Arrangement& a, int facelet, int group) {
  const int face = HomeFace(facelet);
  return c.cost[a.readingOfFace[face]][StickerOf(facelet, a.turnOfFace[face])][group];
}

// The cost of edge piece q in slot s, flipped or not, and of corner piece q
// in slot s twisted o steps.
double EdgeCost(const Classification& c, const Arrangement& a, int s, int q, int flip) {
  const auto& slot = tables::kEdgePairs[s];
  const auto& piece = tables::kEdgePairs[q];
  const int g0 = a.readingOfFace[HomeFace(piece[flip])];
  const int g1 = a.readingOfFace[HomeFace(piece[1 - flip])];
  return Cost(c, a, slot[0], g0) + Cost(c, a, slot[1], g1);
}

double CornerCost(const Classification& c, const Arrangement& a, int s, int q, int twist) {
  double sum = 0;
  for (int m = 0; m < 3; ++m) {
    sum += Cost(c, a, kCornerTable[s][m], a.readingOfFace[HomeFace(kCornerTable[q][(m + twist) % 3])]);
  }
  return sum;
}

// One kind of piece (edges: 12 slots, 2 orientations; corners: 8 slots, 3
// orientations) placed the cheapest way, with the margin of each facelet:
// the cheapest change that gives it another colour, by turning its piece in
// place or by swapping its piece with another slot's.
template <int kSlots, int kTurns, typename CostOf, typename SlotFacelets, typename PieceFacelets>
double PlacePieces(const Arrangement& a, PieceFit& fit, CostOf costOf, SlotFacelets slotFacelets,
                   PieceFacelets pieceFacelets) {
  std::array<std::array<std::array<double, kTurns>, kSlots>, kSlots> cost{};
  std::vector<double> best(kSlots * kSlots);
  for (int s = 0; s < kSlots; ++s) {
    for (int q = 0; q < kSlots; ++q) {
      for (int o = 0; o < kTurns; ++o) {
        cost[s][q][o] = costOf(s, q, o);
      }
      best[s * kSlots + q] = *std::min_element(cost[s][q].begin(), cost[s][q].end());
    }
  }
  const std::vector<int> pieceOf = CheapestAssignment(best, kSlots);
  std::array<int, kSlots> turnOf{};
  double total = 0;
  for (int s = 0; s < kSlots; ++s) {
    const auto& options = cost[s][pieceOf[s]];
    turnOf[s] = static_cast<int>(std::min_element(options.begin(), options.end()) - options.begin());
    total += options[turnOf[s]];
  }
  // The colour group that facelet m of a slot shows with piece q turned o.
  const auto colourAt = [&](int q, int o, int m) {
    return a.readingOfFace[HomeFace(pieceFacelets(q)[(m + o) % kTurns])];
  };
  for (int s = 0; s < kSlots; ++s) {
    const int q = pieceOf[s];
    const int o = turnOf[s];
    const double here = cost[s][q][o];
    for (int m = 0; m < kTurns; ++m) {
      const int facelet = slotFacelets(s)[m];
      const int colour = colourAt(q, o, m);
      fit.group[facelet] = colour;
      double margin = std::numeric_limits<double>::infinity();
      for (int o2 = 0; o2 < kTurns; ++o2) {
        if (colourAt(q, o2, m) != colour) {
          margin = std::min(margin, cost[s][q][o2] - here);
        }
      }
      for (int s2 = 0; s2 < kSlots; ++s2) {
        if (s2 == s) {
          continue;
        }
        const int q2 = pieceOf[s2];
        const double there = cost[s2][q2][turnOf[s2]];
        const double moved = best[s2 * kSlots + q];
        for (int o2 = 0; o2 < kTurns; ++o2) {
          if (colourAt(q2, o2, m) != colour) {
            margin = std::min(margin, cost[s][q2][o2] + moved - here - there);
          }
        }
      }
      fit.margin[facelet] = static_cast<float>(std::max(margin, 0.0));
    }
  }
  return total;
}

// Counts the edges and corners whose stickers' groups no piece has: hard
// labels only, for trying arrangements quickly.
class RuleCounter {
 public:
  RuleCounter(const Classification& c, Arrangement& a) : c_(c), a_(a) {
    for (int s = 0; s < 12; ++s) {
      const auto& e = tables::kEdgePairs[s];
      edgesAt_[std::max(HomeFace(e[0]), HomeFace(e[1]))].push_back(s);
    }
    for (int s = 0; s < 8; ++s) {
      const auto& k = kCornerTable[s];
      cornersAt_[std::max({HomeFace(k[0]), HomeFace(k[1]), HomeFace(k[2])})].push_back(s);
    }
  }

  // Every turn of every face from `face` on, given the turns before it.
  void Search(int face, int broken, std::vector<std::pair<int, Arrangement>>& found, int& fewest) {
    if (face > 6) {
      fewest = std::min(fewest, broken);
      found.emplace_back(broken, a_);
      return;
    }
    for (int t = 0; t < 4; ++t) {
      a_.turnOfFace[face] = t;
      int more = broken;
      for (const int s : edgesAt_[face]) {
        const auto& e = tables::kEdgePairs[s];
        const int f0 = HomeOf(e[0]);
        const int f1 = HomeOf(e[1]);
        more += (f0 == f1 || OppositeFace(f0) == f1) ? 1 : 0;
      }
      for (const int s : cornersAt_[face]) {
        const auto& k = kCornerTable[s];
        more += kCornerFaces.valid[HomeOf(k[0])][HomeOf(k[1])][HomeOf(k[2])] ? 0 : 1;
      }
      if (more <= fewest + kRuleSlack) {
        Search(face + 1, more, found, fewest);
      }
    }
  }

  void SetHomes() {
    for (int f = 1; f <= 6; ++f) {
      homeOfGroup_[a_.readingOfFace[f]] = f;
    }
  }

 private:
  // The face whose centre has the group that facelet i was given.
  int HomeOf(int facelet) const {
    const int face = HomeFace(facelet);
    return homeOfGroup_[c_.group[a_.readingOfFace[face]][StickerOf(facelet, a_.turnOfFace[face])]];
  }

  const Classification& c_;
  Arrangement& a_;
  std::array<int, 6> homeOfGroup_{};
  std::array<std::vector<int>, 7> edgesAt_;
  std::array<std::vector<int>, 7> cornersAt_;
};

}  // namespace

int StickerOf(int facelet, int turn) {
  if (facelet > 48) {
    return 4;
  }
  const int p = (facelet - 1) % 8;
  return kRing[(p + 2 * turn) % 8];
}

PieceFit FitPieces(const Classification& c, const Arrangement& a) {
  PieceFit fit;
  fit.group.fill(-1);
  fit.margin.fill(0);
  for (int f = 1; f <= 6; ++f) {
    fit.group[48 + f] = a.readingOfFace[f];
    fit.margin[48 + f] = std::numeric_limits<float>::infinity();
  }
  fit.cost = PlacePieces<12, 2>(
      a, fit, [&](int s, int q, int o) { return EdgeCost(c, a, s, q, o); }, [](int s) { return tables::kEdgePairs[s]; },
      [](int q) { return tables::kEdgePairs[q]; });
  fit.cost += PlacePieces<8, 3>(
      a, fit, [&](int s, int q, int o) { return CornerCost(c, a, s, q, o); }, [](int s) { return kCornerTable[s]; },
      [](int q) { return kCornerTable[q]; });
  return fit;
}

PieceFit FitNearest(const Classification& c, const Arrangement& a) {
  PieceFit fit;
  fit.group.fill(-1);
  fit.margin.fill(0);
  for (int i = 1; i <= kFacelets; ++i) {
    const int face = HomeFace(i);
    const int g = a.readingOfFace[face];
    if (g < 0) {
      continue;
    }
    const auto& cost = c.cost[g][StickerOf(i, a.turnOfFace[face])];
    if (i > 48) {
      fit.group[i] = g;
      fit.margin[i] = std::numeric_limits<float>::infinity();
      continue;
    }
    std::array<float, 6> sorted = cost;
    std::sort(sorted.begin(), sorted.end());
    fit.group[i] = static_cast<int>(std::min_element(cost.begin(), cost.end()) - cost.begin());
    fit.margin[i] = sorted[1] - sorted[0];
    fit.cost += sorted[0];
  }
  return fit;
}

std::vector<std::pair<Arrangement, PieceFit>> BestArrangements(const Classification& c, double tolerance) {
  std::array<int, 6> readingOfCode{};
  for (int g = 0; g < 6; ++g) {
    readingOfCode[c.codeOfGroup[g] - 1] = g;
  }
  Arrangement a;
  a.readingOfFace[0] = -1;
  a.readingOfFace[1] = readingOfCode[0];
  RuleCounter counter(c, a);
  std::vector<std::pair<int, Arrangement>> found;
  int fewest = std::numeric_limits<int>::max() / 2;
  for (int bottom = 1; bottom < 6; ++bottom) {
    std::vector<int> ring;
    for (int code = 1; code < 6; ++code) {
      if (code != bottom) {
        ring.push_back(readingOfCode[code]);  // lowest code first
      }
    }
    a.readingOfFace[6] = readingOfCode[bottom];
    a.readingOfFace[2] = ring[0];
    std::array<int, 3> rest{ring[1], ring[2], ring[3]};
    do {
      a.readingOfFace[3] = rest[0];
      a.readingOfFace[4] = rest[1];
      a.readingOfFace[5] = rest[2];
      counter.SetHomes();
      counter.Search(1, 0, found, fewest);
    } while (std::next_permutation(rest.begin(), rest.end()));
  }
  std::erase_if(found, [&](const auto& f) { return f.first > fewest + kRuleSlack; });
  std::stable_sort(found.begin(), found.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  if (found.size() > kMostFitted) {
    found.resize(kMostFitted);
  }
  std::vector<std::pair<Arrangement, PieceFit>> fitted;
  for (const auto& [unused, arrangement] : found) {
    fitted.emplace_back(arrangement, FitPieces(c, arrangement));
  }
  std::sort(fitted.begin(), fitted.end(), [](const auto& x, const auto& y) { return x.second.cost < y.second.cost; });
  const double limit = fitted.empty() ? 0 : fitted.front().second.cost + tolerance;
  std::erase_if(fitted, [&](const auto& f) { return f.second.cost > limit; });
  return fitted;
}

}  // namespace rotalo::scan
