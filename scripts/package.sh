#!/usr/bin/env bash
# Builds the Debian package from a clean copy of this tree and checks it with lintian:
#   scripts/package.sh [out-dir]          (default: build/package)
# Leaves quorvane_<version>_<arch>.deb, the .changes and lintian.txt in out-dir, and
# fails when lintian reports an error.
set -euo pipefail
cd "$(dirname "$0")/.."
top="$PWD"
out="${1:-build/package}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
scripts/setup.sh --packages
for tool in dpkg-buildpackage dh fakeroot; do
  command -v "$tool" >/dev/null || { echo "package: $tool is missing (apt-get install debhelper dpkg-dev fakeroot)" >&2; exit 1; }
done

# The package's version is the game's, with "~" for "-" (0.6.2~preview sorts before 0.6.2).
version=$(sed -n 's/^#define QUORVANE_VERSION "\(.*\)"$/\1/p' src/shell/version.h)
debversion=${version//-/\~}
logged=$(dpkg-parsechangelog -l debian/changelog -S Version)
if [ "$logged" != "$debversion" ]; then
  echo "package: debian/changelog is at $logged, the game at $version (expected $debversion)" >&2
  exit 1
fi

# A copy of the tracked and new files, without build trees, in a folder of its own:
# the package tools write their results beside the source folder.
work=$(mktemp -d /tmp/quorvane-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
src="$work/quorvane-$debversion"
mkdir "$src"
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "$top" ls-files -z -co --exclude-standard | tar -C "$top" --null --ignore-failed-read -T - -cf - | tar -C "$src" -xf -
else
  tar -C "$top" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$src" -xf -
fi

(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
   dpkg-buildpackage -us -uc --build=full > "$work/build.log" 2>&1) || {
  tail -n 40 "$work/build.log" >&2
  echo "package: the package did not build (the last lines of its log are above)" >&2
  exit 1
}
rm -f "$out"/quorvane_* "$out"/quorvane-dbgsym_*
cp "$work"/quorvane_* "$work"/quorvane-dbgsym_* "$out"/
cp "$work/build.log" "$out/build.log"
changes=$(ls "$out"/quorvane_*.changes)
deb=$(ls "$out"/quorvane_*.deb)
echo "built $deb"

if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 --info "$changes" 2>&1 | grep -v "^running with root privileges" > "$out/lintian.txt" || true
  if [ -s "$out/lintian.txt" ]; then cat "$out/lintian.txt"; else echo "lintian: no remarks"; fi
  if grep -q '^E: ' "$out/lintian.txt"; then
    echo "package: lintian reports errors" >&2
    exit 1
  fi
else
  echo "package: lintian is not installed; the package was not checked"
fi
