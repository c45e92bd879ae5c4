#!/usr/bin/env bash
# Sets everything up (packages, build, pictures and sounds) and starts the game.
# Any arguments go to the game: ./play.sh --fullscreen
set -euo pipefail
cd "$(dirname "$0")"
# ./play.sh --web: the game in a browser page, served on 127.0.0.1 (scripts/web.sh).
if [ "${1:-}" = "--web" ]; then
  exec scripts/web.sh --serve
fi
scripts/setup.sh build
cd build/bin            # the game reads sounds/ from here and writes screenshots here
exec ./quorvane "$@"
