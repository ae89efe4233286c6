#!/bin/sh
# Runs a repeat loop against the virtual reader (default: 10 minutes of the
# S50/S70 read loop with a 10 ms pause) and prints resident memory and log
# size every 10 s. Usage: scripts/soak.sh [seconds] [check box] [pause ms]
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
exec build/soak "${1:-600}" "${2:-CheckBox2}" "${3:-10}"
