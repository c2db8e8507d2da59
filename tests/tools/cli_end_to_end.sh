#!/usr/bin/env bash
# The real rotalo-cli: exit statuses and output streams, and solve - as a
# co-process that answers each cube at once while its input stays open.
set -euo pipefail
cli=$1
solved=111111112222222233333333444444445555555566666666123456
unpainted=0${solved:1}
answer=$'check: accepted\nrun 1: twist 0 swap 0 flip 0\nrecorded: AA BB 60\nsolution: AA BB\nmoves: 0'
rejected="check: rejected: You must colour in ALL of the sides"
err=$(mktemp)
trap 'rm -f "$err"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# expect STATUS OUT ERR ARGS...: rotalo-cli ARGS prints OUT and ERR and exits with STATUS.
expect() {
  local status=$1 out=$2 message=$3 got=0 stdout
  shift 3
  stdout=$("$cli" "$@" <"${input:-/dev/null}" 2>"$err") || got=$?
  [[ $got == "$status" && $stdout == "$out" && $(<"$err") == "$message" ]] ||
    fail "rotalo-cli $*: status $got, output [$stdout], errors [$(<"$err")]"
}
expect 0 "$answer" "" solve "$solved"
expect 1 "$rejected" "" check "$unpainted"
expect 2 "" "rotalo-cli: wrong length: CUBE has 3 characters, it needs 54" solve 123
expect 0 "$solved" "" apply "$solved" "11 13"
input=<(printf '%s\n%s\n' "$solved" "$solved") expect 0 "$answer"$'\n\n'"$answer" "" solve -

# One cube at a time through a pipe that stays open: each answer must come
# before the next cube is written.
coproc CLI { "$cli" solve -; }
block() {  # the lines of the answer up to one that starts with $1
  local line lines=""
  while IFS= read -r -t 10 line <&"${CLI[0]}"; do
    lines+=$line$'\n'
    if [[ $line == "$1"* ]]; then
      printf '%s' "$lines"
      return
    fi
  done
  fail "no answer within 10 s while the input stays open (got [$lines])"
}
printf '%s\n' "$solved" >&"${CLI[1]}"
[[ $(block moves:) == "$answer" ]] || fail "first answer"
printf '%s\n' "$unpainted" >&"${CLI[1]}"
[[ $(block check:) == $'\n'"$rejected" ]] || fail "second answer"
exec {CLI[1]}>&-
status=0
wait "$CLI_PID" || status=$?
[[ $status == 1 ]] || fail "co-process exit status $status"
echo "rotalo-cli end to end: all passed"
