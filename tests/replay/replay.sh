#!/usr/bin/env bash
# The shelf of recorded games replays to the same game; a recording that was tampered
# with, cut or is no recording at all is caught, with the frame or the line named.
#   replay.sh <bin> <recordings dir>
set -uo pipefail
BIN="$(cd "$1" && pwd)"
SHELF="$(cd "$2" && pwd)"
WORK="$(mktemp -d /tmp/quorvane-replay.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
cd "$WORK"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# replay <file>: runs the game on the recording (for two minutes at most); sets rc, out
# (stdout) and err (stderr).
replay() {
  QUORVANE_REPLAY="$1" timeout 120 "$BIN/quorvane" >out.txt 2>err.txt
  rc=$?
  out=$(grep -v '^Loading' out.txt)
  err=$(cat err.txt)
}

# Every recording of the shelf matches; the first one twice over.
first=""
for rec in "$SHELF"/*.rec; do
  [ -n "$first" ] || first=$rec
  replay "$rec"
  [ $rc -eq 0 ] && grep -q "the game matches the recording" <<<"$out" ||
    fail "$(basename "$rec") does not replay (status $rc): $out $err (replay it with QUORVANE_REPLAY=$rec)"
done
[ -n "$first" ] || fail "no recordings in $SHELF"
replay "$first"
[ $rc -eq 0 ] || fail "$(basename "$first") matched once but not twice: $out"

# The recording of the first town, with its fifth step turned the other way, differs at
# the frame of that step (or at the checkpoint after it), and says so.
town="$SHELF/town-walk.rec"
step=$(grep -n '^e [0-9]* [0-9]* down 2[56][0-9] ' "$town" | grep -v ' down 261 ' | sed -n 5p)
if [ -z "$step" ]; then
  fail "town-walk.rec has no fifth step to turn"
else
  line=${step%%:*}
  set -- $(sed -n "${line}p" "$town")
  frame=$2 sym=$5
  sed "${line}s/ down $sym / down $((522 - sym)) /" "$town" >turned.rec # keypad n -> 10-n
  replay turned.rec
  at=$(sed -n 's/.*differs from the recording \(at frame\|between frames [0-9]* and\) \([0-9]*\).*/\2/p' <<<"$out")
  [ $rc -eq 1 ] || fail "a step turned around was not noticed (status $rc): $out"
  { [ -n "$at" ] && [ "$at" -ge "$frame" ] && [ "$at" -le $((frame + 100)) ]; } ||
    fail "a step turned at frame $frame was reported at frame '${at}': $out"
fi

# A game that went another way, written again (a rule changed on purpose): the keys and
# answers go to the game as it now is, and what is written replays the game it played.
if [ -f turned.rec ]; then
  QUORVANE_REPLAY=turned.rec QUORVANE_RECORD=turned-again.rec "$BIN/quorvane" >/dev/null 2>&1 ||
    fail "turned.rec could not be written again"
  replay turned-again.rec
  [ $rc -eq 0 ] || fail "turned.rec written again does not replay (status $rc): $out $err"
fi

# Cut short: the events of the last part left out, the end line kept.
total=$(wc -l <"$town")
{ head -n $((total / 2)) "$town"; tail -n 1 "$town"; } >cut.rec
replay cut.rec
[ $rc -eq 1 ] && grep -q "differs from the recording" <<<"$out" ||
  fail "a recording with its events cut short was not caught (status $rc): $out"

# Not recordings: each gives one line naming the file (and the line), and status 2.
head -c $(($(wc -c <"$town") / 2)) "$town" >truncated.rec
: >empty.rec
head -c 3000 "$BIN/quorvane" >garbage.rec
printf 'quorvane-recording 1\nseed 1\ne 5 0 sideways 1 0\n' >badline.rec
sed '1s/quorvane-recording 1/quorvane-recording 9/' "$town" >newer.rec
sed '1s/quorvane-recording 1/quorvane-recording 3/' "$town" >oneahead.rec # one newer than this game
# Format 2's own lines gone wrong: a click off the picture, a question answered off it, a
# key the game has no word for, and a pointer line in format 1.
mouse="$SHELF/mouse.rec"
sed 's/ press 350 447 1$/ press 900 447 1/' "$mouse" >offpicture.rec
sed 's/^w \([0-9]*\) click 225 195$/w \1 click 225 700/' "$mouse" >offanswer.rec
sed '0,/ down [A-Za-z0-9]* 0$/s/ down [A-Za-z0-9]* 0$/ down Banana 0/' "$mouse" >nokey.rec
sed '1s/quorvane-recording 2/quorvane-recording 1/' "$mouse" >oldpointer.rec
sed 's/$/\r/' "$town" >crlf.rec
mkdir folder.rec
sed '1s/quorvane-recording 1/quorvane-recording 4294967297/' "$town" >huge.rec
sed '2s/.*/seed -1/' "$town" >badseed.rec
sed '$s/^end [0-9]* /end 9223372036854775807 /' "$town" >farend.rec
sed '$s/^end [0-9]* /end 7905600001 /' "$town" >pastbound.rec
for bad in truncated empty garbage badline newer oneahead offpicture offanswer nokey oldpointer missing crlf folder huge badseed farend pastbound; do
  replay "$bad.rec"
  [ $rc -eq 2 ] || fail "$bad.rec: status $rc, not 2"
  [ "$(wc -l <err.txt)" -eq 1 ] && grep -q "^quorvane: $bad.rec" err.txt ||
    fail "$bad.rec: not one line naming the file: $err"
  # Each says what is wrong with it.
  case $bad in
    empty) want="^quorvane: empty.rec: an empty file" ;;
    crlf) want="^quorvane: crlf.rec:1: the line ends in CR LF" ;;
    folder) want="^quorvane: folder.rec: cannot be read: Is a directory" ;;
    offpicture) want="^quorvane: offpicture.rec:[0-9]*: a pointer off the picture" ;;
    offanswer) want="^quorvane: offanswer.rec:[0-9]*: an answer by a click off the picture" ;;
    nokey) want="^quorvane: nokey.rec:[0-9]*: a key or modifiers that are none of the game's" ;;
    oldpointer) want="^quorvane: oldpointer.rec:[0-9]*: an event line must read" ;;
    oneahead) want="^quorvane: oneahead.rec:1: a recording of format 3; this game reads format 2" ;;
    huge) want="^quorvane: huge.rec:1: a recording of format 4294967297; this game reads format 2" ;;
    badseed) want="^quorvane: badseed.rec:2: the second line must be" ;;
    farend) want="^quorvane: farend.rec:$(wc -l <"$town"): frame 9223372036854775807 is beyond any a game reaches" ;;
    pastbound) want="^quorvane: pastbound.rec:$(wc -l <"$town"): frame 7905600001 is beyond" ;;
    *) want="" ;;
  esac
  [ -z "$want" ] || grep -q "$want" err.txt || fail "$bad.rec: the message does not say what is wrong: $err"
done

# Blanks after the header or a line are let be: the recording still replays.
sed '1s/$/  /; 3s/$/ /' "$town" >blanks.rec
replay blanks.rec
[ $rc -eq 0 ] || fail "blanks after the header: status $rc: $out $err"

# Written again through the game as it is (as scripts/rerecord.sh does), a recording of
# format 1 becomes one of format 2, with the same checkpoints, that replays the same game.
for rec in "$town" "$SHELF/death.rec"; do
  name=$(basename "$rec" .rec)
  QUORVANE_REPLAY="$rec" QUORVANE_RECORD="again-$name.rec" "$BIN/quorvane" >/dev/null 2>&1 ||
    fail "$name.rec could not be written again"
  [ "$(head -1 "again-$name.rec")" = "quorvane-recording 2" ] || fail "again-$name.rec is not of format 2"
  [ "$(grep -E '^(c|end) ' "again-$name.rec")" = "$(grep -E '^(c|end) ' "$rec")" ] ||
    fail "$name.rec written again has other checkpoints"
  replay "again-$name.rec"
  [ $rc -eq 0 ] || fail "$name.rec written again does not replay (status $rc): $out $err"
done

# A key SDL 1.2 has no symbol for (the Menu key, volume keys) is written with the key
# code 0, and replays: pressed and released before the fifth step, it changes nothing.
if [ -n "$step" ]; then
  poll=$(sed -n "${line}p" "$town" | cut -d' ' -f3)
  sed -e "${line}i e $frame $poll down 0 0" -e "${line}i e $frame $poll up 0 0" "$town" >nosymbol.rec
  grep -q "^e $frame [0-9]* down 0 0$" nosymbol.rec || fail "nosymbol.rec was not made: $(sed -n "${line}p" nosymbol.rec)"
  replay nosymbol.rec
  [ $rc -eq 0 ] || fail "a key without a symbol does not replay (status $rc): $out $err"
fi

# A watched replay stopped by its viewer (Ctrl+C) says so with status 3, never that
# the game differs.
QUORVANE_REPLAY="$SHELF/journey.rec" QUORVANE_REPLAY_WATCH=1 "$BIN/quorvane" >out.txt 2>err.txt &
pid=$!
for ((i = 0; i < 300; i++)); do
  grep -q "Loading sounds" out.txt && break
  sleep 0.1
done
kill -INT $pid
rc=0; wait $pid || rc=$?
out=$(grep -v '^Loading' out.txt)
[ $rc -eq 3 ] || fail "a replay stopped by Ctrl+C: status $rc, not 3: $out $(cat err.txt)"
grep -q "^replay: $SHELF/journey.rec: stopped by its viewer at frame [0-9]* (the recording ends at frame [0-9]*)" <<<"$out" ||
  fail "a replay stopped by Ctrl+C does not say so: $out"
grep -q "differs" <<<"$out" && fail "a replay stopped by Ctrl+C says the game differs: $out"
grep -q '^quorvane: badline.rec:3: ' <(QUORVANE_REPLAY=badline.rec "$BIN/quorvane" 2>&1) ||
  fail "badline.rec: the bad line's number is not named"

# Recording does not change the game: the same seed and the same self-play keys give the
# same game with and without QUORVANE_RECORD, and the recording replays to it.
plain=$(QUORVANE_SEED=7 QUORVANE_AUTOPLAY=2000 "$BIN/quorvane" | sed -n 's/^autoplay: digest \([0-9a-f]*\).*/\1/p')
QUORVANE_SEED=7 QUORVANE_AUTOPLAY=2000 QUORVANE_RECORD=self.rec "$BIN/quorvane" >/dev/null
recorded=$(sed -n 's/^end [0-9]* \([0-9a-f]*\)$/\1/p' self.rec)
[ -n "$plain" ] && [ "$plain" = "$recorded" ] ||
  fail "recording changed the game: digest '$plain' without, '$recorded' with QUORVANE_RECORD"
replay self.rec
[ $rc -eq 0 ] || fail "a recorded self-play does not replay: $out"

[ $failures -eq 0 ] && echo "replay: all checks passed"
exit $((failures > 0))
