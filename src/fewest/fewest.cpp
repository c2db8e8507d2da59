#include "fewest/fewest.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "fewest/cubie.h"
#include "fewest/table_cache.h"
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

std::once_flag tablesMade;
std::unique_ptr<const Tables> tables;

// The program's tables, read from `cacheFolder` or built (and kept there)
// by the first caller.
const Tables& TheTables(const std::filesystem::path* cacheFolder = nullptr) {
  std::call_once(tablesMade, [&] {
    if (cacheFolder == nullptr || cacheFolder->empty()) {
      tables = std::make_unique<const Tables>(fewest::BuildTables());
      return;
    }
    fewest::TablesFrom how = fewest::TablesFrom::Built;
    tables = std::make_unique<const Tables>(fewest::LoadOrBuildTables(*cacheFolder, how));
  });
  return *tables;
}

// No solution the search returns is longer than this; no position needs
// more than 20 moves, so a search for 21 or fewer always ends.
constexpr int kLongest = 21;
constexpr int kMostMoves = 32;  // room for a path of phase 1 and phase 2

// Phase-2 searches grow costly with their length and seldom make the whole
// solution shorter; the time goes further on more phase-1 solutions. After
// a phase 1 of kShortPhase1 moves or more, phase 2 may take kFirstPhase2
// moves until there is a solution and kLongestPhase2 after that, when the
// near-goal tables tell its length at once. (A first solution limited so
// comes from a longer phase 1 and is shorter, in about the same time.)
// After a shorter phase 1, of which there are few, phase 2 is not limited:
// a cube close to the group of phase 2 needs a long phase 2.
constexpr int kShortPhase1 = 7;
constexpr int kFirstPhase2 = 10;
constexpr int kLongestPhase2 = 9;

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

// What the threads of one search share: the starts, the work handed out so
// far and the best solution. The work is the pairs (phase-1 length, start)
// in the order of a search on one thread, each taken by the next thread
// free, so that every thread works at the shortest length not yet done.
struct Shared {
  Shared(const std::vector<Start>& s, const FewestOptions& options)
      : starts(s),
        target(std::min(options.targetLength, kLongest)),
        deadline(Clock::now() + options.timeBudget),
        nodeBudget(options.nodeBudget) {}

  bool Found() const { return best.load(std::memory_order_relaxed) <= kLongest; }

  const std::vector<Start>& starts;
  const int target;
  const Clock::time_point deadline;
  const long nodeBudget;
  bool limited = true;           // phase 2's length limited
  std::atomic<int> nextWork{0};  // length * starts + start
  std::atomic<bool> stopped{false};
  std::atomic<int> best{kLongest + 1};
  std::mutex bestMutex;  // guards the best path and its start
  std::array<std::uint8_t, kMostMoves> bestPath{};
  std::size_t bestStart = 0;
};

class Search {
 public:
  Search(const Tables& t, Shared& shared) : t_(t), shared_(shared) {}

  // Takes (length, start) pairs until phase 1 reaches the length of the best
  // solution, when no shorter one exists (as far as phase 2's limit lets it
  // tell), or until the search stops. Each phase-1 solution is followed by
  // the shortest phase 2 that beats the best solution so far.
  void Run() {
    const int count = static_cast<int>(shared_.starts.size());
    while (!shared_.stopped.load(std::memory_order_relaxed)) {
      const int work = shared_.nextWork.fetch_add(1);
      const int length = work / count;
      if (length >= shared_.best.load(std::memory_order_relaxed)) {
        return;
      }
      const Start& s = shared_.starts[static_cast<std::size_t>(work % count)];
      if (length < s.bound) {
        continue;
      }
      start_ = static_cast<std::size_t>(work % count);
      cornersAt_[0] = s.corners;
      edgesAt_[0] = s.edges;
      known_ = 0;
      const bool stop = length == 0 ? Phase2Start(0) : Phase1(0, length, s.twist, s.flip, s.set, 0);
      if (stop) {
        shared_.stopped.store(true, std::memory_order_relaxed);
      }
    }
  }

 private:
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
    // Near the goal the exact distances decide, one move further out the
    // reach bits; their look-ups started together.
    const bool exact = togo <= t_.nearPhase1.depth() + 1;
    if (exact || togo == t_.Phase1ReachDepth() + 1) {
      std::array<std::uint64_t, kMoveCount> keys;
      for (int i = 0; i < count; ++i) {
        const int m = moves[static_cast<std::size_t>(i)];
        const std::uint64_t key = t_.Phase1Key(twistRow[m], flipRow[m], setRow[m]);
        keys[static_cast<std::size_t>(i)] = key;
        if (exact) {
          t_.nearPhase1.Prefetch(key);
        } else {
          t_.PrefetchPhase1Reach(key);
        }
      }
      int kept = 0;
      for (int i = 0; i < count; ++i) {
        const std::uint64_t key = keys[static_cast<std::size_t>(i)];
        const int d = exact ? t_.nearPhase1.Distance(key) : -1;
        if (exact ? d >= 0 && d < togo : t_.WithinPhase1Reach(key)) {
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

  // Whether the search is to stop, asked now and then: every so many
  // nodes. Another thread may have stopped it; otherwise, once there is a
  // solution, the budget decides.
  bool TimeUp() {
    if (++nodes_ < nextCheck_) {
      return false;
    }
    nextCheck_ = nodes_ + kNodesBetweenChecks;
    if (shared_.stopped.load(std::memory_order_relaxed)) {
      return true;
    }
    if (!shared_.Found()) {
      return false;
    }
    return shared_.nodeBudget > 0 ? nodes_ >= shared_.nodeBudget : Clock::now() >= shared_.deadline;
  }

  // After a phase-1 solution of n moves: the shortest phase 2 that makes the
  // whole solution shorter than the best so far. True when the search is to
  // stop.
  bool Phase2Start(int n) {
    int budget = shared_.best.load(std::memory_order_relaxed) - 1 - n;
    if (shared_.limited && n >= kShortPhase1) {
      budget = std::min(budget, shared_.Found() ? kLongestPhase2 : kFirstPhase2);
    }
    if (budget < 0) {
      return false;
    }
    // The pieces move by places, quicker than through tables of orders.
    for (auto k = static_cast<std::size_t>(known_); k < static_cast<std::size_t>(n); ++k) {
      const fewest::CubieCube& move = fewest::MoveCube(path_[k]);
      for (std::size_t i = 0; i < 8; ++i) {
        cornersAt_[k + 1][i] = cornersAt_[k][move.cp[i]];
      }
      for (std::size_t i = 0; i < 12; ++i) {
        edgesAt_[k + 1][i] = edgesAt_[k][move.ep[i]];
      }
    }
    known_ = std::max(known_, n);
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
    // The near-goal table knows the exact distance, or that it is more than
    // its depth: the search starts at the length that can succeed.
    const int near = t_.Phase2Distance(t_.Phase2Key(corner, edges, order));
    bound = near >= 0 ? near : std::max(bound, t_.Phase2NearDepth() + 1);
    if (bound > budget) {
      return false;
    }
    const int lastFace = n > 0 ? MoveFace(path_[static_cast<std::size_t>(n - 1)]) : 0;
    for (int length = bound; length <= budget; ++length) {
      if (Phase2(n, length, corner, edges, order, lastFace)) {
        const std::lock_guard<std::mutex> lock(shared_.bestMutex);
        if (n + length < shared_.best.load(std::memory_order_relaxed)) {
          shared_.best.store(n + length, std::memory_order_relaxed);
          shared_.bestPath = path_;
          shared_.bestStart = start_;
        }
        return n + length <= shared_.target;
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
    if (togo <= t_.Phase2NearDepth() + 1) {
      // A position past the near-goal table is Phase2NearDepth() away: only
      // with one move more to go is it worth looking up.
      const bool beyond = togo > t_.Phase2NearDepth();
      std::array<std::uint64_t, kPhase2MoveCount> keys;
      for (int i = 0; i < count; ++i) {
        const Next& x = next[static_cast<std::size_t>(i)];
        keys[static_cast<std::size_t>(i)] = t_.Phase2Key(x.corner, x.edges, x.order);
        if (beyond) {
          t_.PrefetchPhase2(keys[static_cast<std::size_t>(i)]);
        } else {
          t_.nearPhase2.Prefetch(keys[static_cast<std::size_t>(i)]);
        }
      }
      int kept = 0;
      for (int i = 0; i < count; ++i) {
        const std::uint64_t key = keys[static_cast<std::size_t>(i)];
        const int d = beyond ? t_.Phase2Distance(key) : t_.nearPhase2.Distance(key);
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
  Shared& shared_;
  static constexpr long kNodesBetweenChecks = 256;
  long nodes_ = 0;  // phase-1 and phase-2 nodes of this thread so far
  long nextCheck_ = kNodesBetweenChecks;
  std::size_t start_ = 0;
  std::array<std::uint8_t, kMostMoves> path_{};
  // The corners and edges in their places after the first k moves of
  // path_, worked out as far as k = known_.
  std::array<std::array<std::uint8_t, 8>, kMostMoves> cornersAt_{};
  std::array<std::array<std::uint8_t, 12>, kMostMoves> edgesAt_{};
  int known_ = 0;
};

// Threads kept from one search to the next. A thread started for each
// search would often begin on the core of the thread that started it and
// share that core for much of a short search.
class Helpers {
 public:
  Helpers() = default;
  Helpers(const Helpers&) = delete;
  Helpers& operator=(const Helpers&) = delete;
  ~Helpers() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
      thread.join();
    }
  }

  // Runs `job` on `count` kept threads besides the calling one, and returns
  // when every one has finished. False, having run nothing, while another
  // caller has the threads.
  bool Run(int count, const std::function<void()>& job) {
    const std::unique_lock<std::mutex> user(user_, std::try_to_lock);
    if (!user.owns_lock()) {
      return false;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    while (static_cast<int>(threads_.size()) < count) {
      threads_.emplace_back([this, index = static_cast<int>(threads_.size())] { Loop(index); });
    }
    job_ = &job;
    wanted_ = count;
    running_ = count;
    ++generation_;
    lock.unlock();
    wake_.notify_all();
    job();
    lock.lock();
    done_.wait(lock, [this] { return running_ == 0; });
    return true;
  }

 private:
  void Loop(int index) {
    std::uint64_t seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
      wake_.wait(lock, [&] { return quit_ || generation_ != seen; });
      if (quit_) {
        return;
      }
      seen = generation_;
      if (index >= wanted_) {
        continue;
      }
      const std::function<void()>* job = job_;
      lock.unlock();
      (*job)();
      lock.lock();
      if (--running_ == 0) {
        done_.notify_all();
      }
    }
  }

  std::mutex user_;   // held by the caller whose search the threads run
  std::mutex mutex_;  // guards what follows
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> threads_;
  const std::function<void()>* job_ = nullptr;
  std::uint64_t generation_ = 0;  // one more for each search
  int wanted_ = 0;                // the threads that take part in this one
  int running_ = 0;               // those of them still searching
  bool quit_ = false;
};

// Runs the search on `threads` threads, this one among them: the kept
// ones, or new ones while another search has those.
void SearchOnThreads(const Tables& t, Shared& shared, int threads) {
  const std::function<void()> job = [&t, &shared] { Search(t, shared).Run(); };
  if (threads <= 1) {
    job();
    return;
  }
  static Helpers kept;
  if (kept.Run(threads - 1, job)) {
    return;
  }
  std::vector<std::thread> helpers;
  for (int k = 1; k < threads; ++k) {
    helpers.emplace_back(job);
  }
  job();
  for (std::thread& helper : helpers) {
    helper.join();
  }
}

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

void LoadOrBuildFewestTables(const std::filesystem::path& cacheFolder) {
  TheTables(&cacheFolder);
}

std::size_t FewestTableBytes() {
  return TheTables().Bytes();
}

FewestSolution SolveFewest(const Buffer& homeFaceCube, const FewestOptions& options) {
  // A cube that cannot be solved needs no tables.
  FewestSolution solution;
  CubieCube cube;
  solution.fault = FaultOf(fewest::ReadCubies(homeFaceCube, cube));
  return solution.Solved() ? SolveFewest(TheTables(), homeFaceCube, options) : solution;
}

FewestSolution SolveFewest(const Tables& t, const Buffer& homeFaceCube, const FewestOptions& options) {
  FewestSolution solution;
  CubieCube cube;
  solution.fault = FaultOf(fewest::ReadCubies(homeFaceCube, cube));
  if (!solution.Solved()) {
    return solution;
  }
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
  // Should the search with phase 2 limited end without a solution, it runs
  // again unlimited.
  Shared shared(starts, options);
  unsigned threads = options.threads > 0 ? static_cast<unsigned>(options.threads) : std::thread::hardware_concurrency();
  threads = std::clamp(threads, 1u, static_cast<unsigned>(starts.size()));
  SearchOnThreads(t, shared, static_cast<int>(threads));
  if (!shared.Found()) {
    shared.limited = false;
    shared.nextWork = 0;
    shared.stopped = false;
    SearchOnThreads(t, shared, static_cast<int>(threads));
  }
  const Start& s = starts[shared.bestStart];
  const int length = shared.best;
  std::vector<std::pair<int, int>> moves;
  for (int k = 0; k < length; ++k) {
    const int m = shared.bestPath[static_cast<std::size_t>(k)];
    moves.emplace_back(MoveFace(m), MoveTurns(m));
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
