#!/bin/sh
# Builds the tool and starts its window on the virtual reader.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/rfid --reader virtual "$@"
