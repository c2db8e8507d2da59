#include "fewest/tables.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

namespace rotalo::fewest {

namespace {

constexpr std::uint8_t kUnknown = 0xFF;

std::size_t At(int value, int count, int k) {
  return static_cast<std::size_t>(value) * static_cast<std::size_t>(count) + static_cast<std::size_t>(k);
}

// Fills in the moves of a move table that repeat the move before them in
// `moves` (a half turn is two quarter turns, read from the table), once the
// first move of each face is there.
void RepeatMoves(std::vector<std::uint16_t>& table, int size, const std::uint8_t* moves, int count) {
  for (int k = 1; k < count; ++k) {
    if (MoveFace(moves[k - 1]) != MoveFace(moves[k])) {
      continue;
    }
    int first = k - 1;
    while (first > 0 && MoveFace(moves[first - 1]) == MoveFace(moves[k])) {
      --first;
    }
    for (int value = 0; value < size; ++value) {
      table[At(value, count, k)] = table[At(table[At(value, count, k - 1)], count, first)];
    }
  }
}

bool FirstOfFace(const std::uint8_t* moves, int k) {
  return k == 0 || MoveFace(moves[k - 1]) != MoveFace(moves[k]);
}

// A move table over `size` values of a coordinate for the given moves;
// `apply(value, move)` is asked only for the first move of each face.
template <class Apply>
std::vector<std::uint16_t> MoveTable(int size, const std::uint8_t* moves, int count, Apply apply) {
  std::vector<std::uint16_t> table(static_cast<std::size_t>(size) * static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    if (FirstOfFace(moves, k)) {
      for (int value = 0; value < size; ++value) {
        table[At(value, count, k)] = static_cast<std::uint16_t>(apply(value, moves[k]));
      }
    }
  }
  RepeatMoves(table, size, moves, count);
  return table;
}

// The move table of the order of eight corners (places(m) = the corner
// places of move m) or eight edges, the orders visited in the order of their
// numbers.
template <class Places>
std::vector<std::uint16_t> PermutationMoveTable(const std::uint8_t* moves, int count, Places places) {
  std::vector<std::uint16_t> table(static_cast<std::size_t>(kPermutations8) * static_cast<std::size_t>(count));
  std::array<std::uint8_t, 8> order{0, 1, 2, 3, 4, 5, 6, 7};
  for (int value = 0; value < kPermutations8; ++value) {
    for (int k = 0; k < count; ++k) {
      if (FirstOfFace(moves, k)) {
        const auto& from = places(moves[k]);
        std::uint8_t after[8];
        for (std::size_t i = 0; i < 8; ++i) {
          after[i] = order[from[i]];
        }
        table[At(value, count, k)] = static_cast<std::uint16_t>(Permutation8Index(after));
      }
    }
    std::next_permutation(order.begin(), order.end());
  }
  RepeatMoves(table, kPermutations8, moves, count);
  return table;
}

struct NoTwins {
  template <class Each>
  void operator()(int, Each) const {}
};

// The fewest moves from every entry of a table to `goal`, breadth first:
// forwards from the entries found last while they are few, then backwards
// from the entries still unknown. `next(i, m)` is the entry after move m;
// `twins(i, each)` names the other entries that stand for the same
// positions as entry i (one position seen under different symmetries),
// which are as far from the goal.
template <class Next, class Twins = NoTwins>
std::vector<std::uint8_t> Distances(int size, int goal, int moveCount, Next next, Twins twins = {}) {
  std::vector<std::uint8_t> distance(static_cast<std::size_t>(size), kUnknown);
  distance[static_cast<std::size_t>(goal)] = 0;
  int known = 1;
  const auto found = [&](int i, std::uint8_t d) {
    distance[static_cast<std::size_t>(i)] = d;
    ++known;
    twins(i, [&](int twin) {
      if (distance[static_cast<std::size_t>(twin)] == kUnknown) {
        distance[static_cast<std::size_t>(twin)] = d;
        ++known;
      }
    });
  };
  for (int depth = 0; known < size; ++depth) {
    const int before = known;
    const auto d = static_cast<std::uint8_t>(depth);
    const auto d1 = static_cast<std::uint8_t>(depth + 1);
    if (known < size / 4) {
      for (int i = 0; i < size; ++i) {
        if (distance[static_cast<std::size_t>(i)] != d) {
          continue;
        }
        for (int m = 0; m < moveCount; ++m) {
          const int to = next(i, m);
          if (distance[static_cast<std::size_t>(to)] == kUnknown) {
            found(to, d1);
          }
        }
      }
    } else {
      for (int i = 0; i < size; ++i) {
        if (distance[static_cast<std::size_t>(i)] != kUnknown) {
          continue;
        }
        for (int m = 0; m < moveCount; ++m) {
          if (distance[static_cast<std::size_t>(next(i, m))] == d) {
            found(i, d1);
            break;
          }
        }
      }
    }
    if (known == before) {
      break;  // the rest cannot be reached
    }
  }
  return distance;
}

// Groups the values 0..size-1 of a coordinate into classes under the given
// symmetries; `conjugate(value, s)` is the value of the image under s.
template <class Conjugate>
SymmetryClasses Classes(int size, const std::vector<int>& symmetries, Conjugate conjugate) {
  SymmetryClasses classes;
  classes.classOf.assign(static_cast<std::size_t>(size), 0xFFFF);
  for (int value = 0; value < size; ++value) {
    if (classes.classOf[static_cast<std::size_t>(value)] != 0xFFFF) {
      continue;
    }
    const auto cls = static_cast<unsigned>(classes.representative.size());
    classes.representative.push_back(static_cast<std::uint16_t>(value));
    unsigned stabilizer = 0;
    for (const int s : symmetries) {
      const int image = conjugate(value, s);
      if (image == value) {
        stabilizer |= 1u << s;
      }
      std::uint16_t& entry = classes.classOf[static_cast<std::size_t>(image)];
      if (entry == 0xFFFF) {
        entry = static_cast<std::uint16_t>(16 * cls + static_cast<unsigned>(InverseSymmetry(s)));
      }
    }
    classes.stabilizer.push_back(static_cast<std::uint16_t>(stabilizer));
  }
  return classes;
}

// Each twin of entry (class, b) of a table over classes x `size` values:
// the value b under the symmetries that keep the class's representative.
template <class ConjugateB>
auto TwinsOf(const SymmetryClasses& classes, int size, ConjugateB conjugate) {
  return [&classes, size, conjugate](int i, auto each) {
    const int cls = i / size;
    const unsigned stabilizer = classes.stabilizer[static_cast<std::size_t>(cls)];
    for (int s = 1; s < kSymmetries; ++s) {
      if ((stabilizer >> s) & 1u) {
        each(cls * size + conjugate(i % size, classes.representative[static_cast<std::size_t>(cls)], s));
      }
    }
  };
}

void BuildMoveTables(Tables& t) {
  std::array<std::uint8_t, kMoveCount> all{};
  for (int m = 0; m < kMoveCount; ++m) {
    all[static_cast<std::size_t>(m)] = static_cast<std::uint8_t>(m);
  }
  t.twistMove = MoveTable(kTwists, all.data(), kMoveCount, [](int value, int m) {
    CubieCube c;
    SetTwist(c, value);
    return Twist(Multiply(c, MoveCube(m)));
  });
  t.flipMove = MoveTable(kFlips, all.data(), kMoveCount, [](int value, int m) {
    CubieCube c;
    SetFlip(c, value);
    return Flip(Multiply(c, MoveCube(m)));
  });
  // Where the middle-layer edges go and in which order, for the tables
  // below.
  const std::vector<std::uint16_t> placingMove = MoveTable(kPlacings, all.data(), kMoveCount, [](int value, int m) {
    CubieCube c;
    SetEdgePlacing(c, 8, value);
    return EdgePlacing(Multiply(c, MoveCube(m)), 8);
  });
  t.sliceSetMove.resize(kCombinations * kMoveCount);
  for (int s = 0; s < kCombinations; ++s) {
    for (int m = 0; m < kMoveCount; ++m) {
      t.sliceSetMove[At(s, kMoveCount, m)] = static_cast<std::uint16_t>(placingMove[At(s * 24, kMoveCount, m)] / 24);
    }
  }
  // Permutations move by their places alone.
  t.cornerMove = PermutationMoveTable(
      kPhase2Moves.data(), kPhase2MoveCount, [](int m) -> const auto& { return MoveCube(m).cp; });
  t.edge8Move = PermutationMoveTable(
      kPhase2Moves.data(), kPhase2MoveCount, [](int m) -> const auto& { return MoveCube(m).ep; });
  t.sliceMove.resize(kPermutations4 * kPhase2MoveCount);
  for (int p = 0; p < kPermutations4; ++p) {
    for (int k = 0; k < kPhase2MoveCount; ++k) {
      const int placing =
          placingMove[At(kSolvedSlicePlacing + p, kMoveCount, kPhase2Moves[static_cast<std::size_t>(k)])];
      t.sliceMove[At(p, kPhase2MoveCount, k)] = static_cast<std::uint8_t>(placing - kSolvedSlicePlacing);
    }
  }
}

void BuildSymmetryTables(Tables& t) {
  std::vector<int> all;
  std::vector<int> keepingSides;
  for (int s = 0; s < kSymmetries; ++s) {
    all.push_back(s);
    if (!SwapsSides(s)) {
      keepingSides.push_back(s);
    }
  }
  t.twistConjugate.resize(kTwists * kSymmetries);
  for (int twist = 0; twist < kTwists; ++twist) {
    CubieCube c;
    SetTwist(c, twist);
    for (int s = 0; s < kSymmetries; ++s) {
      t.twistConjugate[At(twist, kSymmetries, s)] = static_cast<std::uint16_t>(Twist(Conjugate(c, s)));
    }
  }
  // With every edge at home, no edge is in the middle layer without being a
  // middle-layer edge: the conjugate is the flips moved to their new places.
  t.flipConjugate.resize(kFlips * kSymmetries);
  for (int flip = 0; flip < kFlips; ++flip) {
    CubieCube c;
    SetFlip(c, flip);
    for (int s = 0; s < kSymmetries; ++s) {
      t.flipConjugate[At(flip, kSymmetries, s)] = static_cast<std::uint16_t>(Flip(Conjugate(c, s)));
    }
  }
  t.flipMask.resize(kCombinations * kSymmetries);
  for (int set = 0; set < kCombinations; ++set) {
    CubieCube c;
    SetEdgePlacing(c, 8, set * 24);
    for (int s = 0; s < kSymmetries; ++s) {
      t.flipMask[At(set, kSymmetries, s)] = static_cast<std::uint16_t>(Flip(Conjugate(c, s)));
    }
  }
  t.sliceConjugate.resize(kPermutations4 * kSymmetries);
  for (int order = 0; order < kPermutations4; ++order) {
    CubieCube c;
    SetEdgePlacing(c, 8, kSolvedSlicePlacing + order);
    for (int s = 0; s < kSymmetries; ++s) {
      t.sliceConjugate[At(order, kSymmetries, s)] =
          static_cast<std::uint8_t>(EdgePlacing(Conjugate(c, s), 8) - kSolvedSlicePlacing);
    }
  }
  // Edge orders under the three generating symmetries, then under each
  // symmetry as the product of its generators.
  constexpr int kGenerators[3] = {4, 2, 1};  // a quarter turn, a half turn, the mirror
  std::vector<std::uint16_t> byGenerator(static_cast<std::size_t>(kPermutations8) * 3);
  std::array<std::uint8_t, 8> order{0, 1, 2, 3, 4, 5, 6, 7};
  for (int edges = 0; edges < kPermutations8; ++edges) {
    for (int g = 0; g < 3; ++g) {
      const auto& map = Symmetries()[static_cast<std::size_t>(kGenerators[g])].edge;
      std::uint8_t image[8];
      for (std::size_t i = 0; i < 8; ++i) {
        image[map[i]] = map[order[i]];
      }
      byGenerator[At(edges, 3, g)] = static_cast<std::uint16_t>(Permutation8Index(image));
    }
    std::next_permutation(order.begin(), order.end());
  }
  const auto edgeImage = [&byGenerator](int edges, int s) {
    for (int q = 0; q < s / 4; ++q) {
      edges = byGenerator[At(edges, 3, 0)];
    }
    if (s / 2 % 2 == 1) {
      edges = byGenerator[At(edges, 3, 1)];
    }
    if (s % 2 == 1) {
      edges = byGenerator[At(edges, 3, 2)];
    }
    return edges;
  };
  for (int a = 0; a < kSymmetries; ++a) {
    t.inverseSymmetry[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(InverseSymmetry(a));
    for (int b = 0; b < kSymmetries; ++b) {
      t.symmetryProduct[At(a, kSymmetries, b)] = static_cast<std::uint8_t>(SymmetryProduct(a, b));
    }
  }
  t.sliceSetClasses = Classes(kCombinations, all, [](int set, int s) {
    CubieCube c;
    SetEdgePlacing(c, 8, set * 24);
    return EdgePlacing(Conjugate(c, s), 8) / 24;
  });
  t.twistClasses =
      Classes(kTwists, keepingSides, [&t](int twist, int s) { return t.twistConjugate[At(twist, kSymmetries, s)]; });
  t.cornerClasses = Classes(kPermutations8, all, [](int value, int s) {
    CubieCube c;
    SetCornerPermutation(c, value);
    return CornerPermutation(Conjugate(c, s));
  });
  t.edgeClasses = Classes(kPermutations8, all, edgeImage);
  t.edgeRepresentativeConjugate.resize(static_cast<std::size_t>(t.edgeClasses.Count()) * kSymmetries);
  for (int cls = 0; cls < t.edgeClasses.Count(); ++cls) {
    for (int s = 0; s < kSymmetries; ++s) {
      t.edgeRepresentativeConjugate[At(cls, kSymmetries, s)] =
          static_cast<std::uint16_t>(edgeImage(t.edgeClasses.representative[static_cast<std::size_t>(cls)], s));
    }
  }
}

void BuildPhase1Distances(Tables& t) {
  const SymmetryClasses& sets = t.sliceSetClasses;
  const auto twistOf = [&t](int twist, int, int s) { return t.twistConjugate[At(twist, kSymmetries, s)]; };
  t.twistSlice.Pack(Distances(
      sets.Count() * kTwists, static_cast<int>(t.TwistSliceIndex(0, kSolvedSliceSet)), kMoveCount,
      [&](int i, int m) {
        const int set = sets.representative[static_cast<std::size_t>(i / kTwists)];
        return static_cast<int>(
            t.TwistSliceIndex(t.twistMove[At(i % kTwists, kMoveCount, m)], t.sliceSetMove[At(set, kMoveCount, m)]));
      },
      TwinsOf(sets, kTwists, twistOf)));

  const auto flipOf = [&t](int flip, int set, int s) {
    return t.flipConjugate[At(flip, kSymmetries, s)] ^ t.flipMask[At(set, kSymmetries, s)];
  };
  t.flipSlice.Pack(Distances(
      sets.Count() * kFlips, static_cast<int>(t.FlipSliceIndex(0, kSolvedSliceSet)), kMoveCount,
      [&](int i, int m) {
        const int set = sets.representative[static_cast<std::size_t>(i / kFlips)];
        return static_cast<int>(
            t.FlipSliceIndex(t.flipMove[At(i % kFlips, kMoveCount, m)], t.sliceSetMove[At(set, kMoveCount, m)]));
      },
      TwinsOf(sets, kFlips, flipOf)));

  const SymmetryClasses& twists = t.twistClasses;
  const auto flipKeepingSides = [&t](int flip, int, int s) { return t.flipConjugate[At(flip, kSymmetries, s)]; };
  t.twistFlip.Pack(Distances(
      twists.Count() * kFlips, static_cast<int>(t.TwistFlipIndex(0, 0)), kMoveCount,
      [&](int i, int m) {
        const int twist = twists.representative[static_cast<std::size_t>(i / kFlips)];
        return static_cast<int>(
            t.TwistFlipIndex(t.twistMove[At(twist, kMoveCount, m)], t.flipMove[At(i % kFlips, kMoveCount, m)]));
      },
      TwinsOf(twists, kFlips, flipKeepingSides)));
}

// The fewest phase-2 moves for a permutation coordinate with the order of
// the middle-layer edges, one entry per class and order.
template <class Move>
std::vector<std::uint8_t> Phase2Distances(const Tables& t, const SymmetryClasses& classes, Move move) {
  const auto canonical = [&](int value, int order) {
    const unsigned entry = classes.classOf[static_cast<std::size_t>(value)];
    return static_cast<int>((entry >> 4) * kPermutations4 + t.sliceConjugate[At(order, kSymmetries, entry & 15)]);
  };
  const auto orderOf = [&t](int order, int, int s) { return t.sliceConjugate[At(order, kSymmetries, s)]; };
  return Distances(
      classes.Count() * kPermutations4, canonical(0, 0), kPhase2MoveCount,
      [&](int i, int k) {
        const int rep = classes.representative[static_cast<std::size_t>(i / kPermutations4)];
        return canonical(move(rep, k), t.sliceMove[At(i % kPermutations4, kPhase2MoveCount, k)]);
      },
      TwinsOf(classes, kPermutations4, orderOf));
}

void BuildNearGoal(Tables& t) {
  const SymmetryClasses& sets = t.sliceSetClasses;
  t.nearPhase1.Fill(t.Phase1Key(0, 0, kSolvedSliceSet), 7, 20, [&t, &sets](std::uint64_t key, auto add) {
    const auto cls = static_cast<std::size_t>(key / (kTwists * kFlips));
    const auto twist = static_cast<int>(key / kFlips % kTwists);
    const auto flip = static_cast<int>(key % kFlips);
    const int set = sets.representative[cls];
    for (int m = 0; m < kMoveCount; ++m) {
      add(t.Phase1Key(t.twistMove[At(twist, kMoveCount, m)], t.flipMove[At(flip, kMoveCount, m)],
                      t.sliceSetMove[At(set, kMoveCount, m)]));
    }
  });
  const SymmetryClasses& corners = t.cornerClasses;
  const auto expand = [&t, &corners](std::uint64_t key, auto add) {
    const auto cls = static_cast<std::size_t>(key / (kPermutations8 * kPermutations4));
    const auto edges = static_cast<int>(key / kPermutations4 % kPermutations8);
    const auto order = static_cast<int>(key % kPermutations4);
    const int corner = corners.representative[cls];
    for (int k = 0; k < kPhase2MoveCount; ++k) {
      add(t.Phase2Key(t.cornerMove[At(corner, kPhase2MoveCount, k)], t.edge8Move[At(edges, kPhase2MoveCount, k)],
                      t.sliceMove[At(order, kPhase2MoveCount, k)]));
    }
  };
  const std::vector<std::uint64_t> last = t.nearPhase2.Fill(t.Phase2Key(0, 0, 0), 8, 19, expand);
  // One move farther: the neighbours of the last ones that the table does
  // not hold, found on two threads and then gathered.
  std::vector<std::uint32_t> found[2];
  const auto part = [&t, &last, &expand](std::size_t begin, std::size_t end, std::vector<std::uint32_t>& out) {
    for (std::size_t i = begin; i < end; ++i) {
      std::array<std::uint64_t, kPhase2MoveCount> next;
      std::size_t count = 0;
      expand(last[i], [&](std::uint64_t to) {
        t.nearPhase2.Prefetch(to);
        next[count++] = to;
      });
      for (std::size_t k = 0; k < count; ++k) {
        if (t.nearPhase2.Distance(next[k]) < 0) {
          out.push_back(static_cast<std::uint32_t>(next[k]));
        }
      }
    }
  };
  std::thread other(part, last.size() / 2, last.size(), std::ref(found[1]));
  part(0, last.size() / 2, found[0]);
  other.join();
  found[0].insert(found[0].end(), found[1].begin(), found[1].end());
  t.beyondPhase2.Fill(found[0], 22);
}

// Every position within the near-goal depth of phase 1, and every
// neighbour of one at that depth: the slots of the near-goal table in two
// halves on two threads, the bits of a slot's neighbours fetched together.
void BuildPhase1Reach(Tables& t) {
  const SymmetryClasses& sets = t.sliceSetClasses;
  t.phase1Reach.assign((sets.Count() * std::size_t{kTwists} * kFlips + 63) / 64, 0);
  const std::vector<std::uint32_t>& slots = t.nearPhase1.slots();
  const auto part = [&t, &sets, &slots](std::size_t begin, std::size_t end) {
    std::array<std::uint64_t, kMoveCount + 1> keys;
    for (std::size_t i = begin; i < end; ++i) {
      const std::uint32_t slot = slots[i];
      if (slot == ~std::uint32_t{0}) {
        continue;
      }
      std::size_t count = 0;
      keys[count++] = slot >> 4;
      if (static_cast<int>(slot & 15) == t.nearPhase1.depth()) {
        const std::uint64_t key = slot >> 4;
        const auto twist = static_cast<int>(key / kFlips % kTwists);
        const auto flip = static_cast<int>(key % kFlips);
        const int set = sets.representative[static_cast<std::size_t>(key / (kTwists * kFlips))];
        for (int m = 0; m < kMoveCount; ++m) {
          keys[count] = t.Phase1Key(t.twistMove[At(twist, kMoveCount, m)], t.flipMove[At(flip, kMoveCount, m)],
                                    t.sliceSetMove[At(set, kMoveCount, m)]);
          t.PrefetchPhase1Reach(keys[count++]);
        }
      }
      for (std::size_t k = 0; k < count; ++k) {
        std::atomic_ref<std::uint64_t>(t.phase1Reach[keys[k] >> 6])
            .fetch_or(std::uint64_t{1} << (keys[k] & 63), std::memory_order_relaxed);
      }
    }
  };
  std::thread other(part, slots.size() / 2, slots.size());
  part(0, slots.size() / 2);
  other.join();
}

}  // namespace

void NibbleTable::Pack(const std::vector<std::uint8_t>& distances) {
  bytes_.assign((distances.size() + 1) / 2, 0);
  for (std::size_t i = 0; i < distances.size(); ++i) {
    bytes_[i >> 1] = static_cast<std::uint8_t>(bytes_[i >> 1] | (distances[i] & 15) << ((i & 1) * 4));
  }
}

std::size_t Tables::Bytes() const {
  const auto bytes = [](const auto& v) { return v.size() * sizeof(v[0]); };
  const auto classBytes = [&](const SymmetryClasses& c) {
    return bytes(c.classOf) + bytes(c.representative) + bytes(c.stabilizer);
  };
  return bytes(twistMove) + bytes(flipMove) + bytes(sliceSetMove) + bytes(cornerMove) + bytes(edge8Move) +
         bytes(sliceMove) + bytes(twistConjugate) + bytes(flipConjugate) + bytes(flipMask) + bytes(sliceConjugate) +
         classBytes(sliceSetClasses) + classBytes(twistClasses) + classBytes(cornerClasses) + classBytes(edgeClasses) +
         twistSlice.Bytes() + flipSlice.Bytes() + twistFlip.Bytes() + bytes(cornerSlice) + bytes(edgeSlice) +
         bytes(edgeRepresentativeConjugate) + nearPhase1.Bytes() + nearPhase2.Bytes() + bytes(phase1Reach) +
         beyondPhase2.Bytes();
}

Tables BuildTables() {
  Tables t;
  BuildMoveTables(t);
  BuildSymmetryTables(t);
  BuildPhase1Distances(t);
  t.cornerSlice = Phase2Distances(t, t.cornerClasses,
                                  [&t](int corner, int k) { return t.cornerMove[At(corner, kPhase2MoveCount, k)]; });
  t.edgeSlice =
      Phase2Distances(t, t.edgeClasses, [&t](int edges, int k) { return t.edge8Move[At(edges, kPhase2MoveCount, k)]; });
  BuildNearGoal(t);
  BuildPhase1Reach(t);
  return t;
}

}  // namespace rotalo::fewest
