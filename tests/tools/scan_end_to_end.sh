#!/usr/bin/env bash
# The photo maker and rotalo-cli scan together: the six photos it writes are
# read back as the cube they show, and bad arguments are refused.
set -euo pipefail
photos=$1 cli=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
fail() { echo "FAILED: $*" >&2 && exit 1; }

cube=621635654443523156341621252363315265241412534146123456
listing=$("$photos" "$cube" "$folder" 3 800 600)
[[ $(grep -c "^photo-[1-6].jpg: face [1-6], [0-3] quarter turns$" <<<"$listing") == 6 ]] || fail "listing: $listing"
[[ $("$cli" scan "$folder"/photo-*.jpg) == "cube: $cube"$'\n'"uncertain: none"$'\n'"check: accepted" ]] ||
  fail "reading the photos back"

status=0
"$photos" 123 "$folder" 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "a short CUBE"
status=0
"$photos" "$cube" "$folder" 0 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "a seed of 0"
status=0
"$photos" "${cube/6/7}" "$folder" 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "a digit 7"
status=0
"$photos" "$cube" "$folder" 1 8 8 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "a picture too small for a face"
status=0
"$photos" "$cube" 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "no OUTDIR"
echo "1 passed, 0 failed"
