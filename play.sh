#!/usr/bin/env bash
# Sets up what playing needs (packages, the game, its pictures and sounds) and starts the
# game. Any arguments go to the game: ./play.sh --fullscreen
# The game is kept in the player's folder, $XDG_DATA_HOME/quorvane (by default
# ~/.local/share/quorvane), where the installed quorvane command keeps it too: a rebuild
# or a cleaned tree loses nothing.
set -euo pipefail
start=$PWD
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
bin=$PWD/build/bin
# Recordings named by a relative path are where the player typed them.
for name in QUORVANE_RECORD QUORVANE_REPLAY; do
  case "${!name:-}" in
    ""|/*) ;;
    *) export "$name=$start/${!name}" ;;
  esac
done
# The game reads sounds/ from its working folder and writes the screenshots and the
# saved game there: the player's folder, with a link to the build's sounds.
case "${XDG_DATA_HOME:-}" in
  /*) base=$XDG_DATA_HOME ;;
  *) base=${HOME:+$HOME/.local/share} ;;
esac
if [ -n "$base" ] && mkdir -p "$base/quorvane" 2>/dev/null && [ -w "$base/quorvane" ] && [ -x "$base/quorvane" ]; then
  folder=$base/quorvane
  if [ -L "$folder/sounds" ] || [ ! -e "$folder/sounds" ]; then
    [ "$(readlink "$folder/sounds" || true)" = "$bin/sounds" ] || ln -sfn "$bin/sounds" "$folder/sounds"
  fi
  echo "Quorvane: starting the game in $folder (your saved game and screenshots are kept there)"
else
  echo "Quorvane: cannot use ${base:-a home folder (HOME is not set)}/quorvane; this game is not kept" >&2
  folder=$bin
  export QUORVANE_KEEP=0
fi
cd "$folder"
exec "$bin/quorvane" "$@"
