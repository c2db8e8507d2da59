#include <array>
#include <string_view>

#include "model/moves.h"
#include "solver/stages.h"
#include "solver/turns.h"

namespace rotalo {

namespace {

constexpr int kBottom = 6;

// Arrangements of the bottom corners, read from the corner in slot 1, and
// the sequence that puts them in cyclic order. p is a position on the bottom
// face; the side face beside it names the two side faces x and y that the
// sequence turns.
enum class Arrange { Swap9, Swap6 };
struct ArrangementCase {
  std::string_view order;
  int p;
  Arrange kind;
};
constexpr std::array<ArrangementCase, 5> kArrangements{{
    {"1243", 5, Arrange::Swap9},
    {"1342", 1, Arrange::Swap9},
    {"1324", 3, Arrange::Swap9},
    {"1423", 7, Arrange::Swap9},
    {"1432", 1, Arrange::Swap6},
}};

// Twist patterns of the bottom corners (how many steps round its slot each
// corner's bottom colour lies) and how each group is put right.
struct TwistGroup {
  std::array<std::string_view, 4> patterns;
};
constexpr std::array<TwistGroup, 7> kTwistGroups{{
    {{"0111", "1011", "1101", "1110"}},
    {{"0222", "2022", "2202", "2220"}},
    {{"1221", "1122", "2112", "2211"}},
    {{"2001", "1200", "0120", "0012"}},
    {{"2100", "0210", "0021", "1002"}},
    {{"2010", "0201", "1020", "0102"}},
    {{"1212", "2121", "", ""}},
}};

// The slot n places further on from slot k.
int SlotAfter(int k, int n) {
  return (k + n - 1) % 4 + 1;
}

// The bottom facelet of the corner on which facelet q lies, or 0 if that
// corner is not in the bottom layer.
int BottomFaceletOf(int q) {
  for (int step = 0; step < 3 && q >= 1; ++step) {
    if (q >= 41) {
      return q;
    }
    q = Companion(q, 1);
  }
  return 0;
}

void ArrangeCorners(Vars& vars, std::string_view order) {
  for (const ArrangementCase& entry : kArrangements) {
    if (entry.order != order) {
      continue;
    }
    const int x = NextSide(SideOfBottom(entry.p), -1);
    const int y = NextSide(x, -1);
    if (entry.kind == Arrange::Swap9) {
      ApplyTurns(vars, {{y, -1}, {6, -1}, {y, 1}, {x, 1}, {6, 1}, {x, -1}, {y, -1}, {6, 1}, {y, 1}});
    } else {
      ApplyTurns(vars, {{x, -1}, {6, -1}, {y, -1}, {6, 1}, {y, 1}, {x, 1}});
    }
    return;
  }
}

void TwistCorners(Vars& vars, const std::array<int, 5>& twist, std::string_view pattern) {
  int group = 0;
  for (int g = 0; g < static_cast<int>(kTwistGroups.size()) && group == 0; ++g) {
    for (std::string_view candidate : kTwistGroups[g].patterns) {
      if (!candidate.empty() && candidate == pattern) {
        group = g + 1;
      }
    }
  }
  // The first slot (1..4, or 1..2 for group 7) that the group's search finds.
  auto first = [&](auto matches, int last = 4) {
    for (int k = 1; k <= last; ++k) {
      if (matches(k)) {
        return k;
      }
    }
    return 0;
  };
  switch (group) {
    case 1:
      CornerTwistA(vars, first([&](int s) { return twist[s] == 0; }));
      break;
    case 2:
      CornerTwistB(vars, first([&](int s) { return twist[s] == 0; }));
      break;
    case 3: {
      const int k = first([&](int s) { return twist[s] == 1 && twist[SlotAfter(s, 1)] == 2; });
      CornerTwistB(vars, SlotAfter(k, 1));
      CornerTwistB(vars, SlotAfter(k, 2));
      break;
    }
    case 4: {
      const int k = first([&](int s) { return twist[s] == 2; });
      CornerTwistA(vars, k);
      CornerTwistB(vars, SlotAfter(k, 3));
      break;
    }
    case 5: {
      const int k = first([&](int s) { return twist[s] == 2; });
      CornerTwistB(vars, SlotAfter(k, 1));
      CornerTwistA(vars, k);
      break;
    }
    case 6: {
      const int k = first([&](int s) { return twist[s] == 2; });
      CornerTwistB(vars, SlotAfter(k, 2));
      CornerTwistA(vars, k);
      break;
    }
    case 7: {
      const int k = first([&](int s) { return twist[s] == 2; }, 2);
      CornerTwistB(vars, k);
      CornerTwistB(vars, k + 2);
      break;
    }
    default:
      break;  // "0000", or a twisted corner: nothing to do here
  }
}

// The side face a twist sequence for slot k turns: 3, 2, 5, 4 for slots 1..4.
int TwistFace(int k) {
  return NextSide(SideOfBottom(2 * k - 1), 2);
}

}  // namespace

void CornerTwistA(Vars& vars, int k) {
  if (k < 1 || k > 4) {
    return;
  }
  const int f = TwistFace(k);
  ApplyTurns(vars, {{f, -1}, {6, -1}, {f, 1}, {6, -1}, {f, -1}, {6, 2}, {f, 1}, {6, 2}});
}

void CornerTwistB(Vars& vars, int k) {
  if (k < 1 || k > 4) {
    return;
  }
  const int f = TwistFace(k);
  ApplyTurns(vars, {{6, 2}, {f, -1}, {6, 2}, {f, 1}, {6, 1}, {f, -1}, {6, 1}, {f, 1}});
}

// Bottom corner slots k = 1..4 are the bottom facelets 39 + 2k (41, 43, 45,
// 47). The corners are first put into cyclic order, then the bottom face is
// turned so that every corner is home, then each corner is turned so that its
// bottom colour faces down. The twist total, mod 3, is the corner fault.
void SolveBottomCorners(Vars& vars, Faults& faults) {
  // Where the corners are: place[k] is the slot holding corner k.
  std::array<int, 5> place{};
  int m = 0;  // the corner lying in slot 1
  for (int k = 1; k <= 4; ++k) {
    const int q = BottomFaceletOf(Locate(vars, 39 + 2 * k));
    place[k] = q == 0 ? 0 : (q - 39) / 2;
    if (place[k] == 1) {
      m = k;
    }
  }
  char order[4] = {'1', '0', '0', '0'};
  for (int j = 2; j <= 4; ++j) {
    order[j - 1] = static_cast<char>('0' + place[(m + j - 2) % 4 + 1]);
  }
  ArrangeCorners(vars, std::string_view(order, 4));

  // Turn the bottom face so that corner 1 is in slot 1; always recorded.
  const int q = BottomFaceletOf(Locate(vars, 41));
  if (q != 0) {
    TurnFace(vars, kBottom, ((49 - q) / 2) % 4);
  }

  std::array<int, 5> twist{};
  char pattern[4];
  int sum = 0;
  for (int k = 1; k <= 4; ++k) {
    while (twist[k] < 3 && vars.current()[Companion(39 + 2 * k, twist[k])] != kBottom) {
      ++twist[k];
    }
    pattern[k - 1] = static_cast<char>('0' + twist[k]);
    sum += twist[k];
  }
  faults.TwistFault = static_cast<Int16>(sum % 3);
  TwistCorners(vars, twist, std::string_view(pattern, 4));
}

}  // namespace rotalo
