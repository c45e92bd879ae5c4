#!/usr/bin/env bash
# Installs what the build needs (quietly, only what is missing) and builds the game,
# its data tree, the tests and the benchmarks into build/ (or the directory given).
#   scripts/setup.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ pkg-config
          libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
          libpng-dev libjpeg-dev libgtest-dev libbenchmark-dev
          xvfb xauth xdotool)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

build="${1:-build}"
shift || true
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" -- --no-print-directory >/dev/null
