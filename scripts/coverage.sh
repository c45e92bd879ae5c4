#!/usr/bin/env bash
# Line coverage of src/:   scripts/coverage.sh [frames] [seed]
#   1. the tests alone: the unit and behaviour tests, the end-to-end tests, the fault runs
#      and the replays of the shelf (every test but the soaks, the page and the install);
#   2. one self-play soak alone (QUORVANE_AUTOPLAY, 100000 frames by default);
#   3. both together (the lines either of them ran).
# Builds its own tree, build-cov (Debug, --coverage), and reads the counters with gcovr.
set -euo pipefail
cd "$(dirname "$0")/.."
frames="${1:-100000}"
seed="${2:-1}"
build=build-cov
root=$PWD

scripts/setup.sh "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage -DQUORVANE_BENCH=OFF
command -v gcovr >/dev/null || { echo "coverage: gcovr is missing (scripts/setup.sh installs it)" >&2; exit 1; }

forget() { find "$build" -name '*.gcda' -delete; }
# One line: "<what>: lines: NN.N% (covered out of total)"; the files below 80 % follow.
measure() {
  local what=$1 summary
  gcovr -r "$root" --object-directory "$build" -f "$root/src/" --json "$build/coverage-$2.json" 2>/dev/null
  summary=$(gcovr -r "$root" --object-directory "$build" -f "$root/src/" --print-summary \
    -o "$build/coverage-$2.txt" 2>/dev/null | grep '^lines:')
  echo "coverage: $what: $summary"
  awk 'NF >= 4 && $1 ~ /^src\// && $4 + 0 < 80 { printf "    %-28s %s\n", $1, $4 }' "$build/coverage-$2.txt"
}

forget
(cd "$build" && ctest -E '^soak_|^web$|^install$' -j2 >/dev/null) || echo "coverage: some tests failed; measured anyway" >&2
measure "the tests alone" tests

forget
# Played as the test command's soaks play: recorded, with the game's sounds beside it.
mkdir -p "$build/soak-work"
rm -f "$build"/soak-work/screenshot*.bmp
ln -sfn ../bin/sounds "$build/soak-work/sounds"
(cd "$build/soak-work" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_SEED="$seed" \
  QUORVANE_AUTOPLAY="$frames" QUORVANE_RECORD=coverage.rec ../bin/quorvane | grep '^autoplay: seed') || true
measure "one soak of $frames frames, seed $seed" soak

summary=$(gcovr -r "$root" --add-tracefile "$build/coverage-tests.json" --add-tracefile "$build/coverage-soak.json" \
  --print-summary -o "$build/coverage-both.txt" 2>/dev/null | grep '^lines:')
echo "coverage: the tests and the soak together: $summary"
awk 'NF >= 4 && $1 ~ /^src\// && $4 + 0 < 95 { printf "    %-28s %s\n", $1, $4 }' "$build/coverage-both.txt"
