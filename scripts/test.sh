#!/bin/sh
# Builds the tool and runs every test, then runs them again in an
# AddressSanitizer + UndefinedBehaviorSanitizer build; each fuzz target runs
# for a bounded time in between.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j2
scripts/fuzz.sh "${RFID_FUZZ_SECONDS:-20}"
scripts/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DRFID_SANITIZE=ON -DRFID_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2
