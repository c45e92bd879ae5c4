#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build (unit, behaviour and
# end-to-end tests), then the same tests and the random-play soak under
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh build
(cd build && ctest --output-on-failure -j2)

scripts/setup.sh build-asan -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
echo "All tests passed."
