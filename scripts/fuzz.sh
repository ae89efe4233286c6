#!/bin/sh
# Builds the fuzz targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ scripts/setup.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRFID_FUZZ=ON \
  -DRFID_SANITIZE=ON -DRFID_BENCH=OFF -DBUILD_TESTING=OFF
for target in build-fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target" | sed 's/^fuzz_//')
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  echo "== $target for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 4
  rm -rf "$work"
done
