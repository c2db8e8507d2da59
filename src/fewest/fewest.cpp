#include "fewest/fewest.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "fewest/cubie.h"
#include "fewest/tables.h"
#include "model/moves.h"
#include "model/rotation.h"

namespace rotalo {

namespace {

using fewest::CubieCube;
using fewest::CubieFault;
using fewest::kMoveCount;
using fewest::kPermutations4;
using fewest::kPhase2MoveCount;
using fewest::kPhase2Moves;
using fewest::MoveFace;
using fewest::MoveTurns;
using fewest::Tables;

std::once_flag tablesBuilt;
std::unique_ptr<const Tables> tables;

const Tables& TheTables() {
  std::call_once(tablesBuilt, [] { tables = std::make_unique<const Tables>(fewest::BuildTables()); });
  return *tables;
}

// No solution the search returns is longer than this; no position needs
// more than 20 moves, so a search for 21 or fewer always ends.
constexpr int kLongest = 21;
constexpr int kMostMoves = 32;  // room for a path of phase 1 and phase 2

// Phase-2 searches grow costly with their length and seldom make the whole
// solution shorter; the time goes further on more phase-1 solutions. After
// a phase 1 of kShortPhase1 moves or more, phase 2 may take kLongestPhase2
// moves, and one more while there is no solution yet (so that a first
// solution of 21 moves can come from a phase 1 of 10). After a shorter
// phase 1, of which there are few, phase 2 is not limited: a cube close to
// the group of phase 2 needs a long phase 2.
constexpr int kShortPhase1 = 7;
constexpr int kLongestPhase2 = 10;

constexpr std::array<int, 7> kOpposite{0, 6, 4, 5, 2, 3, 1};

// Whether a move of `face` may follow one of `last`: never the same face
// twice, and of two opposite faces, which commute, only the lower first.
inline bool MayFollow(int face, int last) {
  return face != last && !(kOpposite[face] == last && face < last);
}

// The cube as the search sees it from one of six sides: looked at with
// another face on top, and perhaps turned back to front in time (the
// inverse cube, whose solution is the original one's backwards).
struct Start {
  int twist = 0;
  int flip = 0;
  int set = 0;                                   // the set of places of the middle-layer edges
  std::array<std::uint8_t, 8> corners{};         // the corner in each place
  std::array<std::uint8_t, 12> edges{};          // the edge in each place
  std::array<int, 7> face{0, 1, 2, 3, 4, 5, 6};  // face in this view -> face of the cube
  bool inverse = false;
  int bound = 0;  // moves phase 1 needs at least
};

Start MakeStart(const Tables& t, const CubieCube& cube, const std::array<int, 7>& face, bool inverse) {
  Start s;
  s.twist = fewest::Twist(cube);
  s.flip = fewest::Flip(cube);
  s.set = fewest::EdgePlacing(cube, 8) / 24;
  s.corners = cube.cp;
  s.edges = cube.ep;
  s.face = face;
  s.inverse = inverse;
  s.bound =
      std::max({t.twistSlice.Get(t.TwistSliceIndex(s.twist, s.set)), t.flipSlice.Get(t.FlipSliceIndex(s.flip, s.set)),
                t.twistFlip.Get(t.TwistFlipIndex(s.twist, s.flip))});
  return s;
}

// Where each facelet's value comes from when the whole cube turns a quarter
// about the axis of face `axis`.
std::array<Int16, kFacelets + 1> RotationSource(int axis) {
  Vars vars;
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[0][i] = static_cast<Int16>(i);
  }
  RotateCubeState(vars, axis, 1);
  std::array<Int16, kFacelets + 1> source{};
  for (int i = 1; i <= kFacelets; ++i) {
    source[i] = vars.current()[i];
  }
  return source;
}

// The cube turned whole about the axis of face `axis` and renumbered so that
// each face's centre names it again; `face` learns which face of the cube
// each face of the turned cube is.
Buffer TurnedWhole(const Buffer& cube, int axis, std::array<int, 7>& face) {
  static const std::array<Int16, kFacelets + 1> source5 = RotationSource(5);
  static const std::array<Int16, kFacelets + 1> source4 = RotationSource(4);
  const auto& source = axis == 5 ? source5 : source4;
  Buffer moved{};
  for (int i = 1; i <= kFacelets; ++i) {
    moved[i] = cube[source[i]];
  }
  std::array<Int16, 7> renumber{};
  for (int f = 1; f <= 6; ++f) {
    renumber[moved[48 + f]] = static_cast<Int16>(f);
    face[f] = moved[48 + f];
  }
  for (int i = 1; i <= kFacelets; ++i) {
    moved[i] = renumber[moved[i]];
  }
  return moved;
}

using Clock = std::chrono::steady_clock;

class Search {
 public:
  Search(const Tables& t, const FewestOptions& options)
      : t_(t), target_(std::min(options.targetLength, kLongest)), deadline_(Clock::now() + options.timeBudget) {}

  // Searches phase-1 lengths 0, 1, 2... from every start in turn, each
  // phase-1 solution followed by the shortest phase 2 that beats the best
  // solution so far. Once phase 1 reaches the length of the best solution,
  // no shorter one exists (as far as phase 2's limit lets it tell). Should
  // the limited search end without a solution, it runs again unlimited.
  void Run(const std::vector<Start>& starts) {
    Pass(starts);
    if (!Found()) {
      limited_ = false;
      Pass(starts);
    }
  }

  bool Found() const { return best_ <= kLongest; }
  int BestLength() const { return best_; }
  int BestMove(int k) const { return bestPath_[static_cast<std::size_t>(k)]; }
  std::size_t BestStart() const { return bestStart_; }

 private:
  void Pass(const std::vector<Start>& starts) {
    for (int length = 0; length < best_ && !stopped_; ++length) {
      for (std::size_t n = 0; n < starts.size() && !stopped_; ++n) {
        const Start& s = starts[n];
        if (length < s.bound) {
          continue;
        }
        start_ = n;
        cornersAt_[0] = s.corners;
        edgesAt_[0] = s.edges;
        known_ = 0;
        if (length == 0) {
          stopped_ = Phase2Start(0);
        } else {
          stopped_ = Phase1(0, length, s.twist, s.flip, s.set, 0);
        }
      }
    }
  }

  // Phase 1 with exactly `togo` moves left from the given coordinates (the
  // middle-layer edges by their set of places); true when the whole search
  // is to stop.
  bool Phase1(int n, int togo, int twist, int flip, int set, int lastFace) {
    const std::uint16_t* twistRow = &t_.twistMove[static_cast<std::size_t>(twist * kMoveCount)];
    const std::uint16_t* flipRow = &t_.flipMove[static_cast<std::size_t>(flip * kMoveCount)];
    const std::uint16_t* setRow = &t_.sliceSetMove[static_cast<std::size_t>(set * kMoveCount)];
    // The twist-and-flip distance of every neighbour first, without
    // branches, so that the look-ups overlap.
    std::array<std::uint8_t, kMoveCount> twistFlip;
    for (int m = 0; m < kMoveCount; ++m) {
      twistFlip[static_cast<std::size_t>(m)] =
          static_cast<std::uint8_t>(t_.twistFlip.Get(t_.TwistFlipIndex(twistRow[m], flipRow[m])));
    }
    // The moves whose neighbours the small tables leave in reach.
    std::array<std::uint8_t, kMoveCount> moves;
    int count = 0;
    for (int m = 0; m < kMoveCount; ++m) {
      const int face = MoveFace(m);
      if (!MayFollow(face, lastFace)) {
        m += 2;
        continue;
      }
      // The last move of phase 1 leaves the group phase 2 works in; any other
      // would have reached it one move earlier.
      if (togo == 1 && (face == 1 || face == 6 || MoveTurns(m) == 2)) {
        continue;
      }
      if (twistFlip[static_cast<std::size_t>(m)] >= togo ||
          t_.twistSlice.Get(t_.TwistSliceIndex(twistRow[m], setRow[m])) >= togo ||
          t_.flipSlice.Get(t_.FlipSliceIndex(flipRow[m], setRow[m])) >= togo) {
        continue;
      }
      moves[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(m);
    }
    // Near the goal the exact distances decide, their look-ups started
    // together.
    if (togo <= t_.nearPhase1.depth() + 1) {
      std::array<std::uint64_t, kMoveCount> keys;
      for (int i = 0; i < count; ++i) {
        const int m = moves[static_cast<std::size_t>(i)];
        keys[static_cast<std::size_t>(i)] = t_.Phase1Key(twistRow[m], flipRow[m], setRow[m]);
        t_.nearPhase1.Prefetch(keys[static_cast<std::size_t>(i)]);
      }
      int kept = 0;
      for (int i = 0; i < count; ++i) {
        const int d = t_.nearPhase1.Distance(keys[static_cast<std::size_t>(i)]);
        if (d >= 0 && d < togo) {
          moves[static_cast<std::size_t>(kept++)] = moves[static_cast<std::size_t>(i)];
        }
      }
      count = kept;
    }
    for (int i = 0; i < count; ++i) {
      const int m = moves[static_cast<std::size_t>(i)];
      path_[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(m);
      known_ = std::min(known_, n);
      const bool stop =
          togo == 1 ? Phase2Start(n + 1) : Phase1(n + 1, togo - 1, twistRow[m], flipRow[m], setRow[m], MoveFace(m));
      if (stop || TimeUp()) {
        return true;
      }
    }
    return false;
  }

  // Whether the time is up, asked now and then: every so many nodes.
  bool TimeUp() {
    if (++nodes_ < nextCheck_) {
      return false;
    }
    nextCheck_ = nodes_ + kNodesBetweenChecks;
    return Found() && Clock::now() >= deadline_;
  }

  // After a phase-1 solution of n moves: the shortest phase 2 that makes the
  // whole solution shorter than the best so far. True when the search is to
  // stop.
  bool Phase2Start(int n) {
    int budget = best_ - 1 - n;
    if (limited_ && n >= kShortPhase1) {
      budget = std::min(budget, Found() ? kLongestPhase2 : kLongestPhase2 + 1);
    }
    if (budget < 0) {
      return false;
    }
    // The pieces move by places, quicker than through tables of orders.
    for (; known_ < n; ++known_) {
      const auto k = static_cast<std::size_t>(known_);
      const fewest::CubieCube& move = fewest::MoveCube(path_[k]);
      for (std::size_t i = 0; i < 8; ++i) {
        cornersAt_[k + 1][i] = cornersAt_[k][move.cp[i]];
      }
      for (std::size_t i = 0; i < 12; ++i) {
        edgesAt_[k + 1][i] = edgesAt_[k][move.ep[i]];
      }
    }
    const auto& pieces = edgesAt_[static_cast<std::size_t>(n)];
    const std::uint8_t slice[4] = {static_cast<std::uint8_t>(pieces[8] - 8), static_cast<std::uint8_t>(pieces[9] - 8),
                                   static_cast<std::uint8_t>(pieces[10] - 8),
                                   static_cast<std::uint8_t>(pieces[11] - 8)};
    const int order = fewest::PermutationIndex(slice, 4);
    const int corner = fewest::Permutation8Index(cornersAt_[static_cast<std::size_t>(n)].data());
    int bound = t_.CornerSliceDistance(corner, order);
    if (bound > budget) {
      return false;
    }
    const int edges = fewest::Permutation8Index(pieces.data());
    bound = std::max(bound, t_.EdgeSliceDistance(edges, order));
    if (bound > budget) {
      return false;
    }
    if (budget <= t_.nearPhase2.depth()) {
      bound = t_.nearPhase2.Distance(t_.Phase2Key(corner, edges, order));
      if (bound < 0 || bound > budget) {
        return false;
      }
    }
    const int lastFace = n > 0 ? MoveFace(path_[static_cast<std::size_t>(n - 1)]) : 0;
    for (int length = bound; length <= budget; ++length) {
      if (Phase2(n, length, corner, edges, order, lastFace)) {
        best_ = n + length;
        bestPath_ = path_;
        bestStart_ = start_;
        return best_ <= target_;
      }
    }
    return false;
  }

  // Phase 2 with exactly `togo` moves left; true when solved.
  bool Phase2(int n, int togo, int corner, int edges, int order, int lastFace) {
    if (togo == 0) {
      return corner == 0 && edges == 0 && order == 0;
    }
    ++nodes_;
    struct Next {
      std::uint16_t corner, edges;
      std::uint8_t order, move;
    };
    std::array<Next, kPhase2MoveCount> next;
    int count = 0;
    for (int k = 0; k < kPhase2MoveCount; ++k) {
      const int m = kPhase2Moves[static_cast<std::size_t>(k)];
      if (!MayFollow(MoveFace(m), lastFace)) {
        continue;
      }
      const int corner2 = t_.cornerMove[static_cast<std::size_t>(corner * kPhase2MoveCount + k)];
      const int order2 = t_.sliceMove[static_cast<std::size_t>(order * kPhase2MoveCount + k)];
      if (t_.CornerSliceDistance(corner2, order2) >= togo) {
        continue;
      }
      const int edges2 = t_.edge8Move[static_cast<std::size_t>(edges * kPhase2MoveCount + k)];
      if (t_.EdgeSliceDistance(edges2, order2) >= togo) {
        continue;
      }
      next[static_cast<std::size_t>(count++)] = {static_cast<std::uint16_t>(corner2),
                                                 static_cast<std::uint16_t>(edges2), static_cast<std::uint8_t>(order2),
                                                 static_cast<std::uint8_t>(m)};
    }
    if (togo <= t_.nearPhase2.depth() + 1) {
      std::array<std::uint64_t, kPhase2MoveCount> keys;
      for (int i = 0; i < count; ++i) {
        const Next& x = next[static_cast<std::size_t>(i)];
        keys[static_cast<std::size_t>(i)] = t_.Phase2Key(x.corner, x.edges, x.order);
        t_.nearPhase2.Prefetch(keys[static_cast<std::size_t>(i)]);
      }
      int kept = 0;
      for (int i = 0; i < count; ++i) {
        const int d = t_.nearPhase2.Distance(keys[static_cast<std::size_t>(i)]);
        if (d >= 0 && d < togo) {
          next[static_cast<std::size_t>(kept++)] = next[static_cast<std::size_t>(i)];
        }
      }
      count = kept;
    }
    for (int i = 0; i < count; ++i) {
      const Next& x = next[static_cast<std::size_t>(i)];
      path_[static_cast<std::size_t>(n)] = x.move;
      if (Phase2(n + 1, togo - 1, x.corner, x.edges, x.order, MoveFace(x.move))) {
        return true;
      }
    }
    return false;
  }

  const Tables& t_;
  const int target_;
  const Clock::time_point deadline_;
  int best_ = kLongest + 1;
  bool stopped_ = false;
  bool limited_ = true;  // phase 2's length limited
  static constexpr long kNodesBetweenChecks = 256;
  long nodes_ = 0;  // phase-1 and phase-2 nodes so far
  long nextCheck_ = kNodesBetweenChecks;
  std::size_t start_ = 0;
  std::size_t bestStart_ = 0;
  std::array<std::uint8_t, kMostMoves> path_{};
  std::array<std::uint8_t, kMostMoves> bestPath_{};
  // The corners and edges in their places after the first k moves of
  // path_, worked out as far as k = known_.
  std::array<std::array<std::uint8_t, 8>, kMostMoves> cornersAt_{};
  std::array<std::array<std::uint8_t, 12>, kMostMoves> edgesAt_{};
  int known_ = 0;
};

FewestFault FaultOf(CubieFault fault) {
  switch (fault) {
    case CubieFault::None:
      return FewestFault::None;
    case CubieFault::Pieces:
      return FewestFault::Pieces;
    case CubieFault::Twist:
      return FewestFault::Twist;
    case CubieFault::Flip:
      return FewestFault::Flip;
    case CubieFault::Parity:
      return FewestFault::Parity;
  }
  return FewestFault::Pieces;
}

}  // namespace

void EnsureFewestTables() {
  TheTables();
}

std::size_t FewestTableBytes() {
  return TheTables().Bytes();
}

FewestSolution SolveFewest(const Buffer& homeFaceCube, const FewestOptions& options) {
  FewestSolution solution;
  CubieCube cube;
  solution.fault = FaultOf(fewest::ReadCubies(homeFaceCube, cube));
  if (!solution.Solved()) {
    return solution;
  }
  const Tables& t = TheTables();
  std::vector<Start> starts;
  const std::array<int, 7> same{0, 1, 2, 3, 4, 5, 6};
  // A symmetric cube looks the same from several sides; each look is
  // searched once.
  std::vector<CubieCube> seen;
  const auto add = [&](const CubieCube& c, const std::array<int, 7>& face, bool inverse) {
    if (std::find(seen.begin(), seen.end(), c) == seen.end()) {
      seen.push_back(c);
      starts.push_back(MakeStart(t, c, face, inverse));
    }
  };
  add(cube, same, false);
  add(fewest::Inverse(cube), same, true);
  for (const int axis : {5, 4}) {
    std::array<int, 7> face{};
    CubieCube turned;
    fewest::ReadCubies(TurnedWhole(homeFaceCube, axis, face), turned);
    add(turned, face, false);
    add(fewest::Inverse(turned), face, true);
  }

  // The search ends with a solution: every position has one of 20 moves or
  // fewer, and the search does not give up before it has one.
  Search search(t, options);
  search.Run(starts);
  const Start& s = starts[search.BestStart()];
  const int length = search.BestLength();
  std::vector<std::pair<int, int>> moves;
  for (int k = 0; k < length; ++k) {
    moves.emplace_back(MoveFace(search.BestMove(k)), MoveTurns(search.BestMove(k)));
  }
  if (s.inverse) {
    std::reverse(moves.begin(), moves.end());
    for (auto& move : moves) {
      move.second = 4 - move.second;
    }
  }
  for (const auto& [face, turns] : moves) {
    AppendToken(solution.moves, s.face[static_cast<std::size_t>(face)], turns);
  }
  solution.count = length;
  return solution;
}

}  // namespace rotalo
