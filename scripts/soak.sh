#!/usr/bin/env bash
# A long self-play soak:  scripts/soak.sh [frames] [seed] [build-dir]
# Plays through the real loop headless, checking the game's invariants after every
# frame; stops with the seed and frame number at the first violation, and prints what
# the run did. QUORVANE_AUTOPLAY_CHECK=1 in the environment also holds it to its aims.
set -euo pipefail
cd "$(dirname "$0")/.."
frames="${1:-1000000}"
seed="${2:-$RANDOM}"
build="${3:-build}"
scripts/setup.sh "$build"
mkdir -p "$build/soak-work"
cd "$build/soak-work"
rm -f screenshot*.bmp # the game never writes over one, so the last run's go first
rc=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_SEED="$seed" QUORVANE_AUTOPLAY="$frames" \
  ../bin/quorvane > soak.log 2>/dev/null || rc=$?
grep '^autoplay' soak.log
exit $rc
