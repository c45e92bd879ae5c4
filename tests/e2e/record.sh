#!/usr/bin/env bash
# A game recorded in a real window replays: keys SDL 1.2 has no symbol for (volume
# keys, which the game reads with key code 0) among them, in play and as the answer to
# "Which direction?", and the game ended by a signal.
source "$(dirname "$0")/lib.sh"
command -v xwd >/dev/null || { echo "SKIP: xwd is not installed (package x11-apps)"; exit 0; }
start_x
export QUORVANE_SEED=6 QUORVANE_RECORD="$WORK/game.rec"
start_game

shoot_until 340 445 "New Game" || fail "the title menu never appeared"
key XF86AudioRaiseVolume
key space
shoot_until 690 560 "? for Help" 40 || fail "no play screen after New Game"
key Right XF86AudioLowerVolume Down Menu
# The question is seen in the window, not in a screenshot: F1 would answer it.
key o
wait_for 100 window_has 5 480 "Which direction?" || fail "no direction asked after o"
key XF86AudioMute
key Left
shoot
kill "$GPID"
rc=0; wait_exit 100 || rc=$?
[ "$rc" = 0 ] || fail "exit status $rc"

grep -q '^e [0-9]* [0-9]* down none 0$' "$WORK/game.rec" || fail "no key without a symbol was recorded: $(cat "$WORK/game.rec")"
grep -q '^w [0-9]* none\( \|$\)' "$WORK/game.rec" || fail "the direction was not answered by a key without a symbol: $(cat "$WORK/game.rec")"
unset QUORVANE_RECORD
out=$(cd "$WORK" && headless env QUORVANE_REPLAY=game.rec timeout 120 "$BIN/quorvane" 2>&1) ||
  fail "the recording does not replay (status $?): $out"
grep -q "^replay: game.rec: the game matches the recording" <<<"$out" || fail "the replay does not match: $out"
echo "record: ok ($(grep -c '^e [0-9]* [0-9]* \(down\|up\) none ' "$WORK/game.rec") key events without a symbol)"
