#!/usr/bin/env bash
# What the game costs while nobody presses anything, in a real window (Xvfb): the share of
# one core taken by the game (and by the X server) on the title and then on the map.
#   scripts/idle.sh [build-dir] [display number] [seconds]     (defaults: build 77 20)
# PROGRAM=name measures another program in the build's bin/ (an older build, say).
# SCREEN=WxH sets the X server's screen (default 1024x768); WM=openbox runs that window
# manager first. SETUPS="1x 2x full" measures the map in each of these windows, one after
# the other in the same X server: 1x and 2x are windows at that scale
# (SDL12COMPAT_WINDOW_SCALING), auto is the scale the game chooses, full is full screen;
# with COLOURS=1 each setup also counts the colours of the X server's picture of the title
# against the game's own screenshot (needs xwd and python3).
set -euo pipefail
cd "$(dirname "$0")/.."
bin="$(cd "${1:-build}/bin" && pwd)"
display=":${2:-77}"
seconds="${3:-20}"
program="$bin/${PROGRAM:-quorvane}"
work="$(mktemp -d /tmp/quorvane-idle.XXXXXX)"
xpid=""
gpid=""

cleanup() {
  if [ -n "$gpid" ]; then
    kill "$gpid" 2>/dev/null || true
    wait "$gpid" 2>/dev/null || true
  fi
  if [ -n "${wmpid:-}" ]; then
    kill "$wmpid" 2>/dev/null || true
    wait "$wmpid" 2>/dev/null || true
  fi
  if [ -n "$xpid" ]; then
    kill "$xpid" 2>/dev/null || true
    wait "$xpid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for <tries of 0.1 s> <command...>
wait_for() {
  local tries="$1" i
  shift
  for ((i = 0; i < tries; i++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Clock ticks used so far by a process, user and system.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure <what>: the share of a core over the next $seconds seconds.
measure() {
  local g0 x0 g1 x1 hz
  hz="$(getconf CLK_TCK)"
  g0="$(ticks "$gpid")"
  x0="$(ticks "$xpid")"
  sleep "$seconds"
  g1="$(ticks "$gpid")"
  x1="$(ticks "$xpid")"
  awk -v what="$1" -v g="$((g1 - g0))" -v x="$((x1 - x0))" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "%-6s game %5.1f %% of a core, X server %5.1f %%  (%d s)\n", what, 100 * g / (hz * s), 100 * x / (hz * s), s }'
}

Xvfb "$display" -screen 0 "${SCREEN:-1024x768}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xpid=$!
export DISPLAY="$display"
wait_for 100 xdotool getdisplaygeometry || { echo "idle: no X server on $display" >&2; exit 1; }
wmpid=""
if [ -n "${WM:-}" ]; then
  "$WM" >"$work/wm.log" 2>&1 &
  wmpid=$!
  sleep 1
fi
ln -s "$bin/sounds" "$work/sounds"

# start <args...>: the game, with the environment given before the call.
start() {
  rm -f "$work"/screenshot*.bmp "$work/out.log"
  (cd "$work" && SDL_AUDIODRIVER=dummy QUORVANE_SEED=1 exec "$program" "$@" >"$work/out.log" 2>&1) &
  gpid=$!
  wait_for 200 grep -q "Loading sounds" "$work/out.log" || { echo "idle: the game did not start" >&2; exit 1; }
  wid="$(xdotool search --sync --limit 1 --name Quorvane | head -1)"
}
stop() {
  kill "$gpid" 2>/dev/null || true
  wait "$gpid" 2>/dev/null || true
  gpid=""
}

# colours <what>: the colours of the X server's picture of the screen and of the game's
# own screenshot of the same title.
colours() {
  xdotool key --window "$wid" F1
  wait_for 100 test -s "$work/screenshot0.bmp"
  sleep 0.5
  xwd -id "$wid" -silent >"$work/screen.xwd"
  python3 - "$work/screen.xwd" "$work/screenshot0.bmp" "$1" <<'PY'
import struct, sys
def xwd_colours(path):
    d = open(path, 'rb').read()
    h = struct.unpack('>25I', d[:100])
    size, w, hgt, bpp, bpl, ncolors = h[0], h[4], h[5], h[11], h[12], h[19]
    off = size + ncolors * 12
    seen = set()
    for y in range(hgt):
        row = d[off + y * bpl: off + y * bpl + w * (bpp // 8)]
        seen.update(row[i:i + 4] for i in range(0, len(row), bpp // 8))
    return w, hgt, len(seen)
def bmp_colours(path):
    d = open(path, 'rb').read()
    off, = struct.unpack('<I', d[10:14])
    w, hgt = struct.unpack('<ii', d[18:26])
    bpp, = struct.unpack('<H', d[28:30])
    bpl = (w * bpp // 8 + 3) // 4 * 4
    seen = set()
    for y in range(abs(hgt)):
        row = d[off + y * bpl: off + y * bpl + w * bpp // 8]
        seen.update(row[i:i + bpp // 8] for i in range(0, len(row), bpp // 8))
    return len(seen)
w, h, n = xwd_colours(sys.argv[1])
print("%-6s title: the X server shows %d colours (%dx%d window), the game drew %d" % (sys.argv[3], n, w, h, bmp_colours(sys.argv[2])))
PY
}

if [ -z "${SETUPS:-}" ]; then
  start
  sleep 3 # the title has faded in
  measure title
  xdotool key --window "$wid" space # "New Game"
  sleep 2
  measure map
  exit 0
fi
for setup in $SETUPS; do
  case "$setup" in
    1x) SDL12COMPAT_WINDOW_SCALING=1 start ;;
    2x) SDL12COMPAT_WINDOW_SCALING=2 start ;;
    auto) start ;;
    full) start -f ;;
    *) echo "idle: unknown setup $setup" >&2; exit 2 ;;
  esac
  sleep 3 # the title has faded in
  if [ -n "${COLOURS:-}" ]; then colours "$setup"; fi
  xdotool key --window "$wid" space # "New Game"
  sleep 2
  echo "$setup: window $(xdotool getwindowgeometry "$wid" | awk '/Geometry/ { print $2 }')"
  measure "$setup"
  stop
done
