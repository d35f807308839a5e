#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh" "$root/build-test" -DCMAKE_BUILD_TYPE=Debug -DTESSARO_SANITIZE=ON \
    -DTESSARO_TESTS=ON
cd "$root/build-test"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j2
