#!/usr/bin/env bash
# The kept game through the real program: played, then ended every way a program ends
# (Q and "Exit", SIGTERM, SIGHUP, the window's close button at a question), it comes back
# on the next start with "Continue" selected, and the game read back is the game written.
# A folder in the save's place and a damaged save leave the game playable with one line.
# A second copy in the same folder keeps nothing and says so; a write-protected folder is
# told in the window.
# Self-play and replays neither read nor write the save.
source "$(dirname "$0")/lib.sh"
RECORDINGS="$(cd "$(dirname "$0")/../recordings" && pwd)"
SAVE="$WORK/quorvane.sav"
CLOSE="$(dirname "$0")/close_window.py"
start_x

digest() { sed -n 2p "$SAVE"; }

# use_window <id>: the keys go to that window from now on (raised and given the focus:
# with two windows, the keys go where the focus is).
use_window() {
  WID=$1
  xdotool windowraise "$WID" windowfocus --sync "$WID"
}

# title [Continue|New Game]: a fresh start shows the title with the cursor there.
title() {
  SHOTS=0
  rm -f "$WORK"/screenshot*.bmp
  start_game
  if [ "$1" = Continue ]; then
    shoot_until 340 430 "Continue" || fail "no Continue on the title"
    shot_has "$SHOT" 324 430 ">" || fail "the cursor is not on Continue"
  else
    shoot_until 340 445 "New Game" || fail "the title never appeared"
    shot_has "$SHOT" 340 430 "Continue" && fail "Continue offered with no game to continue"
    shot_has "$SHOT" 324 445 ">" || fail "the cursor is not on New Game"
  fi
}

# walk: some steps and a look at the pack, a few hundred frames of play.
walk() {
  shoot_until 690 560 "? for Help" 40 || fail "no play screen"
  local k
  for k in Right Right Down Down Left Up Right Down i Escape Left Left Up; do
    key "$k"
    shoot
  done
  shoot_until 690 560 "? for Help" 40 || fail "not back in play"
}

# exit_title: from the title, "Exit" (the cursor on Continue: one up wraps to it, in
# a frame of its own).
exit_title() {
  key Up
  shoot_until 324 475 ">" 20 || fail "the cursor did not wrap to Exit"
  key space
  local rc=0; wait_exit 100 || rc=$?
  [ "$rc" = 0 ] || fail "Exit: status $rc"
}

# A new game, played, Q to the title and "Exit".
title "New Game"
key space
walk
key shift+q
shoot_until 324 430 ">" 40 || fail "Q did not lead to the title with Continue selected"
exit_title
[ -s "$SAVE" ] || fail "Q and Exit left no save"
kept="$(digest)"
echo "Q and Exit: kept ($kept)"

# The next start offers the game; leaving at once keeps the very same game.
title Continue
exit_title
[ "$(digest)" = "$kept" ] || fail "the game read back is not the game written: $kept, then $(digest)"
echo "resumed and left: the same game"

# Two copies in one folder: the second says in its window that the game is played in
# the other and keeps nothing. The game played in the first and left with Q is the game
# that resumes, though the second is closed after it.
title Continue
APID=$GPID AWID=$WID
(cd "$WORK" && SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  exec "$BIN/quorvane" >"$WORK/out2.log" 2>"$WORK/err2.log") &
BPID=$!
trap 'kill "$BPID" 2>/dev/null || true; cleanup' EXIT
wait_for 200 grep -q "Loading sounds" "$WORK/out2.log" || fail "the second copy did not finish loading"
BWID="$(xdotool search --sync --limit 1 --all --pid "$BPID" --name "Quorvane" 2>/dev/null | head -1)"
[ -n "$BWID" ] || fail "no window of the second copy"
use_window "$BWID"
note="The game is already being played in another window: nothing is kept here."
shoot_until $((400 - 4 * ${#note})) 520 "$note" || fail "the second copy's title does not say the game is played elsewhere"
shot_has "$SHOT" 340 430 "Continue" && fail "the second copy offers the first one's game"
grep -q "already being played in this folder" "$WORK/err2.log" || { cat "$WORK/err2.log" >&2; fail "the second copy says nothing on stderr"; }
use_window "$AWID"
key space
walk
key shift+q
shoot_until 324 430 ">" 40 || fail "Q did not lead to the title"
[ "$(digest)" != "$kept" ] || fail "the first copy's Q kept nothing"
kept="$(digest)"
# The second copy, forgotten on the desktop, is closed.
for ((i = 0; i < 50; i++)); do
  python3 "$CLOSE" "$BWID" 2>/dev/null || true
  kill -0 "$BPID" 2>/dev/null || break
  sleep 0.1
done
rc=0; wait "$BPID" || rc=$?
[ "$rc" = 0 ] || fail "the second copy: status $rc"
[ "$(digest)" = "$kept" ] || fail "closing the second copy wrote over the game played in the first"
exit_title
title Continue
exit_title
[ "$(digest)" = "$kept" ] || fail "the game played in the first copy is not the one resumed"
[ -z "$(ls "$WORK" | grep -E '^quorvane\.sav\.[A-Za-z0-9]{6}$')" ] || fail "a save's leftover file"
echo "two copies in one folder: the played game resumes"

# Continue, play, and end by a signal or by the close button at a question.
for ending in TERM HUP close; do
  title Continue
  key space
  walk
  case "$ending" in
    close)
      key o # "Which direction?"
      # The close at a question only answers it; the next one ends the game.
      for ((i = 0; i < 50; i++)); do
        python3 "$CLOSE" "$WID" 2>/dev/null || true
        kill -0 "$GPID" 2>/dev/null || break
        sleep 0.1
      done
      ;;
    *) kill -s "$ending" "$GPID" ;;
  esac
  rc=0; wait_exit 100 || rc=$?
  [ "$rc" = 0 ] || fail "$ending: status $rc"
  [ -s "$SAVE" ] || fail "$ending: no save"
  [ "$(digest)" != "$kept" ] || fail "$ending: the save is the one from before the play"
  kept="$(digest)"
  [ -s "$WORK/err.log" ] && { cat "$WORK/err.log" >&2; fail "$ending: something on stderr"; }
  title Continue
  exit_title
  [ "$(digest)" = "$kept" ] || fail "$ending: the game read back is not the game written"
  echo "$ending: kept and resumed"
done

# Self-play and replays play their own games: the save is neither read nor written.
cp "$SAVE" "$WORK/kept.copy"
(cd "$WORK" && headless QUORVANE_SEED=3 QUORVANE_AUTOPLAY=600 \
  "$BIN/quorvane" >"$WORK/auto.log" 2>&1) || { cat "$WORK/auto.log" >&2; fail "self-play failed"; }
(cd "$WORK" && headless QUORVANE_REPLAY="$RECORDINGS/town-walk.rec" \
  "$BIN/quorvane" >"$WORK/replay.log" 2>&1) || { cat "$WORK/replay.log" >&2; fail "the replay failed"; }
cmp -s "$SAVE" "$WORK/kept.copy" || fail "self-play or a replay touched the save"
grep -q "saved game" "$WORK/auto.log" "$WORK/replay.log" && fail "self-play or a replay read the save"
echo "self-play and replays: the save untouched"

# A damaged save: one line, moved aside, and a first start.
head -c 3000 "$WORK/kept.copy" >"$SAVE"
title "New Game"
[ "$(grep -c . "$WORK/err.log")" = 1 ] || { cat "$WORK/err.log" >&2; fail "damaged: not one line"; }
grep -q "quorvane.sav: the file is cut short.*moved aside to quorvane.sav.bad" "$WORK/err.log" ||
  { cat "$WORK/err.log" >&2; fail "damaged: the line does not say so"; }
cmp -s "$WORK/quorvane.sav.bad" <(head -c 3000 "$WORK/kept.copy") || fail "damaged: not moved aside whole"
key Escape
wait_exit 100 || fail "Escape on the title"
echo "damaged save: set aside"

# A folder where the save goes: one line, and the game plays and ends as ever.
rm -f "$SAVE"
mkdir "$SAVE"
title "New Game"
key space
walk
key shift+q
shoot_until 324 430 ">" 40 || fail "Q did not lead to the title"
exit_title
[ "$(grep -c . "$WORK/err.log")" = 1 ] || { cat "$WORK/err.log" >&2; fail "a folder in the way: not one line"; }
echo "a folder in the save's place: one line, played"
