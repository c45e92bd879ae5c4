#!/usr/bin/env bash
# Records the shelf of recorded games again after a rule was changed on purpose.
#   scripts/rerecord.sh [recording.rec ...]   replays each recording's own keys and answers
#                                             through the game as it is now and writes the run
#                                             down again (default: every tests/recordings/*.rec)
#   scripts/rerecord.sh --new                 plays the shelf's games afresh with the scenario
#                                             player (tools/scenarios) and writes them down
# Says which recordings changed; review them with `git diff tests/recordings`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
bin=$PWD/build/bin
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

changed=0
note() { # recording, new file
  if cmp -s "$1" "$2"; then
    echo "unchanged: $1"
  else
    cp "$2" "$1"
    echo "changed:   $1"
    changed=$((changed + 1))
  fi
}

if [ "${1:-}" = "--new" ]; then
  for name in $("$bin/quorvane_scenarios" --list); do
    (cd "$bin" && ./quorvane_scenarios "$name" "$work/$name.rec" | tail -n 1)
    note "tests/recordings/$name.rec" "$work/$name.rec"
  done
else
  files=("$@")
  [ ${#files[@]} -gt 0 ] || files=(tests/recordings/*.rec)
  for rec in "${files[@]}"; do
    new="$work/$(basename "$rec")"
    abs=$(realpath "$rec")
    (cd "$bin" && QUORVANE_REPLAY="$abs" QUORVANE_RECORD="$new" ./quorvane >/dev/null)
    note "$rec" "$new"
  done
fi
echo "$changed recording(s) changed"
