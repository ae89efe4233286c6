#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS per target, default 60] [TARGET...]
# New inputs and crash files go to build-fuzz/, never into the repository.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
build=build-fuzz
export CCACHE_BASEDIR="$(pwd)"
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B "$build" -DRFID_FUZZ=ON -DBUILD_TESTING=OFF -DRFID_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $launcher >/dev/null
targets="$*"
[ -n "$targets" ] || targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
for t in $targets; do
  cmake --build "$build" --target "$t" -j2
  seeds="fuzz/corpus/${t#fuzz_}"
  found="$build/corpus/${t#fuzz_}"
  mkdir -p "$found" "$build/artifacts"
  # The fuzzer's progress goes to a log; its last lines (or all of a failure) here.
  log="$build/$t.log"
  if "$build/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t-" "$found" "$seeds" >"$log" 2>&1; then
    echo "$t: $(grep -E '^Done' "$log")"
  else
    tail -n 60 "$log"
    echo "$t: FAILED (inputs in $build/artifacts)"
    exit 1
  fi
done
