#!/usr/bin/env bash
# What the game costs while nobody presses anything, in a real window (Xvfb): the share of
# one core taken by the game (and by the X server) on the title and then on the map.
#   scripts/idle.sh [build-dir] [display number] [seconds]     (defaults: build 77 20)
# PROGRAM=name measures another program in the build's bin/ (an older build, say).
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

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xpid=$!
export DISPLAY="$display"
wait_for 100 xdotool getdisplaygeometry || { echo "idle: no X server on $display" >&2; exit 1; }

ln -s "$bin/sounds" "$work/sounds"
(cd "$work" && SDL_AUDIODRIVER=dummy QUORVANE_SEED=1 exec "$program" >"$work/out.log" 2>&1) &
gpid=$!
wait_for 200 grep -q "Loading sounds" "$work/out.log" || { echo "idle: the game did not start" >&2; exit 1; }
wid="$(xdotool search --sync --limit 1 --name Quorvane | head -1)"

sleep 3 # the title has faded in
measure title
xdotool key --window "$wid" space # "New Game"
sleep 2
measure map
