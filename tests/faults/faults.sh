#!/usr/bin/env bash
# The program, started as a player starts it, in broken surroundings: it prints its
# own messages, survives thousands of frames of random play and exits 0 from the title.
#   faults.sh <bin-dir> [frames]
set -euo pipefail
BIN="$(cd "$1" && pwd)"
FRAMES="${2:-3000}"
WORK="$(mktemp -d /tmp/quorvane-faults.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy of the game whose data tree we may damage.
fresh_copy() {
  rm -rf "$WORK/game" "$WORK/run"
  mkdir -p "$WORK/game" "$WORK/run"
  cp "$BIN/quorvane" "$WORK/game/"
  cp -r "$BIN/data" "$WORK/game/data"
  ln -s "$BIN/sounds" "$WORK/run/sounds"
}

# play <name> <dir to run in> [env...]: random play, then out through "Exit".
play() {
  local name="$1" dir="$2"; shift 2
  local rc=0
  (cd "$dir" && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER="${AUDIO:-dummy}" QUORVANE_SEED=11 \
     QUORVANE_AUTOPLAY="$FRAMES" "$@" "$WORK/game/quorvane" >"$WORK/out.log" 2>"$WORK/err.log") || rc=$?
  [ "$rc" = 0 ] || { cat "$WORK/out.log" "$WORK/err.log" >&2; fail "$name: exit status $rc"; }
  grep -q "^autoplay: seed 11, $FRAMES frames" "$WORK/out.log" || { cat "$WORK/out.log" >&2; fail "$name: did not play $FRAMES frames"; }
  echo "$name: ok"
}

fresh_copy
rm -rf "$WORK/game/data"/*
play "empty data directory" "$WORK/run"
grep -q "^Couldn't load image font.png: " "$WORK/err.log" || fail "no line for the missing font"
grep -q "^Couldn't load image player.png: " "$WORK/err.log" || fail "no line for the missing player"

fresh_copy
size=$(stat -c %s "$WORK/game/data/images/player.png")
truncate -s $((size / 2)) "$WORK/game/data/images/player.png"
play "a picture cut in half" "$WORK/run"
grep -q "^Couldn't load image player.png: " "$WORK/err.log" || fail "no line for the truncated picture"

fresh_copy
echo "this is not a picture" > "$WORK/game/data/images/font.png"
play "a text file for a picture" "$WORK/run"
grep -q "^Couldn't load image font.png: " "$WORK/err.log" || fail "no line for the text file"

fresh_copy
rm "$WORK/run/sounds"
play "no sounds directory" "$WORK/run"

fresh_copy
AUDIO=no-such-device play "no audio device" "$WORK/run"
grep -q "Can't open audio subsystem..." "$WORK/out.log" || fail "no line for the missing audio device"

fresh_copy
play "screenshots cannot be written" /proc
echo "all fault runs passed"
