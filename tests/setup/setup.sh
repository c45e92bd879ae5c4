#!/usr/bin/env bash
# scripts/setup.sh configures a build folder as it is asked: a new folder with the
# default build type and the arguments given, a folder configured before again with the
# arguments given (a sanitizer or coverage build asked of an old folder), and a folder
# given no arguments as it is. cmake and the package query are stand-ins that write
# down how they were called, so nothing is installed or built.
#   setup.sh <source-dir>
set -uo pipefail
SRC="$(cd "$1" && pwd)"
WORK="$(mktemp -d /tmp/quorvane-setup.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

mkdir "$WORK/stubs"
cat >"$WORK/stubs/cmake" <<'STUB'
#!/bin/sh
echo "cmake $*" >>"$CALLS"
STUB
cat >"$WORK/stubs/dpkg-query" <<'STUB'
#!/bin/sh
printf 'install ok installed'
STUB
chmod +x "$WORK/stubs/cmake" "$WORK/stubs/dpkg-query"
export PATH="$WORK/stubs:$PATH" CALLS="$WORK/calls"

# setup <build> [args...]: runs setup.sh; the configure calls it made are left in $configured.
setup() {
  : >"$CALLS"
  "$SRC/scripts/setup.sh" "$@" || fail "setup.sh $* ended with status $?"
  configured=$(grep -v -- ' --build ' "$CALLS")
  grep -q -- "^cmake --build $1 " "$CALLS" || fail "setup.sh $*: nothing built"
}

build="$WORK/b"
setup "$build" -DQUORVANE_SANITIZE=ON
[ "$configured" = "cmake -S . -B $build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_SANITIZE=ON" ] ||
  fail "a new folder: configured as '$configured'"

mkdir -p "$build" && : >"$build/CMakeCache.txt"
setup "$build" -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
[ "$configured" = "cmake -S . -B $build -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" ] ||
  fail "a folder configured before, given arguments: configured as '$configured'"

setup "$build"
[ -z "$configured" ] || fail "a folder configured before, given no arguments: configured as '$configured'"

[ $failures -eq 0 ] && echo "setup: all checks passed"
exit $((failures > 0))
