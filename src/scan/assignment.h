// The cheapest one-to-one assignment of rows to columns of a square cost
// matrix (the Hungarian method), used wherever readings must be shared out
// under "each exactly once" rules.
#pragma once

#include <vector>

namespace rotalo::scan {

// cost[r * n + c] for an n x n matrix; returns the column of each row.
std::vector<int> CheapestAssignment(const std::vector<double>& cost, int n);

}  // namespace rotalo::scan
