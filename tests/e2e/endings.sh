#!/usr/bin/env bash
# How the game ends besides "Exit": SIGTERM, SIGINT and SIGHUP end it with status 0 from
# the title and from play; a display that goes away ends it with an error, at once.
source "$(dirname "$0")/lib.sh"
start_x

# fresh_start: the game on the title, counting its screenshots from 0 again.
fresh_start() {
  rm -f "$WORK"/screenshot*.bmp
  SHOTS=0
  start_game
  shoot_until 340 445 "New Game" || fail "the title menu never appeared"
}

for sig in TERM INT HUP; do
  fresh_start
  kill -s "$sig" "$GPID"
  rc=0; wait_exit 20 || rc=$?
  [ "$rc" = 0 ] || fail "SIG$sig on the title: exit status $rc"

  fresh_start
  key space
  shoot_until 690 560 "? for Help" 40 || fail "no play screen after New Game"
  kill -s "$sig" "$GPID"
  rc=0; wait_exit 20 || rc=$?
  [ "$rc" = 0 ] || fail "SIG$sig in play: exit status $rc"
  echo "SIG$sig: ok"
done

# The X server goes away under the game, which keeps the game in progress.
rm -f "$WORK/quorvane.sav"
fresh_start
key space
shoot_until 690 560 "? for Help" 40 || fail "no play screen after New Game"
kill "$XPID"; wait "$XPID" 2>/dev/null || true; XPID=""
rc=0; wait_exit 30 || rc=$?
[ "$rc" != 0 ] || fail "display lost: exit status 0"
[ "$rc" -lt 128 ] || fail "display lost: ended by signal $((rc - 128))"
grep -q "lost the connection to the display" "$WORK/err.log" || { cat "$WORK/err.log" >&2; fail "display lost: no line says so"; }
[ "$(grep -c . "$WORK/err.log")" = 1 ] || { cat "$WORK/err.log" >&2; fail "display lost: more than one line"; }
[ -s "$WORK/quorvane.sav" ] || fail "display lost: the game in progress was not kept"
echo "display lost: ok (status $rc, the game kept)"
