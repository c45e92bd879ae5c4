#!/usr/bin/env bash
# Keys as the X server sends them to a real window: a held arrow walks (the game repeats it
# while it is held), a held i opens the inventory once, keypad 5 with NumLock off waits;
# the run is recorded, repeats and all, and its recording replays the same game.
source "$(dirname "$0")/lib.sh"
start_x
QUORVANE_SEED=3 QUORVANE_RECORD="$WORK/keys.rec" start_game
shoot_until 340 445 "New Game" || fail "the title menu never appeared"
key space
shoot_until 690 100 "Time: 0" 40 || fail "no play screen after New Game"

# presses <key>: the key-downs of that key (its word in the recording) the game has read so far.
presses() { grep -c "^e [0-9]* [0-9]* down $1 " "$WORK/keys.rec" || true; }
at_least() { [ "$(presses "$1")" -ge "$2" ]; }

# time_shown: the turn counter of the latest screenshot.
time_shown() {
  local n
  for ((n = 0; n <= 200; n++)); do
    if shot_has "$SHOT" 690 100 "Time: $n"; then echo "$n"; return 0; fi
  done
  echo "?"
}

# A held Down: one press and its repeats, several steps (out through the door of the
# house the game starts in, and down the path).
key Right
shoot_until 690 100 "Time: 1" 40 || fail "no step to the east"
xdotool keydown --window "$WID" Down
wait_for 100 at_least Down 6 || { xdotool keyup --window "$WID" Down; fail "no repeats of a held Down"; }
xdotool keyup --window "$WID" Down
shoot
walked="$(time_shown)"
[ "$walked" != "?" ] && [ "$walked" -ge 5 ] || fail "a held Down: $walked turns for $(presses Down) key-downs"
echo "held Down: $(presses Down) key-downs, $walked turns"

# A held i: the inventory, once; its repeats do not pick pocket I.
xdotool keydown --window "$WID" i
wait_for 100 at_least i 4 || { xdotool keyup --window "$WID" i; fail "no repeats of a held i"; }
shoot
xdotool keyup --window "$WID" i
shot_has "$SHOT" 490 100 "ESC - Return to game" || fail "a held i: not on the inventory"
shot_has "$SHOT" 150 75 "ITEM PROPERTIES" && fail "a held i picked a pocket"
key Escape
shoot_until 690 100 "Time: $walked" 20 || fail "not back in play"

# Keypad 5 with NumLock off, and Home: a turn each.
key KP_Begin
shoot_until 690 100 "Time: $((walked + 1))" 20 || fail "keypad 5 without NumLock did not wait"
key Home
shoot_until 690 100 "Time: $((walked + 2))" 20 || fail "Home took no turn"

kill "$GPID"
rc=0; wait_exit 50 || rc=$?
[ "$rc" = 0 ] || fail "exit status $rc"
(cd "$WORK" && headless env QUORVANE_REPLAY="$WORK/keys.rec" "$BIN/quorvane" >"$WORK/replay.log" 2>&1) ||
  { tail -3 "$WORK/replay.log" >&2; fail "the recording with held keys does not replay"; }
echo "keys: ok ($(tail -1 "$WORK/replay.log"))"
