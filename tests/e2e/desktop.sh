#!/usr/bin/env bash
# The game on desktops of several sizes: the window opens at the largest whole scale of
# 800 x 600 that fits the screen, unless the player chose a scale; without any display the
# program says so and ends with status 1 at once.
source "$(dirname "$0")/lib.sh"

# No display at all, and no driver asked for: two lines and status 1, within a bound.
mkdir -m 700 "$WORK/run"
rc=0
(cd "$WORK" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$WORK/run" \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  timeout 10 "$BIN/quorvane" >"$WORK/nodisplay.log" 2>"$WORK/nodisplay.err") || rc=$?
[ "$rc" = 1 ] || fail "without a display: exit status $rc"
grep -qx "Can't init screen-mode..." "$WORK/nodisplay.log" || { cat "$WORK/nodisplay.log" >&2; fail "without a display: no screen-mode line"; }
grep -q "no display found" "$WORK/nodisplay.log" || fail "without a display: no line says why"
echo "no display: ok"

# window_is <WxH>: the game's window has that size.
window_is() {
  local size
  size="$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ { print $2 }')"
  [ "$size" = "$1" ] || fail "on $SCREEN: a window of $size, not $1"
}

for screen in 1024x768:800x600 1920x1080:800x600 3840x2160:2400x1800; do
  SCREEN="${screen%%:*}"
  start_x "$SCREEN"
  start_game
  window_is "${screen##*:}"
  shoot_until 340 445 "New Game" || fail "on $SCREEN: the title menu never appeared"
  [ "$("$BIN/shotcheck" "$BIN/data" "$WORK/$SHOT" size)" = "800 600" ] || fail "on $SCREEN: the screenshot is not 800 x 600"
  if [ "$SCREEN" = 3840x2160 ]; then
    stop_x
    start_x "$SCREEN"
    SDL12COMPAT_WINDOW_SCALING=1 start_game # the player's own scale wins
    window_is 800x600
  fi
  stop_x
  rm -f "$WORK"/screenshot*.bmp
  SHOTS=0
  echo "$SCREEN: ok"
done
