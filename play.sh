#!/usr/bin/env bash
# Sets everything up (packages, build, pictures and sounds) and starts the game.
# Any arguments go to the game: ./play.sh --fullscreen
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
cd build/bin            # the game reads sounds/ from here and writes screenshots here
exec ./quorvane "$@"
