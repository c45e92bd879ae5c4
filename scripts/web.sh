#!/usr/bin/env bash
# Builds the game for a browser page, from the same sources as the desktop's, with
# Debian's Emscripten (installed when missing), into build-web/page (or the folder given):
# quorvane.js, quorvane.wasm, quorvane.data, index.html, page.js, sw.js, manifest.webmanifest
# and the icons, a folder any static web host serves as it is.
#   scripts/web.sh [build-dir]            build
#   scripts/web.sh --serve [build-dir]    build, then serve it on 127.0.0.1 (QUORVANE_PORT,
#                                         8025 by default; 0 takes any free port; a taken
#                                         port is refused, as the browser keeps the game
#                                         for the address)
#   scripts/web.sh --packages             only the packages
set -euo pipefail
cd "$(dirname "$0")/.."

serve=""
if [ "${1:-}" = "--serve" ]; then
  serve=1
  shift
fi

# What the picture generator needs (it is built for this machine first), and Emscripten.
scripts/setup.sh --packages
if ! dpkg-query -W -f='${Status}' emscripten 2>/dev/null | grep -q "install ok installed"; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: emscripten"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq emscripten >/dev/null
fi
if [ "${1:-}" = "--packages" ]; then
  exit 0
fi

build="${1:-build-web}"
# Debian's emcc looks for its JavaScript modules (acorn and the like) where Debian keeps them.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
if [ ! -f "$build/CMakeCache.txt" ]; then
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" -- --no-print-directory >/dev/null

if [ -n "$serve" ]; then
  exec python3 web/serve.py "$build/page" "${QUORVANE_PORT:-8025}"
fi
echo "The page is in $build/page"
