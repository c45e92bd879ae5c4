#!/usr/bin/env bash
# Benchmarks: one play frame beside a plain frame copy, map generation, population,
# a full monster turn, loading every picture; then the peak memory of a soak.
#   scripts/bench.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
scripts/setup.sh "$build"
cd "$build/bin"
./quorvane_bench --benchmark_min_time=0.5 2>/dev/null | grep -v '^Loading'
mkdir -p ../soak-work && cd ../soak-work && rm -f screenshot*.bmp
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_SEED=1 QUORVANE_AUTOPLAY=100000 \
  ../bin/quorvane 2>/dev/null | grep '^autoplay'
