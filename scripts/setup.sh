#!/usr/bin/env bash
# Installs what the build needs (quietly, only what is missing) and builds the game,
# its data tree, the tests and the benchmarks into build/ (or the directory given).
#   scripts/setup.sh [build-dir] [extra cmake arguments...]
#   scripts/setup.sh --play [build-dir]  only what building and playing need; builds only
#                                        the game and its pictures and sounds
#   scripts/setup.sh --packages          only the packages
# The tools that check and package the installed game, and those that build and try the
# game's web page (Emscripten, Chromium), are installed too when they can be; without
# them the build goes on and their tests say what they skip.
set -euo pipefail
cd "$(dirname "$0")/.."

play=""
if [ "${1:-}" = "--play" ]; then
  play=1
  shift
fi
say() { if [ -n "$play" ]; then echo "Quorvane: $*"; fi; }

packages=(cmake make g++ pkg-config
          libsdl1.2-compat-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
          libpng-dev libjpeg-dev)
tools=()
if [ -z "$play" ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-apps python3)
  # Also for scripts/idle.sh: a window manager; for the page's test: Emscripten and Chromium.
  tools=(debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream man-db gcovr openbox
         emscripten chromium)
fi
missing_from() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      echo "$p"
    fi
  done
}
mapfile -t missing < <(missing_from "${packages[@]}")
mapfile -t missing_tools < <(missing_from "${tools[@]}")
if ((${#missing[@]} + ${#missing_tools[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  say "reading the package lists"
  $sudo apt-get update -qq >/dev/null || true
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  if ((${#missing_tools[@]})); then
    echo "Installing: ${missing_tools[*]}"
    $sudo apt-get install -y -qq "${missing_tools[@]}" >/dev/null ||
      echo "Could not install ${missing_tools[*]}: the checks that need them will be skipped"
  fi
fi
if [ "${1:-}" = "--packages" ]; then
  exit 0
fi

build="${1:-build}"
shift || true
# A new build folder is configured with the default build type; arguments given for a
# folder configured before are applied to it again, so that the folder is built as asked.
if [ ! -f "$build/CMakeCache.txt" ]; then
  say "configuring $build/"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
elif (($#)); then
  cmake -S . -B "$build" "$@" >/dev/null
elif [ -z "$play" ] && grep -q '^QUORVANE_TESTS_BUILT:INTERNAL=\(OFF\|FALSE\|0\|\)$' "$build/CMakeCache.txt"; then
  # Configured to play before GoogleTest was installed: configure again, now with the tests.
  cmake -S . -B "$build" >/dev/null
fi
if [ -n "$play" ]; then
  if [ ! -x "$build/bin/quorvane" ]; then
    say "building the game and drawing its pictures and sounds (a minute or two, the first time)"
  fi
  cmake --build "$build" -j"$(nproc)" --target quorvane assets -- --no-print-directory >/dev/null
else
  cmake --build "$build" -j"$(nproc)" -- --no-print-directory >/dev/null
fi
