#!/usr/bin/env bash
# The real rotalo-cli: its output streams and exit statuses, and solve - as a
# co-process that answers each cube at once while its input stays open.
set -euo pipefail
cli=$1
solved=111111112222222233333333444444445555555566666666123456
answer=$'check: accepted\nrun 1: twist 0 swap 0 flip 0\nrecorded: AA BB 60\nsolution: AA BB\nmoves: 0'
rejected="check: rejected: You must colour in ALL of the sides"
fail() { echo "FAILED: $*" >&2 && exit 1; }

status=0
errors=$("$cli" solve 123 2>&1 >/dev/null) || status=$?  # a coverage build may add its own lines
[[ $status == 2 && ${errors%%$'\n'*} == "rotalo-cli: wrong length: CUBE has 3 characters, it needs 54" ]] ||
  fail "usage error"
[[ $(printf '%s\n%s\n' "$solved" "$solved" | "$cli" solve -) == "$answer"$'\n\n'"$answer" ]] || fail "batch"

# One cube at a time through a pipe that stays open: each answer must come
# before the next cube is written.
coproc CLI { "$cli" solve -; }
pid=$CLI_PID to=${CLI[1]} from=${CLI[0]}  # bash forgets them once the co-process ends
block() {  # the lines of the answer up to one that starts with $1
  local line lines=""
  while IFS= read -r -t 10 line <&"$from"; do
    lines+=$line$'\n'
    if [[ $line == "$1"* ]]; then
      printf '%s' "$lines"
      return
    fi
  done
  fail "no answer within 10 s while the input stays open (got [$lines])"
}
printf '%s\n' "$solved" >&"$to"
[[ $(block moves:) == "$answer" ]] || fail "first answer"
printf '0%s\n' "${solved:1}" >&"$to"
[[ $(block check:) == $'\n'"$rejected" ]] || fail "second answer"
exec {to}>&-
status=0
wait "$pid" || status=$?
[[ $status == 1 ]] || fail "co-process exit status $status, not 1 for a rejected cube"
# --fewest keeps its tables in the cache folder, where the next run finds them.
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
for run in first second; do
  moves=$(XDG_CACHE_HOME=$cache "$cli" solve --fewest --threads 2 --scramble "R U R' U'" | tail -n 1)
  [[ $moves == "moves: 4" ]] || fail "$run --fewest run: $moves"
done
[[ $(ls "$cache/rotalo") == fewest-moves-tables.bin ]] || fail "cache folder: $(ls -R "$cache")"
echo "rotalo-cli end to end: all passed"
