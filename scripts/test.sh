#!/bin/sh
# Builds the tool and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j2
