#!/usr/bin/env bash
# The mouse in a real window, as the X server sends it: the title by clicks, the
# inventory by clicks, a walk to a clicked cell (travel), the right button looking at a
# cell, and a step by a click; the pointer shows while the mouse is used. The run is
# recorded, clicks and all, and its recording replays the same game.
source "$(dirname "$0")/lib.sh"
start_x
QUORVANE_SEED=3 QUORVANE_RECORD="$WORK/mouse.rec" start_game
click() { xdotool mousemove --window "$WID" "$1" "$2" click "${3:-1}"; }

shoot_until 340 445 "New Game" || fail "the title menu never appeared"
xdotool mousemove --window "$WID" 350 462 # over "Options": the cursor follows
shoot_until 324 460 ">" 20 || fail "the title's cursor did not follow the pointer"
click 350 447
shoot_until 690 100 "Time: 0" 40 || fail "no play screen after a click on New Game"

# The inventory: a slot by a click, its page left by a click, back to play by a click.
key i
shoot_until 490 100 "ESC - Return to game" 20 || fail "no inventory"
click 75 105
shoot_until 150 75 "ITEM PROPERTIES" 20 || fail "a click on slot A did not show it"
click 400 300
shoot_until 490 100 "ESC - Return to game" 20 || fail "a click did not leave the item's page"
click 520 105
shoot_until 690 100 "Time: 0" 20 || fail "a click on \"ESC - Return to game\" did not go back to play"

# The right button looks at a cell; Escape leaves.
click 400 200 3
shoot_until 690 145 "Looking" 20 || fail "the right button did not look"
key Escape
shoot_until 690 100 "Time: 0" 20 || fail "not back in play after looking"

# A click on the next cell is a step; one farther off is travel, which ends by itself.
click 195 165 # the player starts in the map's corner, at its sixth column and row

shoot_until 690 100 "Time: 1" 20 || fail "a click next to the player took no step"
# "Which direction?" answered by a click on the cell to the east: closing nothing there.
key c
wait_for 100 window_has 5 480 "Which direction?" || fail "no direction asked after c"
click 225 195
shoot_until 690 100 "Time: 1" 20 || fail "the direction's click was not taken"
travelled=""
for target in "615 375" "45 375" "615 45" "45 45" "465 255" "165 255"; do
  click $target
  if shoot_until 690 145 "Travelling" 3; then travelled=$target; break; fi
done
[ -n "$travelled" ] || fail "no click far off travelled"
for ((i = 0; i < 100; i++)); do
  shoot
  shot_has "$SHOT" 690 145 "Travelling" || break
done
shot_has "$SHOT" 690 145 "Travelling" && fail "travel never ended"
grep -q "^e [0-9]* [0-9]* press $travelled 1\$" "$WORK/mouse.rec" || fail "the click was not recorded"
grep -q "^w [0-9]* click 225 195" "$WORK/mouse.rec" || fail "the click that answered the question was not recorded"

kill "$GPID"
rc=0; wait_exit 50 || rc=$?
[ "$rc" = 0 ] || fail "exit status $rc"
(cd "$WORK" && headless env QUORVANE_REPLAY="$WORK/mouse.rec" "$BIN/quorvane" >"$WORK/replay.log" 2>&1) ||
  { tail -3 "$WORK/replay.log" >&2; fail "the recording with clicks does not replay"; }
echo "mouse: ok ($(grep -c ' press ' "$WORK/mouse.rec") clicks; $(tail -1 "$WORK/replay.log"))"
