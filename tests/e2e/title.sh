#!/usr/bin/env bash
# The title in a real window: the menu fades in, the cursor follows the arrow keys,
# screenshots are numbered 0, 1, 2..., the options screen, and Escape quits with 0.
source "$(dirname "$0")/lib.sh"
start_x
start_game

shoot_until 340 445 "New Game" || fail "the title menu never appeared"
shot_has "$SHOT" 324 445 ">" || fail "cursor not on New Game"
shot_has "$SHOT" 340 430 "Continue" && fail "Continue shown without a game"
[ "$("$BIN/shotcheck" "$BIN/data" "$WORK/$SHOT" size)" = "800 600" ] || fail "screenshot is not 800 x 600"

key Down
shoot_until 324 460 ">" 20 || fail "cursor did not move down to Options"
key Down
shoot_until 324 475 ">" 20 || fail "cursor did not move down to Exit"
key Down
shoot_until 324 445 ">" 20 || fail "cursor did not wrap to New Game"
key Up
shoot_until 324 475 ">" 20 || fail "cursor did not wrap up to Exit"

# Options and back.
key Up space
shoot_until 340 460 "Return to Menu" 20 || fail "options screen not shown"
shot_has "$SHOT" 324 445 ">" || fail "options cursor not on the switch"
key Escape
shoot_until 340 475 "Exit" 20 || fail "not back on the title"
shot_has "$SHOT" 324 445 ">" || fail "back on the title, cursor not on New Game"

# Every screenshot of the run, numbered from 0 without a gap.
for ((i = 0; i < SHOTS; i++)); do
  [ -s "$WORK/screenshot$i.bmp" ] || fail "screenshot$i.bmp missing"
done
[ -e "$WORK/screenshot$SHOTS.bmp" ] && fail "an extra screenshot"

key Escape
rc=0; wait_exit 100 || rc=$?
[ "$rc" = 0 ] || fail "exit status $rc"
echo "title: ok ($SHOTS screenshots)"
