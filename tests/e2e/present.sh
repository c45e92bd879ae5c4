#!/usr/bin/env bash
# What the player sees in the window after the game's partial presents: the X server's
# picture (xwd -root) of the window is, pixel for pixel, the game's own F1 screenshot
# of the same moment, on the title as the cursor moves and on every screen of play
# opened and closed between steps.
source "$(dirname "$0")/lib.sh"
command -v xwd >/dev/null || { echo "SKIP: xwd is not installed (package x11-apps)"; exit 0; }
start_x
export QUORVANE_SEED=4
start_game

# shown_as_shot <what>: the window, as the X server shows it now, is the last screenshot.
# The screens compared are still (no sky), so the frames between the two are the same.
COMPARED=0
shown_as_shot() {
  window_at
  xwd -root -silent >"$WORK/screen.xwd" || fail "$1: xwd failed"
  "$BIN/shotcheck" "$BIN/data" "$WORK/$SHOT" shown "$WORK/screen.xwd" "$WX" "$WY" >"$WORK/compare.txt" ||
    fail "$1: the window shows something else than the game drew: $(cat "$WORK/compare.txt")"
  COMPARED=$((COMPARED + 1))
}

shoot_until 340 445 "New Game" || fail "the title menu never appeared"
shown_as_shot "the title"
for k in Down Down Up; do
  key "$k"
  # The cursor is on the line the key took it to once the screenshot shows it there.
  case $k in Down) want=$((445 + 15 * (COMPARED))) ;; Up) want=$((445 + 15 * (COMPARED - 2))) ;; esac
  shoot_until 324 "$want" ">" 20 || fail "the cursor did not move $k"
  shown_as_shot "the title, cursor moved $k"
done
key Up space
shoot_until 690 560 "? for Help" 40 || fail "no play screen after New Game"

# Steps in the town, then each screen opened from play or from another screen, compared,
# and left again. Play itself is not compared: its sky moves from frame to frame.
screen() { # <keys> <x> <y> <text>: the keys, then the screen with the text at its place
  key $1
  shoot_until "$2" "$3" "$4" 40 || fail "no screen with \"$4\" after $1"
  shown_as_shot "the screen after $1"
}
# in_play: the last screenshot is of play: the status column, and none of the screens'
# titles (every screen but the character sheet shows the status column too).
in_play() {
  shot_has "$SHOT" 690 560 "? for Help" && ! shot_has "$SHOT" 209 30 "INVENTORY" &&
    ! shot_has "$SHOT" 150 75 "ITEM PROPERTIES" && ! shot_has "$SHOT" 278 25 "GAME CONTROLS"
}
play() { # <keys...>: each key in turn, each awaited back in play
  local k i
  for k in "$@"; do
    key "$k"
    for ((i = 0; i < 40; i++)); do
      shoot
      if in_play; then continue 2; fi
    done
    fail "not in play after $k"
  done
}
play Right Down Right
screen i 209 30 "INVENTORY"
screen space 150 75 "ITEM PROPERTIES"
screen Escape 209 30 "INVENTORY"
screen question 278 25 "GAME CONTROLS"
screen Escape 209 30 "INVENTORY"
play Escape Down Left
screen shift+c 120 80 "CHARACTER"
screen question 278 25 "GAME CONTROLS"
screen Escape 120 80 "CHARACTER"
play Escape Left Up
screen i 209 30 "INVENTORY"
play Escape

key Escape
kill "$GPID"
rc=0; wait_exit 100 || rc=$?
[ "$rc" = 0 ] || fail "exit status $rc"
echo "present: ok ($COMPARED pictures of the window compared with the game's screenshots)"
