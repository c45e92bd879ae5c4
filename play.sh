#!/usr/bin/env bash
# Sets up what playing needs (packages, the game, its pictures and sounds) and starts the
# game. Any arguments go to the game: ./play.sh --fullscreen
set -euo pipefail
cd "$(dirname "$0")"
# ./play.sh --web: the game in a browser page, served on 127.0.0.1 (scripts/web.sh).
if [ "${1:-}" = "--web" ]; then
  exec scripts/web.sh --serve
fi
# The switches' help needs no build when the game is already built.
if [ -x build/bin/quorvane ] && { [ "${1:-}" = "--help" ] || [ "${1:-}" = "-h" ]; }; then
  exec build/bin/quorvane "$@"
fi
scripts/setup.sh --play build
echo "Quorvane: starting the game in build/bin"
cd build/bin            # the game reads sounds/ from here and writes screenshots here
exec ./quorvane "$@"
