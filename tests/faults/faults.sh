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
grep -qx "Can't open audio subsystem..." "$WORK/out.log" || fail "the missing audio device is not a line of its own"

# One log for both streams, as a desktop's journal keeps it: every line in the order it
# was printed, the error after the step that loads the picture, no line holding two.
fresh_copy
rm "$WORK/game/data/images/monsters/$(ls "$WORK/game/data/images/monsters" | head -1)"
(cd "$WORK/run" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no-such-device QUORVANE_SEED=11 QUORVANE_AUTOPLAY=10 \
   "$WORK/game/quorvane" >"$WORK/both.log" 2>&1) || fail "combined log: exit status $?"
order=$(grep -v "^autoplay" "$WORK/both.log" | sed 's/^Couldn.t load image .*/ERROR/' | tr '\n' '|')
[ "$order" = "Can't open audio subsystem...|Loading font...|Loading player...|Loading monsters...|ERROR|Loading stats...|Loading items...|Loading menu...|Loading sounds...|" ] \
  || { cat "$WORK/both.log" >&2; fail "combined log out of order: $order"; }
echo "combined log in order: ok"

# Every picture of the data tree missing in turn: each is reported once, the game plays on.
# The sanitizer build takes one picture of each directory, the plain build all of them.
fresh_copy
if [ "${SAMPLE:-0}" = 1 ]; then
  pictures=$(cd "$WORK/game/data" && for d in $(find images -type d); do find "$d" -maxdepth 1 -type f ! -name "*.bmp" | sort | head -1; done)
else
  pictures=$(cd "$WORK/game/data" && find images -type f ! -name "*.bmp" | sort) # the icon is optional and silent
fi
# worker <n> <list>: its own copy of the game; each picture of the list moved away, played without, put back.
worker() {
  local work="$WORK/w$1" pic name lines
  mkdir -p "$work"; cp "$BIN/quorvane" "$work/"; cp -r "$WORK/game/data" "$work/data"
  while read -r pic; do
    name=$(basename "$pic")
    mv "$work/data/$pic" "$work/away"
    (cd "$work" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_SEED=5 QUORVANE_AUTOPLAY=300 \
       ./quorvane >"$work/out.log" 2>"$work/err.log") || { echo "FAIL: without $pic: exit status $?"; return 1; }
    mv "$work/away" "$work/data/$pic"
    grep -q "^autoplay: seed 5, 300 frames" "$work/out.log" || { echo "FAIL: without $pic: did not play"; return 1; }
    lines=$(grep -c "^Couldn't load image " "$work/err.log" || true)
    # Tiles are named with their folder under tiles/, everything else by its file name.
    [ "$lines" = 1 ] && grep -Eq "^Couldn't load image ([a-z/-]*/)?$name: " "$work/err.log" \
      || { echo "FAIL: without $pic: reported $lines times"; cat "$work/err.log"; return 1; }
  done < "$2"
}
echo "$pictures" | split -n "r/$(nproc)" - "$WORK/list."
pids=()
n=0
for list in "$WORK"/list.*; do worker $n "$list" & pids+=($!); n=$((n + 1)); done
for pid in "${pids[@]}"; do wait "$pid" || fail "a missing picture was not reported exactly once"; done
count=$(echo "$pictures" | wc -l)
echo "each of $count missing pictures reported once: ok"

fresh_copy
play "screenshots cannot be written" /proc
echo "all fault runs passed"
