// The move tables and distance tables of the fewest-moves search.
//
// Phase 1 takes the cube into the group of positions that turns of faces 1
// and 6 and half turns of the side faces can solve: no corner twisted, no
// edge flipped, the middle-layer edges in the middle layer. Phase 2 solves
// such a position with those turns alone. A move table gives a coordinate
// after a move; a distance table gives, for a pair of coordinates, the
// fewest moves that solve that pair, a lower bound for the whole cube.
// Distance tables keep one entry for each class of positions that the
// symmetries of the cube make alike, which keeps them small enough to stay
// in the processor's caches.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "fewest/cubie.h"

namespace rotalo::fewest {

// The ten turns of phase 2 as moves 0..17: faces 1 and 6 any way, the side
// faces half turns.
inline constexpr int kPhase2MoveCount = 10;
inline constexpr std::array<std::uint8_t, kPhase2MoveCount> kPhase2Moves{0, 1, 2, 15, 16, 17, 4, 7, 10, 13};

// The values of a coordinate grouped by symmetry: each class is represented
// by its lowest value.
struct SymmetryClasses {
  // [value]: 16 * class + a symmetry that takes the value to its class's
  // representative.
  std::vector<std::uint16_t> classOf;
  std::vector<std::uint16_t> representative;  // [class]
  std::vector<std::uint16_t> stabilizer;      // [class]: bit s when symmetry s keeps it
  int Count() const { return static_cast<int>(representative.size()); }
};

// Distances of at most 15, two to a byte.
class NibbleTable {
 public:
  int Get(std::size_t i) const { return (bytes_[i >> 1] >> ((i & 1) * 4)) & 15; }
  void Pack(const std::vector<std::uint8_t>& distances);
  std::size_t Bytes() const { return bytes_.size(); }
  // The packed bytes, for keeping the table in a file.
  std::vector<std::uint8_t>& packed() { return bytes_; }
  const std::vector<std::uint8_t>& packed() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

inline constexpr int kSolvedSliceSet = kSolvedSlicePlacing / 24;

// Positions within a few moves of the goal with their distances, one entry
// for each class of positions the symmetries make alike: an open hash table
// of keys (below 2^(bits of Slot - 4)) with the distance in the low four
// bits of each slot.
template <class Slot>
class NearGoal {
 public:
  // The distance of the position with canonical key `key`, or -1 when it is
  // farther than depth().
  int Distance(std::uint64_t key) const {
    for (std::size_t slot = Home(key);; slot = (slot + 1) & mask_) {
      const Slot entry = slots_[slot];
      if (entry == kEmpty) {
        return -1;
      }
      if ((entry >> 4) == key) {
        return static_cast<int>(entry & 15);
      }
    }
  }
  // Starts reading the slots where `key` would be, for a Distance soon.
  void Prefetch(std::uint64_t key) const {
#if defined(__GNUC__)
    __builtin_prefetch(&slots_[Home(key)]);
#else
    (void)key;
#endif
  }
  int depth() const {
    return depth_;
  }
  std::size_t Bytes() const {
    return slots_.size() * sizeof(Slot);
  }

  // The slots as they stand, for keeping the table in a file.
  const std::vector<Slot>& slots() const {
    return slots_;
  }
  // Takes slots read back from a file, filled to `depth`; false when their
  // count is no power of two, which no filled table has.
  bool Adopt(std::vector<Slot> slots, int depth) {
    const std::size_t count = slots.size();
    // A full table would leave a look-up of an absent key searching forever.
    if (count < 2 || (count & (count - 1)) != 0 || depth < 0 || depth > 15 ||
        std::find(slots.begin(), slots.end(), kEmpty) == slots.end()) {
      return false;
    }
    slots_ = std::move(slots);
    mask_ = count - 1;
    shift_ = 64 - std::countr_zero(count);
    depth_ = depth;
    return true;
  }

  // Fills the table breadth first from the goal to `depth` moves, in a table
  // of 2^bits slots; `expand(key, add)` calls add(k) with the key of every
  // neighbour of the position with key `key`.
  // Returns the keys found at `depth`.
  template <class Expand>
  std::vector<std::uint64_t> Fill(std::uint64_t goal, int depth, int bits, Expand expand) {
    slots_.assign(std::size_t{1} << bits, kEmpty);
    mask_ = slots_.size() - 1;
    shift_ = 64 - bits;
    depth_ = depth;
    std::vector<std::uint64_t> frontier{goal};
    Add(goal, 0);
    for (int d = 1; d <= depth; ++d) {
      std::vector<std::uint64_t> found;
      for (const std::uint64_t key : frontier) {
        // The neighbours' slots are fetched together, then filled.
        std::array<std::uint64_t, kMoveCount> next;
        std::size_t count = 0;
        expand(key, [&](std::uint64_t to) {
          Prefetch(to);
          next[count++] = to;
        });
        for (std::size_t i = 0; i < count; ++i) {
          if (Add(next[i], d)) {
            found.push_back(next[i]);
          }
        }
      }
      frontier.swap(found);
    }
    return frontier;
  }

 private:
  static constexpr Slot kEmpty = static_cast<Slot>(~Slot{0});

  std::size_t Home(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  // Adds the key unless it is there already; true when added.
  bool Add(std::uint64_t key, int distance) {
    std::size_t slot = Home(key);
    for (; slots_[slot] != kEmpty; slot = (slot + 1) & mask_) {
      if ((slots_[slot] >> 4) == key) {
        return false;
      }
    }
    slots_[slot] = static_cast<Slot>(key << 4 | static_cast<std::uint64_t>(distance));
    return true;
  }

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  int shift_ = 64;
  int depth_ = -1;
};

// A set of 32-bit keys in an open hash table, for the positions at one
// distance just past a near-goal table.
class KeySet {
 public:
  bool Contains(std::uint32_t key) const {
    for (std::size_t slot = Home(key);; slot = (slot + 1) & mask_) {
      if (slots_[slot] == key) {
        return true;
      }
      if (slots_[slot] == kEmpty) {
        return false;
      }
    }
  }
  void Prefetch(std::uint32_t key) const {
#if defined(__GNUC__)
    __builtin_prefetch(&slots_[Home(key)]);
#else
    (void)key;
#endif
  }
  // Holds the given keys (repeats allowed), in a table of 2^bits slots.
  void Fill(const std::vector<std::uint32_t>& keys, int bits) {
    slots_.assign(std::size_t{1} << bits, kEmpty);
    mask_ = slots_.size() - 1;
    shift_ = 64 - bits;
    constexpr std::size_t kAhead = 16;  // slots fetched ahead of their turn
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (i + kAhead < keys.size()) {
        Prefetch(keys[i + kAhead]);
      }
      std::size_t slot = Home(keys[i]);
      while (slots_[slot] != kEmpty && slots_[slot] != keys[i]) {
        slot = (slot + 1) & mask_;
      }
      slots_[slot] = keys[i];
    }
  }
  std::size_t Bytes() const {
    return slots_.size() * sizeof(std::uint32_t);
  }
  const std::vector<std::uint32_t>& slots() const {
    return slots_;
  }
  // Takes slots read back from a file; false when their count is no power
  // of two or none is empty.
  bool Adopt(std::vector<std::uint32_t> slots) {
    const std::size_t count = slots.size();
    if (count < 2 || (count & (count - 1)) != 0 || std::find(slots.begin(), slots.end(), kEmpty) == slots.end()) {
      return false;
    }
    slots_ = std::move(slots);
    mask_ = count - 1;
    shift_ = 64 - std::countr_zero(count);
    return true;
  }

 private:
  static constexpr std::uint32_t kEmpty = ~std::uint32_t{0};
  std::size_t Home(std::uint32_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  std::vector<std::uint32_t> slots_;
  std::size_t mask_ = 0;
  int shift_ = 64;
};

struct Tables {
  // Move tables, [coordinate * moves + move].
  std::vector<std::uint16_t> twistMove;     // kTwists x 18
  std::vector<std::uint16_t> flipMove;      // kFlips x 18
  std::vector<std::uint16_t> sliceSetMove;  // kCombinations x 18
  std::vector<std::uint16_t> cornerMove;    // kPermutations8 x 10 (phase-2 moves)
  std::vector<std::uint16_t> edge8Move;     // kPermutations8 x 10 (phase-2 moves)
  std::vector<std::uint8_t> sliceMove;      // kPermutations4 x 10 (phase-2 moves)

  // Coordinates under the symmetries, [value * 16 + symmetry].
  std::vector<std::uint16_t> twistConjugate;
  // The flip under a symmetry is flipConjugate ^ flipMask; the mask, which
  // depends on the set of places the middle-layer edges are in, is 0 for
  // symmetries that keep the sides.
  std::vector<std::uint16_t> flipConjugate;
  std::vector<std::uint16_t> flipMask;       // [slice set * 16 + symmetry]
  std::vector<std::uint8_t> sliceConjugate;  // [slice order * 16 + symmetry]
  // The representatives of the edge8 classes under each symmetry, and the
  // symmetries' products, [a * 16 + b] for a followed by b: together they
  // give any edge order's image.
  std::vector<std::uint16_t> edgeRepresentativeConjugate;  // [edge8 class * 16 + symmetry]
  std::array<std::uint8_t, kSymmetries * kSymmetries> symmetryProduct{};
  std::array<std::uint8_t, kSymmetries> inverseSymmetry{};
  SymmetryClasses sliceSetClasses;  // under all sixteen symmetries
  SymmetryClasses twistClasses;     // under the eight that keep the sides
  SymmetryClasses cornerClasses;    // of corner orders
  SymmetryClasses edgeClasses;      // of edge8 orders

  // Phase-1 distance tables.
  NibbleTable twistSlice;  // [slice set class * kTwists + twist]
  NibbleTable flipSlice;   // [slice set class * kFlips + flip]
  NibbleTable twistFlip;   // [twist class * kFlips + flip]
  // Phase-2 distance tables.
  std::vector<std::uint8_t> cornerSlice;  // [corner class * 24 + slice order]
  std::vector<std::uint8_t> edgeSlice;    // [edge8 class * 24 + slice order]
  // Positions near the goal: within 7 moves of phase 1's goal and within 8
  // phase-2 moves of the solved cube.
  NearGoal<std::uint32_t> nearPhase1;
  NearGoal<std::uint64_t> nearPhase2;
  // The phase-2 positions one move farther than nearPhase2 reaches.
  KeySet beyondPhase2;
  // The exact phase-2 distance of the position with canonical key `key`
  // when it is at most Phase2NearDepth(), or -1.
  int Phase2NearDepth() const { return nearPhase2.depth() + 1; }
  int Phase2Distance(std::uint64_t key) const {
    const int d = nearPhase2.Distance(key);
    if (d >= 0) {
      return d;
    }
    return beyondPhase2.Contains(static_cast<std::uint32_t>(key)) ? Phase2NearDepth() : -1;
  }
  void PrefetchPhase2(std::uint64_t key) const {
    nearPhase2.Prefetch(key);
    beyondPhase2.Prefetch(static_cast<std::uint32_t>(key));
  }
  // One bit for each phase-1 key: whether the position is within one move
  // more than nearPhase1 of phase 1's goal. A look-up there spares a node
  // whose every neighbour is too far, the most common node by far.
  std::vector<std::uint64_t> phase1Reach;  // [key / 64], bit key % 64
  int Phase1ReachDepth() const { return nearPhase1.depth() + 1; }
  bool WithinPhase1Reach(std::uint64_t key) const { return (phase1Reach[key >> 6] >> (key & 63)) & 1u; }
  void PrefetchPhase1Reach(std::uint64_t key) const {
#if defined(__GNUC__)
    __builtin_prefetch(&phase1Reach[key >> 6]);
#else
    (void)key;
#endif
  }

  // The canonical key of a position's class: the position moved by a
  // symmetry so that its slice set (phase 1) or corner order (phase 2) is
  // its class's representative, and among the symmetries that keep the
  // representative, the one that gives the lowest key.
  std::uint64_t Phase1Key(int twist, int flip, int set) const {
    const unsigned entry = sliceSetClasses.classOf[static_cast<std::size_t>(set)];
    const unsigned cls = entry >> 4;
    const unsigned s = entry & 15;
    const unsigned t = twistConjugate[static_cast<std::size_t>(twist * 16) + s];
    const unsigned f =
        flipConjugate[static_cast<std::size_t>(flip * 16) + s] ^ flipMask[static_cast<std::size_t>(set * 16) + s];
    unsigned best = t * kFlips + f;
    const unsigned stabilizer = sliceSetClasses.stabilizer[cls];
    if (stabilizer != 1) {
      const std::size_t rep = sliceSetClasses.representative[cls];
      for (unsigned u = 1; u < 16; ++u) {
        if ((stabilizer >> u) & 1u) {
          const unsigned key =
              twistConjugate[t * 16 + u] * unsigned{kFlips} + (flipConjugate[f * 16 + u] ^ flipMask[rep * 16 + u]);
          best = key < best ? key : best;
        }
      }
    }
    return std::uint64_t{cls} * (kTwists * kFlips) + best;
  }
  std::uint64_t Phase2Key(int corner, int edges, int order) const {
    const unsigned entry = cornerClasses.classOf[static_cast<std::size_t>(corner)];
    const unsigned cls = entry >> 4;
    const unsigned s = entry & 15;
    // The edge order is the image of its class's representative under the
    // inverse of the symmetry its class entry names.
    const unsigned edgeEntry = edgeClasses.classOf[static_cast<std::size_t>(edges)];
    const std::uint16_t* images = &edgeRepresentativeConjugate[(edgeEntry >> 4) * std::size_t{16}];
    const unsigned toEdges = inverseSymmetry[edgeEntry & 15];
    const unsigned toImage = symmetryProduct[toEdges * 16 + s];
    const unsigned o = sliceConjugate[static_cast<std::size_t>(order * 16) + s];
    unsigned best = images[toImage] * unsigned{kPermutations4} + o;
    const unsigned stabilizer = cornerClasses.stabilizer[cls];
    if (stabilizer != 1) {
      for (unsigned u = 1; u < 16; ++u) {
        if ((stabilizer >> u) & 1u) {
          const unsigned key =
              images[symmetryProduct[toImage * 16 + u]] * unsigned{kPermutations4} + sliceConjugate[o * 16 + u];
          best = key < best ? key : best;
        }
      }
    }
    return std::uint64_t{cls} * (kPermutations8 * kPermutations4) + best;
  }

  std::size_t TwistSliceIndex(int twist, int set) const {
    const unsigned entry = sliceSetClasses.classOf[static_cast<std::size_t>(set)];
    return (entry >> 4) * std::size_t{kTwists} + twistConjugate[static_cast<std::size_t>(twist * 16) + (entry & 15)];
  }
  std::size_t FlipSliceIndex(int flip, int set) const {
    const unsigned entry = sliceSetClasses.classOf[static_cast<std::size_t>(set)];
    const unsigned s = entry & 15;
    return (entry >> 4) * std::size_t{kFlips} +
           (flipConjugate[static_cast<std::size_t>(flip * 16) + s] ^ flipMask[static_cast<std::size_t>(set * 16) + s]);
  }
  std::size_t TwistFlipIndex(int twist, int flip) const {
    const unsigned entry = twistClasses.classOf[static_cast<std::size_t>(twist)];
    return (entry >> 4) * std::size_t{kFlips} + flipConjugate[static_cast<std::size_t>(flip * 16) + (entry & 15)];
  }
  int CornerSliceDistance(int corner, int order) const {
    const unsigned entry = cornerClasses.classOf[static_cast<std::size_t>(corner)];
    return cornerSlice[(entry >> 4) * std::size_t{kPermutations4} +
                       sliceConjugate[static_cast<std::size_t>(order * 16) + (entry & 15)]];
  }
  int EdgeSliceDistance(int edges, int order) const {
    const unsigned entry = edgeClasses.classOf[static_cast<std::size_t>(edges)];
    return edgeSlice[(entry >> 4) * std::size_t{kPermutations4} +
                     sliceConjugate[static_cast<std::size_t>(order * 16) + (entry & 15)]];
  }

  std::size_t Bytes() const;
};

// Builds every table.
Tables BuildTables();

}  // namespace rotalo::fewest
