#!/bin/sh
# Installs what the build needs on Debian 12 (as root), then configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [cmake options...]
set -eu
cd "$(dirname "$0")/.."
PACKAGES="cmake g++ make qt6-base-dev qt6-serialport-dev libhidapi-dev pkg-config libgl-dev xvfb xauth fonts-wqy-zenhei libbenchmark-dev libgtest-dev clang libclang-rt-14-dev imagemagick"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
build="$1"; shift
cmake -S . -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
