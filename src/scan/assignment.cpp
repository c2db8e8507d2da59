#include "scan/assignment.h"

#include <limits>

namespace rotalo::scan {

// The shortest augmenting path form with row and column potentials, O(n^3).
std::vector<int> CheapestAssignment(const std::vector<double>& cost, int n) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const auto size = static_cast<std::size_t>(n) + 1;
  std::vector<double> u(size, 0.0), v(size, 0.0), least(size);
  std::vector<int> rowOf(size, 0), way(size, 0);
  std::vector<char> used(size);
  for (int r = 1; r <= n; ++r) {
    rowOf[0] = r;
    int col = 0;
    least.assign(size, kInf);
    used.assign(size, 0);
    do {
      used[col] = 1;
      const int row = rowOf[col];
      double delta = kInf;
      int next = 0;
      for (int c = 1; c <= n; ++c) {
        if (used[c]) {
          continue;
        }
        const double reduced = cost[static_cast<std::size_t>((row - 1) * n + c - 1)] - u[row] - v[c];
        if (reduced < least[c]) {
          least[c] = reduced;
          way[c] = col;
        }
        if (least[c] < delta) {
          delta = least[c];
          next = c;
        }
      }
      for (int c = 0; c <= n; ++c) {
        if (used[c]) {
          u[rowOf[c]] += delta;
          v[c] -= delta;
        } else {
          least[c] -= delta;
        }
      }
      col = next;
    } while (rowOf[col] != 0);
    do {
      const int previous = way[col];
      rowOf[col] = rowOf[previous];
      col = previous;
    } while (col != 0);
  }
  std::vector<int> columnOf(static_cast<std::size_t>(n));
  for (int c = 1; c <= n; ++c) {
    columnOf[rowOf[c] - 1] = c - 1;
  }
  return columnOf;
}

}  // namespace rotalo::scan
