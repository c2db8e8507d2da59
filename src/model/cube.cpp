#include "model/cube.h"

#include "model/tables.h"

namespace rotalo {

Int16 Companion(int i, int m) {
  if (i < 1 || i > 48) {
    return 0;
  }
  if (i % 2 == 0) {
    return tables::kCompanions[i][0];
  }
  int r = m % 3;
  if (r < 0) {
    r += 3;
  }
  return tables::kCompanions[i][r];
}

Int16 NextSide(int s, int n) {
  int r = (s + n - 2) % 4;
  if (r < 0) {
    r += 4;
  }
  return static_cast<Int16>(r + 2);
}

Int16 SideOfTop(int p) {
  static constexpr std::array<Int16, 9> kSides{-1, 2, 3, 3, 4, 4, 5, 5, 2};
  return (p >= 1 && p <= 8) ? kSides[p] : Int16{-1};
}

Int16 SideOfBottom(int p) {
  static constexpr std::array<Int16, 9> kSides{-1, 5, 4, 4, 3, 3, 2, 2, 5};
  return (p >= 1 && p <= 8) ? kSides[p] : Int16{-1};
}

Int16 HomeFace(int i) {
  if (i > 48) {
    return static_cast<Int16>(i - 48);
  }
  return static_cast<Int16>((i - 1) / 8 + 1);
}

void FillCornerTable(Vars& vars) {
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 3; ++c) {
      vars.CornerTable[r][c] = kCornerTable[r - 1][c - 1];
    }
  }
}

void FillSolved(Vars& vars, int b) {
  for (int i = 1; i <= kFacelets; ++i) {
    vars.Facelet[b][i] = HomeFace(i);
  }
}

bool IsSolved(const Buffer& buffer) {
  for (int i = 1; i <= kFacelets; ++i) {
    if (buffer[i] != HomeFace(i)) {
      return false;
    }
  }
  return true;
}

void CopyBuffer(Vars& vars, int from, int to) {
  vars.Facelet[to] = vars.Facelet[from];
}

void AppendCubeDigits(std::string& out, const Buffer& cube) {
  for (int i = 1; i <= kFacelets; ++i) {
    out += static_cast<char>('0' + cube[i]);
  }
}

}  // namespace rotalo
