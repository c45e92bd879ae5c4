#!/usr/bin/env bash
# The game in a real browser: the web build (scripts/web.sh) into <build>/web, served on
# 127.0.0.1, and played in Debian's Chromium, headless, driven by puppeteer-core (from
# npm, into <build>/web-test) through key events and checked from the canvas' pixels
# (web.js), and held against the desktop's program (platforms.js). Skipped, in one line,
# where Emscripten, Chromium or puppeteer-core are not
# to be had.
#   tests/web/web.sh <source> <build> <bin>
set -euo pipefail
SRC="$(cd "$1" && pwd)"
BUILD="$(cd "$2" && pwd)"
BIN="$(cd "$3" && pwd)"
skip() { echo "SKIP: web: $*"; exit 77; }

command -v emcc >/dev/null || skip "emcc is not installed (package emscripten)"
CHROMIUM="${CHROMIUM:-$(command -v chromium || true)}"
[ -n "$CHROMIUM" ] || skip "chromium is not installed (package chromium)"
command -v node >/dev/null && command -v npm >/dev/null || skip "node and npm are not installed"

"$SRC/scripts/web.sh" "$BUILD/web" >/dev/null

TOOLS="$BUILD/web-test"
if [ ! -d "$TOOLS/node_modules/puppeteer-core" ]; then
  mkdir -p "$TOOLS"
  (cd "$TOOLS" && npm install --no-audit --no-fund --silent puppeteer-core >/dev/null 2>&1) ||
    skip "puppeteer-core could not be installed from npm"
fi

WORK="$(mktemp -d /tmp/quorvane-web.XXXXXX)"
SERVER=""
cleanup() {
  [ -n "$SERVER" ] && kill "$SERVER" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] && echo "kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

python3 "$SRC/web/serve.py" "$BUILD/web/page" 0 >"$WORK/server.log" 2>&1 &
SERVER=$!
for ((i = 0; i < 100; i++)); do
  grep -q "http://" "$WORK/server.log" && break
  sleep 0.1
done
ADDRESS="$(grep -o "http://[0-9.:]*/" "$WORK/server.log")" || { cat "$WORK/server.log" >&2; echo "FAIL: no server"; exit 1; }

CHROMIUM="$CHROMIUM" PAGE_DIR="$BUILD/web/page" SERVE="$SRC/web/serve.py" RECORDINGS="$SRC/tests/recordings" NODE_PATH="$TOOLS/node_modules" \
  node "$SRC/tests/web/web.js" "$ADDRESS" "$BIN" "$WORK"
# A phone with no keyboard, held both ways, played by taps.
CHROMIUM="$CHROMIUM" NODE_PATH="$TOOLS/node_modules" node "$SRC/tests/web/touch.js" "$ADDRESS" "$BIN" "$WORK"
# The same seeds, recordings and saved games on the desktop and in the page.
CHROMIUM="$CHROMIUM" NODE_PATH="$TOOLS/node_modules" node "$SRC/tests/web/platforms.js" "$ADDRESS" "$BIN" "$WORK"
echo "web: ok"
