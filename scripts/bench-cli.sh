#!/bin/sh
# rfid-cli's figures on the virtual reader: process start to exit of one
# `format read` (median of RUNS runs), and exchanges a second with
# `--repeat 10000 --interval 0`.
# Usage: scripts/bench-cli.sh [build folder] [runs]
set -eu
build=${1:-build}
runs=${2:-200}
cli="$build/rfid-cli"

"$cli" --reader virtual format read >/dev/null   # warm the file cache
i=0
while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    "$cli" --reader virtual format read >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
    i=$((i + 1))
done | sort -n | awk '{ t[NR] = $1 } END {
    printf "format read, start to exit: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%d runs)\n",
        t[int((NR + 1) / 2)] / 1000, t[1] / 1000, t[NR] / 1000, NR }'

start=$(date +%s%N)
"$cli" --reader virtual --repeat 10000 --interval 0 format read >/dev/null
end=$(date +%s%N)
awk -v ns=$((end - start)) 'BEGIN { printf "--repeat 10000 --interval 0: %.2f s, %.0f exchanges a second\n", ns / 1e9, 10000 / (ns / 1e9) }'
start=$(date +%s%N)
"$cli" --reader virtual --json --repeat 10000 --interval 0 format read >/dev/null
end=$(date +%s%N)
awk -v ns=$((end - start)) 'BEGIN { printf "the same with --json: %.2f s, %.0f exchanges a second\n", ns / 1e9, 10000 / (ns / 1e9) }'
