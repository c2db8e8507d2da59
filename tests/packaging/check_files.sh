#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the manual pages pass the
# checks of the tools that read them.
set -euo pipefail
dir=$1
desktop-file-validate "$dir/rotalo.desktop"
appstreamcli validate --no-net "$dir/org.rotalo.Rotalo.metainfo.xml"
for page in "$dir"/man/*.6; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    exit 1
  fi
done
