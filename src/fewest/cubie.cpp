#include "fewest/cubie.h"

#include <algorithm>

#include "model/moves.h"

namespace rotalo::fewest {

namespace {

// Binomial(n, k) for n < 12 and k <= 4.
constexpr std::array<std::array<int, 5>, 12> kBinomial = [] {
  std::array<std::array<int, 5>, 12> table{};
  for (int n = 0; n < 12; ++n) {
    table[n][0] = 1;
    for (int k = 1; k <= 4 && k <= n; ++k) {
      table[n][k] = table[n - 1][k - 1] + (k <= n - 1 ? table[n - 1][k] : 0);
    }
  }
  return table;
}();

int Binomial(int n, int k) {
  return kBinomial[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// The number of bits set in a byte.
constexpr std::array<std::uint8_t, 256> kBitCount = [] {
  std::array<std::uint8_t, 256> table{};
  for (int b = 1; b < 256; ++b) {
    table[b] = static_cast<std::uint8_t>(table[b / 2] + b % 2);
  }
  return table;
}();

template <std::size_t N>
int Parity(const std::array<std::uint8_t, N>& p) {
  int inversions = 0;
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t j = i + 1; j < N; ++j) {
      inversions += p[j] < p[i] ? 1 : 0;
    }
  }
  return inversions % 2;
}

std::array<CubieCube, kMoveCount> MakeMoveCubes() {
  std::array<CubieCube, kMoveCount> cubes{};
  for (int m = 0; m < kMoveCount; ++m) {
    Vars vars;
    FillSolved(vars, 0);
    TurnFace(vars, MoveFace(m), MoveTurns(m));
    ReadCubies(vars.current(), cubes[static_cast<std::size_t>(m)]);
  }
  return cubes;
}

std::array<Symmetry, kSymmetries> MakeSymmetries() {
  constexpr Symmetry kQuarter{{1, 2, 3, 0, 5, 6, 7, 4}, {1, 2, 3, 0, 5, 6, 7, 4, 9, 10, 11, 8}};
  constexpr Symmetry kHalf{{6, 5, 4, 7, 2, 1, 0, 3}, {5, 4, 7, 6, 1, 0, 3, 2, 11, 10, 9, 8}};
  constexpr Symmetry kMirror{{1, 0, 3, 2, 7, 6, 5, 4}, {0, 3, 2, 1, 6, 5, 4, 7, 11, 10, 9, 8}};
  const auto then = [](const Symmetry& a, const Symmetry& b) {
    Symmetry c;
    for (std::size_t i = 0; i < 8; ++i) {
      c.corner[i] = b.corner[a.corner[i]];
    }
    for (std::size_t i = 0; i < 12; ++i) {
      c.edge[i] = b.edge[a.edge[i]];
    }
    return c;
  };
  std::array<Symmetry, kSymmetries> all{};
  std::size_t n = 0;
  Symmetry quarter{{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
  for (int q = 0; q < 4; ++q) {
    Symmetry half = quarter;
    for (int h = 0; h < 2; ++h) {
      Symmetry mirror = half;
      for (int r = 0; r < 2; ++r) {
        all[n++] = mirror;
        mirror = then(mirror, kMirror);
      }
      half = then(half, kHalf);
    }
    quarter = then(quarter, kQuarter);
  }
  return all;
}

int FindInverse(int s);

}  // namespace

const std::array<Symmetry, kSymmetries>& Symmetries() {
  static const std::array<Symmetry, kSymmetries> all = MakeSymmetries();
  return all;
}

int InverseSymmetry(int s) {
  static const std::array<int, kSymmetries> inverses = [] {
    std::array<int, kSymmetries> table{};
    for (int n = 0; n < kSymmetries; ++n) {
      table[static_cast<std::size_t>(n)] = FindInverse(n);
    }
    return table;
  }();
  return inverses[static_cast<std::size_t>(s)];
}

int SymmetryProduct(int a, int b) {
  static const std::array<std::array<std::uint8_t, kSymmetries>, kSymmetries> products = [] {
    std::array<std::array<std::uint8_t, kSymmetries>, kSymmetries> table{};
    for (std::size_t x = 0; x < kSymmetries; ++x) {
      for (std::size_t y = 0; y < kSymmetries; ++y) {
        const Symmetry& first = Symmetries()[x];
        const Symmetry& then = Symmetries()[y];
        for (std::size_t z = 0; z < kSymmetries; ++z) {
          const Symmetry& both = Symmetries()[z];
          bool same = true;
          for (std::size_t i = 0; i < 12; ++i) {
            same = same && both.edge[i] == then.edge[first.edge[i]] &&
                   (i >= 8 || both.corner[i] == then.corner[first.corner[i]]);
          }
          table[x][y] = same ? static_cast<std::uint8_t>(z) : table[x][y];
        }
      }
    }
    return table;
  }();
  return products[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
}

namespace {

int FindInverse(int s) {
  const Symmetry& a = Symmetries()[static_cast<std::size_t>(s)];
  for (int t = 0; t < kSymmetries; ++t) {
    const Symmetry& b = Symmetries()[static_cast<std::size_t>(t)];
    bool identity = true;
    for (std::size_t i = 0; i < 12; ++i) {
      identity = identity && b.edge[a.edge[i]] == i && (i >= 8 || b.corner[a.corner[i]] == i);
    }
    if (identity) {
      return t;
    }
  }
  return 0;
}

}  // namespace

CubieCube Conjugate(const CubieCube& c, int s) {
  const Symmetry& sym = Symmetries()[static_cast<std::size_t>(s)];
  CubieCube image;
  for (std::size_t i = 0; i < 8; ++i) {
    image.cp[sym.corner[i]] = sym.corner[c.cp[i]];
    image.co[sym.corner[i]] = static_cast<std::uint8_t>(IsMirror(s) ? (3 - c.co[i]) % 3 : c.co[i]);
  }
  for (std::size_t i = 0; i < 12; ++i) {
    image.ep[sym.edge[i]] = sym.edge[c.ep[i]];
    const bool swapped = SwapsSides(s) && ((i >= 8) != (c.ep[i] >= 8));
    image.eo[sym.edge[i]] = static_cast<std::uint8_t>(c.eo[i] ^ (swapped ? 1 : 0));
  }
  return image;
}

CubieCube Multiply(const CubieCube& a, const CubieCube& b) {
  CubieCube c;
  for (std::size_t i = 0; i < 8; ++i) {
    c.cp[i] = a.cp[b.cp[i]];
    c.co[i] = static_cast<std::uint8_t>((a.co[b.cp[i]] + b.co[i]) % 3);
  }
  for (std::size_t i = 0; i < 12; ++i) {
    c.ep[i] = a.ep[b.ep[i]];
    c.eo[i] = static_cast<std::uint8_t>(a.eo[b.ep[i]] ^ b.eo[i]);
  }
  return c;
}

CubieCube Inverse(const CubieCube& c) {
  CubieCube inverse;
  for (std::size_t i = 0; i < 8; ++i) {
    inverse.cp[c.cp[i]] = static_cast<std::uint8_t>(i);
    inverse.co[c.cp[i]] = static_cast<std::uint8_t>((3 - c.co[i]) % 3);
  }
  for (std::size_t i = 0; i < 12; ++i) {
    inverse.ep[c.ep[i]] = static_cast<std::uint8_t>(i);
    inverse.eo[c.ep[i]] = c.eo[i];
  }
  return inverse;
}

const CubieCube& MoveCube(int m) {
  static const std::array<CubieCube, kMoveCount> cubes = MakeMoveCubes();
  return cubes[static_cast<std::size_t>(m)];
}

CubieCube RandomCubies(std::mt19937& random) {
  CubieCube c;
  std::shuffle(c.cp.begin(), c.cp.end(), random);
  std::shuffle(c.ep.begin(), c.ep.end(), random);
  if (Parity(c.cp) != Parity(c.ep)) {
    std::swap(c.ep[0], c.ep[1]);
  }
  SetTwist(c, std::uniform_int_distribution<int>(0, kTwists - 1)(random));
  SetFlip(c, std::uniform_int_distribution<int>(0, kFlips - 1)(random));
  return c;
}

CubieFault ReadCubies(const Buffer& cube, CubieCube& out) {
  for (int f = 1; f <= 6; ++f) {
    if (cube[48 + f] != f) {
      return CubieFault::Pieces;
    }
  }
  std::array<bool, 8> cornerSeen{};
  for (std::size_t place = 0; place < 8; ++place) {
    const auto& facelets = kCornerPlaces[place];
    int upDown = -1;
    for (int k = 0; k < 3; ++k) {
      const Int16 colour = cube[facelets[k]];
      if (colour == 1 || colour == 6) {
        upDown = k;
        break;
      }
    }
    if (upDown < 0) {
      return CubieFault::Pieces;
    }
    int found = -1;
    for (std::size_t piece = 0; piece < 8 && found < 0; ++piece) {
      bool same = true;
      for (int k = 0; k < 3; ++k) {
        same = same && cube[facelets[(upDown + k) % 3]] == HomeFace(kCornerPlaces[piece][k]);
      }
      found = same ? static_cast<int>(piece) : -1;
    }
    if (found < 0 || cornerSeen[found]) {
      return CubieFault::Pieces;
    }
    cornerSeen[found] = true;
    out.cp[place] = static_cast<std::uint8_t>(found);
    out.co[place] = static_cast<std::uint8_t>(upDown);
  }
  std::array<bool, 12> edgeSeen{};
  for (std::size_t place = 0; place < 12; ++place) {
    const Int16 first = cube[kEdgePlaces[place][0]];
    const Int16 second = cube[kEdgePlaces[place][1]];
    int found = -1;
    for (std::size_t piece = 0; piece < 12 && found < 0; ++piece) {
      const Int16 home0 = HomeFace(kEdgePlaces[piece][0]);
      const Int16 home1 = HomeFace(kEdgePlaces[piece][1]);
      if (first == home0 && second == home1) {
        found = static_cast<int>(piece);
        out.eo[place] = 0;
      } else if (first == home1 && second == home0) {
        found = static_cast<int>(piece);
        out.eo[place] = 1;
      }
    }
    if (found < 0 || edgeSeen[found]) {
      return CubieFault::Pieces;
    }
    edgeSeen[found] = true;
    out.ep[place] = static_cast<std::uint8_t>(found);
  }
  int twist = 0;
  for (const std::uint8_t o : out.co) {
    twist += o;
  }
  if (twist % 3 != 0) {
    return CubieFault::Twist;
  }
  int flip = 0;
  for (const std::uint8_t o : out.eo) {
    flip += o;
  }
  if (flip % 2 != 0) {
    return CubieFault::Flip;
  }
  if (Parity(out.cp) != Parity(out.ep)) {
    return CubieFault::Parity;
  }
  return CubieFault::None;
}

Buffer ToFacelets(const CubieCube& c) {
  Buffer cube{};
  for (int f = 1; f <= 6; ++f) {
    cube[48 + f] = static_cast<Int16>(f);
  }
  for (std::size_t place = 0; place < 8; ++place) {
    const auto& piece = kCornerPlaces[c.cp[place]];
    for (int k = 0; k < 3; ++k) {
      cube[kCornerPlaces[place][(k + c.co[place]) % 3]] = HomeFace(piece[k]);
    }
  }
  for (std::size_t place = 0; place < 12; ++place) {
    const auto& piece = kEdgePlaces[c.ep[place]];
    for (int k = 0; k < 2; ++k) {
      cube[kEdgePlaces[place][(k + c.eo[place]) % 2]] = HomeFace(piece[k]);
    }
  }
  return cube;
}

int Twist(const CubieCube& c) {
  int twist = 0;
  for (std::size_t i = 0; i < 7; ++i) {
    twist = 3 * twist + c.co[i];
  }
  return twist;
}

void SetTwist(CubieCube& c, int twist) {
  int sum = 0;
  for (int i = 6; i >= 0; --i) {
    c.co[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(twist % 3);
    sum += twist % 3;
    twist /= 3;
  }
  c.co[7] = static_cast<std::uint8_t>((3 - sum % 3) % 3);
}

int Flip(const CubieCube& c) {
  int flip = 0;
  for (std::size_t i = 0; i < 11; ++i) {
    flip = 2 * flip + c.eo[i];
  }
  return flip;
}

void SetFlip(CubieCube& c, int flip) {
  int sum = 0;
  for (int i = 10; i >= 0; --i) {
    c.eo[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(flip % 2);
    sum += flip % 2;
    flip /= 2;
  }
  c.eo[11] = static_cast<std::uint8_t>(sum % 2);
}

int EdgePlacing(const CubieCube& c, int first) {
  int combination = 0;
  int k = 0;
  std::uint8_t order[4]{};
  for (int place = 0; place < 12; ++place) {
    const int piece = c.ep[static_cast<std::size_t>(place)] - first;
    if (piece >= 0 && piece < 4) {
      combination += Binomial(place, k + 1);
      order[k++] = static_cast<std::uint8_t>(piece);
    }
  }
  return 24 * combination + PermutationIndex(order, 4);
}

void SetEdgePlacing(CubieCube& c, int first, int placing) {
  int combination = placing / 24;
  std::uint8_t order[4]{};
  PermutationFromIndex(placing % 24, order, 4);
  std::array<bool, 12> taken{};
  for (int k = 3; k >= 0; --k) {
    int place = 11;
    while (Binomial(place, k + 1) > combination) {
      --place;
    }
    combination -= Binomial(place, k + 1);
    taken[static_cast<std::size_t>(place)] = true;
    c.ep[static_cast<std::size_t>(place)] = static_cast<std::uint8_t>(first + order[k]);
  }
  int other = 0;
  for (std::size_t place = 0; place < 12; ++place) {
    if (taken[place]) {
      continue;
    }
    if (other == first) {
      other += 4;
    }
    c.ep[place] = static_cast<std::uint8_t>(other++);
  }
}

int CornerPermutation(const CubieCube& c) {
  return PermutationIndex(c.cp.data(), 8);
}

void SetCornerPermutation(CubieCube& c, int index) {
  PermutationFromIndex(index, c.cp.data(), 8);
}

int Edge8Permutation(const CubieCube& c) {
  return PermutationIndex(c.ep.data(), 8);
}

void SetEdge8Permutation(CubieCube& c, int index) {
  PermutationFromIndex(index, c.ep.data(), 8);
  for (std::size_t place = 8; place < 12; ++place) {
    c.ep[place] = static_cast<std::uint8_t>(place);
  }
}

int PermutationIndex(const std::uint8_t* p, int n) {
  // Digit i counts the later values below p[i]: those below it not yet seen.
  int index = 0;
  unsigned seen = 0;
  for (int i = 0; i < n; ++i) {
    const unsigned earlier = seen & ((1u << p[i]) - 1);
    index = index * (n - i) + p[i] - kBitCount[earlier & 255] - kBitCount[earlier >> 8];
    seen |= 1u << p[i];
  }
  return index;
}

void PermutationFromIndex(int index, std::uint8_t* p, int n) {
  int digits[12]{};
  for (int i = n - 1; i >= 0; --i) {
    digits[i] = index % (n - i);
    index /= n - i;
  }
  std::uint8_t unused[12]{};
  for (int i = 0; i < n; ++i) {
    unused[i] = static_cast<std::uint8_t>(i);
  }
  for (int i = 0; i < n; ++i) {
    p[i] = unused[digits[i]];
    for (int j = digits[i]; j < n - i - 1; ++j) {
      unused[j] = unused[j + 1];
    }
  }
}

}  // namespace rotalo::fewest
