#!/usr/bin/env bash
# Times rotalo-cli solve - on 100,000 random solvable cubes, end to end.
# Usage: bench/cli_throughput.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
build=${1:-build/release}
cubes=$(mktemp)
trap 'rm -f "$cubes"' EXIT
"$build/bench/rotalo_make_cubes" 100000 7 > "$cubes"
for run in 1 2 3 4 5; do
  start=$(date +%s.%N)
  "$build/tools/rotalo-cli/rotalo-cli" solve - < "$cubes" > /dev/null
  end=$(date +%s.%N)
  echo "run $run: $(echo "100000 / ($end - $start)" | bc) cubes per second"
done
