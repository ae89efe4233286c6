#!/bin/sh
# Runs a repeat loop against the virtual reader (default: 10 minutes of the
# S50/S70 read loop with no pause) and prints resident memory and log size
# every 10 s; fails when the session log misses a line the loop logged or
# resident memory after the first minute reaches 150 MiB.
# Usage: scripts/soak.sh [seconds] [check box] [pause ms] [clear]
# ("clear" empties the log pane after each sample).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
exec nice build/soak "${1:-600}" "${2:-CheckBox2}" "${3:-0}" "${4:-}"
