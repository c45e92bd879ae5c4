#!/usr/bin/env bash
# The installed game: installed with cmake (DESTDIR, a prefix with a blank, then moved)
# and, in the normal build, as the Debian package unpacked with dpkg-deb -x. Each is
# started through its quorvane command from an unrelated directory with a home of its
# own, and its menu entry, metadata and manual page are checked.
#   install.sh <build-dir> <source-dir> <sanitized: ON|OFF>
# A step whose tool is not installed (and could not be) is skipped with a SKIP line.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
SRC="$(cd "$2" && pwd)"
SANITIZED="${3:-OFF}"
FRAMES=3000
WORK="$(mktemp -d /tmp/quorvane-install.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; }
have() { command -v "$1" >/dev/null; }
mkdir -p "$WORK/elsewhere" "$WORK/tmp"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_SEED=5 TMPDIR="$WORK/tmp"
unset XDG_DATA_HOME

# run <name> <program> [env...]: self-play from an unrelated directory; the output in
# $WORK/out.log and $WORK/err.log. It must exit 0 with every picture loaded.
run() {
  local name="$1" program="$2"; shift 2
  local rc=0
  (cd "$WORK/elsewhere" && env "$@" QUORVANE_AUTOPLAY="$FRAMES" "$program" >"$WORK/out.log" 2>"$WORK/err.log") || rc=$?
  [ "$rc" = 0 ] || { cat "$WORK/out.log" "$WORK/err.log" >&2; fail "$name: exit status $rc"; }
  grep -q "^autoplay: seed 5, $FRAMES frames" "$WORK/out.log" || { cat "$WORK/out.log" >&2; fail "$name: did not play"; }
  ! grep -q "Couldn't load image" "$WORK/err.log" || { cat "$WORK/err.log" >&2; fail "$name: pictures missing"; }
}
sounds() { grep -q "sounds loaded $1 of 2" "$WORK/out.log" || { cat "$WORK/out.log" >&2; fail "$2: not $1 sounds loaded"; }; }
quiet() { [ ! -s "$WORK/err.log" ] || { cat "$WORK/err.log" >&2; fail "$1: complaints"; }; }

# check_root <name> <root>: the installed tree under <root> (its prefix, wherever it is now).
check_root() {
  local name="$1" root="$2" home="$WORK/$1 home"
  local cmd="$root/games/quorvane" folder="$WORK/$1 home/.local/share/quorvane"
  [ -x "$cmd" ] || fail "$name: no quorvane command"
  [ -x "$root/libexec/quorvane/quorvane" ] || fail "$name: no program"
  for f in crow die; do [ -s "$root/share/games/quorvane/sounds/$f.wav" ] || fail "$name: no $f.wav"; done
  diff <(cd "$BUILD/bin/data" && find . -type f ! -name .generated | sort) \
       <(cd "$root/share/games/quorvane" && find . -type f ! -path "./sounds/*" | sort) || fail "$name: the data tree differs"

  # A first start makes the player's folder, a second reuses it without a word.
  mkdir -p "$home"
  for start in first second; do
    run "$name, $start start" "$cmd" HOME="$home"
    sounds 2 "$name, $start start"
    quiet "$name, $start start"
  done
  [ "$(readlink "$folder/sounds")" = "$root/share/games/quorvane/sounds" ] || fail "$name: the sounds are not linked"
  [ -f "$folder/screenshot0.bmp" ] || fail "$name: no screenshot in $folder"
  run "$name under XDG_DATA_HOME" "$cmd" HOME="$home" XDG_DATA_HOME="$WORK/$name data"
  sounds 2 "$name under XDG_DATA_HOME"; quiet "$name under XDG_DATA_HOME"
  [ -L "$WORK/$name data/quorvane/sounds" ] || fail "$name: XDG_DATA_HOME is not used"

  # No usable home: said on stderr, the game played where the command was started (no
  # sounds there) and not kept, and no folder made anywhere.
  : > "$WORK/a file"
  local tmp="$WORK/$name tmp"
  mkdir -p "$tmp"
  run "$name, home is a file" "$cmd" HOME="$WORK/a file" TMPDIR="$tmp"
  sounds 0 "$name, home is a file"
  grep -q "cannot use $WORK/a file/.local/share/quorvane; this game is not kept" "$WORK/err.log" ||
    { cat "$WORK/err.log" >&2; fail "$name: a home that is a file is not told"; }
  run "$name, no home" "$cmd" -u HOME TMPDIR="$tmp"
  sounds 0 "$name, no home"
  grep -q "HOME is not set.*this game is not kept" "$WORK/err.log" || { cat "$WORK/err.log" >&2; fail "$name: no home is not told"; }
  [ -z "$(ls -A "$tmp")" ] || fail "$name: folders were left behind: $(ls -A "$tmp")"

  # Every argument goes to the program.
  local out rc=0
  out=$(cd "$WORK/elsewhere" && HOME="$home" "$cmd" --help) || fail "$name: --help failed"
  grep -q "^-f, --fullscreen      fullscreen$" <<<"$out" || fail "$name: --help is not the game's"
  (cd "$WORK/elsewhere" && HOME="$home" "$cmd" --bogus >/dev/null) || rc=$?
  [ "$rc" = 1 ] || fail "$name: an unknown switch gave $rc"

  # Recordings named by relative paths are written and read where the command was
  # started, not in the player's folder.
  rm -f "$WORK/elsewhere/mine.rec" "$folder/mine.rec"
  run "$name, recorded" "$cmd" HOME="$home" QUORVANE_RECORD=mine.rec
  [ -s "$WORK/elsewhere/mine.rec" ] || fail "$name: QUORVANE_RECORD=mine.rec was not written where the command started"
  [ ! -e "$folder/mine.rec" ] || fail "$name: QUORVANE_RECORD=mine.rec was written into the player's folder"
  rc=0
  out=$(cd "$WORK/elsewhere" && HOME="$home" QUORVANE_REPLAY=mine.rec "$cmd" 2>&1) || rc=$?
  [ "$rc" = 0 ] && grep -q "^replay: $WORK/elsewhere/mine.rec: the game matches the recording" <<<"$out" ||
    fail "$name: QUORVANE_REPLAY=mine.rec does not replay from where the command started (status $rc): $out"
  rm -f "$WORK/elsewhere/mine.rec"
  rc=0

  # The program started bare from elsewhere: every picture, no sound.
  run "$name, bare program" "$root/libexec/quorvane/quorvane"
  sounds 0 "$name, bare program"

  # The menu entry, the metadata, the icons and the manual page.
  local desktop="$root/share/applications/org.quorvane.quorvane.desktop"
  local metainfo="$root/share/metainfo/org.quorvane.quorvane.metainfo.xml"
  [ -f "$desktop" ] && [ -f "$metainfo" ] || fail "$name: no menu entry or metadata"
  grep -qx "Icon=quorvane" "$desktop" || fail "$name: the menu entry has no icon"
  for size in 16 22 24 32 48 64 128 256; do
    local icon="$root/share/icons/hicolor/${size}x$size/apps/quorvane.png"
    [ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
      fail "$name: icon $size is not $size x $size"
  done
  if have desktop-file-validate; then
    out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "$name: desktop-file-validate: $out"
  else skip "desktop-file-validate is not installed"; fi
  if have appstreamcli; then
    out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "$name: appstreamcli: $out"
    ! grep -q "^[EWIP]: " <<<"$out" || fail "$name: appstreamcli: $out"
  else skip "appstreamcli is not installed"; fi
  local page
  page=$(ls "$root/share/man/man6/quorvane.6"*)
  if have man; then
    out=$(MANWIDTH=80 man --warnings -l "$page" 2>"$WORK/man.err") || fail "$name: man -l failed"
    [ ! -s "$WORK/man.err" ] || fail "$name: man warns: $(cat "$WORK/man.err")"
    for word in "QUORVANE(6)" "--fullscreen" QUORVANE_SEED QUORVANE_AUTOPLAY SDL12COMPAT_WINDOW_SCALING \
                ".local/share/quorvane" QUORVANE_RECORD QUORVANE_REPLAY QUORVANE_REPLAY_WATCH; do
      grep -qF -- "$word" <<<"$out" || fail "$name: the manual page lacks $word"
    done
  else skip "man is not installed"; fi
  echo "$name: ok"
}

# With cmake: DESTDIR and a prefix with a blank, then the whole tree moved elsewhere.
DESTDIR="$WORK/dest" cmake --install "$BUILD" --prefix "/opt/quor vane" >/dev/null
grep -qx 'Exec="/opt/quor vane/games/quorvane"' "$WORK/dest/opt/quor vane/share/applications/org.quorvane.quorvane.desktop" ||
  fail "the menu entry does not start the installed command"
mv "$WORK/dest/opt/quor vane" "$WORK/moved prefix"
check_root cmake "$WORK/moved prefix"

# The program alone, far from any data: one line naming the places it looked.
mkdir "$WORK/lonely" && cp "$WORK/moved prefix/libexec/quorvane/quorvane" "$WORK/lonely/"
FRAMES=100
(cd "$WORK/elsewhere" && QUORVANE_AUTOPLAY=$FRAMES "$WORK/lonely/quorvane" >"$WORK/out.log" 2>"$WORK/err.log") ||
  fail "the program without data: exit status $?"
[ "$(grep -c "^Quorvane: no data directory, neither $WORK/lonely/data nor $WORK/lonely/../../share/games/quorvane;" \
       "$WORK/err.log")" = 1 ] || { cat "$WORK/err.log" >&2; fail "the program without data does not say where it looked"; }
FRAMES=3000
echo "the program without data: ok"

# The Debian package: built, lintian-clean of errors, holding everything; then unpacked.
if [ "$SANITIZED" = ON ]; then
  skip "the Debian package is built and checked in the normal build only"
elif ! have dpkg-buildpackage || ! have dh || ! have fakeroot; then
  skip "debhelper, dpkg-dev or fakeroot is not installed: no Debian package"
else
  start=$SECONDS
  "$SRC/scripts/package.sh" "$WORK/pkg" > "$WORK/package.log" 2>&1 || { cat "$WORK/package.log" >&2; fail "the package"; }
  echo "package built and checked in $((SECONDS - start)) s"
  grep -q "lintian is not installed" "$WORK/package.log" && skip "lintian is not installed"
  sed -n 's/^[EWIP]: /lintian: &/p' "$WORK/package.log"
  deb=$(ls "$WORK"/pkg/quorvane_*.deb)
  version=$(sed -n 's/^#define QUORVANE_VERSION "\(.*\)"$/\1/p' "$SRC/src/shell/version.h")
  [ "$(dpkg-deb -f "$deb" Version)" = "${version//-/\~}" ] || fail "the package's version is not the game's"
  dpkg-deb -c "$deb" | awk '{print $NF}' > "$WORK/files"
  for f in ./usr/games/quorvane ./usr/libexec/quorvane/quorvane ./usr/share/games/quorvane/images/font.png \
           ./usr/share/games/quorvane/sounds/crow.wav ./usr/share/games/quorvane/sounds/die.wav \
           ./usr/share/applications/org.quorvane.quorvane.desktop ./usr/share/icons/hicolor/256x256/apps/quorvane.png \
           ./usr/share/icons/hicolor/16x16/apps/quorvane.png ./usr/share/metainfo/org.quorvane.quorvane.metainfo.xml \
           ./usr/share/man/man6/quorvane.6.gz ./usr/share/doc/quorvane/copyright; do
    grep -qxF "$f" "$WORK/files" || fail "the package lacks $f"
  done
  # SDL 1.2 is the compatibility library first, the one that scales the window; apt's
  # simulation of an install takes that alternative (or finds everything there).
  dpkg-deb -f "$deb" Depends | grep -q 'libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.15)' ||
    fail "the package does not ask for the compatibility library first: $(dpkg-deb -f "$deb" Depends)"
  if have apt-get; then
    apt-get install -s "$deb" > "$WORK/apt-sim.log" 2>&1 || { cat "$WORK/apt-sim.log" >&2; fail "apt cannot install the package"; }
    grep -q '^Inst libsdl1.2debian ' "$WORK/apt-sim.log" && fail "apt would install the classic SDL 1.2 for the package"
  fi
  dpkg-deb -x "$deb" "$WORK/unpacked"
  grep -qx 'StartupWMClass=quorvane' "$WORK/unpacked/usr/share/applications/org.quorvane.quorvane.desktop" ||
    fail "the package's menu entry does not name the window's class"
  grep -qx 'Exec=/usr/games/quorvane' "$WORK/unpacked/usr/share/applications/org.quorvane.quorvane.desktop" ||
    fail "the package's menu entry does not start /usr/games/quorvane"
  check_root package "$WORK/unpacked/usr"
fi
echo "install: all ok"
