# Shared by the end-to-end scripts: a private X server, the game in a scratch
# directory, keys through xdotool, and waits that poll a condition with a bound.
set -euo pipefail

BIN="$(cd "$1" && pwd)"
WORK="$(mktemp -d /tmp/quorvane-e2e.XXXXXX)"
XPID=""
GPID=""

cleanup() {
  if [ -n "$GPID" ]; then
    kill "$GPID" 2>/dev/null || true
    wait_for 30 sh -c "! kill -0 $GPID" || kill -9 "$GPID" 2>/dev/null || true
  fi
  [ -n "$XPID" ] && kill "$XPID" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] && echo "kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_for <tries of 0.1 s> <command...>: polls until the command succeeds.
wait_for() {
  local tries="$1"; shift
  local i
  for ((i = 0; i < tries; i++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# start_x [WxH]: a private X server with a screen of that size (1024x768 by default).
start_x() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
      XPID=$!
      export DISPLAY=":$n"
      if wait_for 100 xdotool getdisplaygeometry; then return 0; fi
      kill "$XPID" 2>/dev/null || true
    fi
  done
  fail "no X server could be started"
}

# stop_x: the game (if it still runs) and then its X server end.
stop_x() {
  if [ -n "$GPID" ]; then
    kill "$GPID" 2>/dev/null || true
    wait "$GPID" 2>/dev/null || true
    GPID=""
  fi
  if [ -n "$XPID" ]; then
    kill "$XPID" 2>/dev/null || true
    wait "$XPID" 2>/dev/null || true
    XPID=""
  fi
}

# start_game [args...]: runs the game in $WORK (with the sounds beside it).
start_game() {
  ln -sf "$BIN/sounds" "$WORK/sounds"
  # In a sanitizer build the X and GL libraries leave allocations behind at exit that are
  # none of ours; leaks of the game itself are checked by the runs on the dummy drivers.
  (cd "$WORK" && SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" exec "$BIN/quorvane" "$@" >"$WORK/out.log" 2>"$WORK/err.log") &
  GPID=$!
  wait_for 200 grep -q "Loading sounds" "$WORK/out.log" || fail "the game did not finish loading"
  WID="$(xdotool search --sync --limit 1 --name "Quorvane" 2>/dev/null | head -1)"
  [ -n "$WID" ] || fail "no game window"
}

key() { xdotool key --window "$WID" "$@"; }

# headless <command...>: the game on SDL's dummy drivers, away from the test's display
# (with one, SDL brings up D-Bus, whose leak at exit the sanitizers would report as ours).
headless() { env -u DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$@"; }

shot_has() { "$BIN/shotcheck" "$BIN/data" "$WORK/$1" "$2" "$3" "$4"; }

# window_at: the window's top-left corner on the X server's screen, left in WX and WY.
window_at() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$WID")
  WX=$(sed -n 's/^X=//p' <<<"$geometry")
  WY=$(sed -n 's/^Y=//p' <<<"$geometry")
}

# window_has <x> <y> <text>: the window, as the X server shows it now (read with xwd,
# package x11-apps; the game is not asked for a screenshot), has the text there.
window_has() {
  window_at
  xwd -root -silent >"$WORK/screen.xwd" &&
    "$BIN/shotcheck" "$BIN/data" "$WORK/screen.xwd" $((WX + $1)) $((WY + $2)) "$3"
}

# bmp_complete <file>: the file holds as many bytes as its header announces.
bmp_complete() {
  [ -s "$1" ] || return 1
  local want have
  want=$(od -An -t u4 -j 2 -N 4 "$1" | tr -d ' ')
  have=$(stat -c %s "$1")
  [ -n "$want" ] && [ "$have" -ge "$want" ]
}

# shoot: F1, then waits for the next numbered screenshot; its name is left in SHOT.
SHOTS=0
SHOT=""
shoot() {
  key F1
  local name="screenshot$SHOTS.bmp"
  wait_for 100 bmp_complete "$WORK/$name" || fail "no complete $name"
  SHOTS=$((SHOTS + 1))
  SHOT="$name"
}

# shoot_until <x> <y> <text> [tries]: screenshots until one shows the text there
# (a key takes effect in the frame after it is read, so the first one may be early).
shoot_until() {
  local i tries="${4:-60}"
  for ((i = 0; i < tries; i++)); do
    shoot
    if shot_has "$SHOT" "$1" "$2" "$3"; then return 0; fi
  done
  return 1
}

# wait_exit <tries of 0.1 s>: the game ends; returns its exit status.
wait_exit() {
  local tries="$1" i
  for ((i = 0; i < tries; i++)); do
    if ! kill -0 "$GPID" 2>/dev/null; then
      local rc=0
      wait "$GPID" || rc=$?
      GPID=""
      return $rc
    fi
    sleep 0.1
  done
  fail "the game did not exit"
}
