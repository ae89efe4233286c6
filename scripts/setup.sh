#!/bin/sh
# Installs what the build needs on Debian 12 (as root), then configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [cmake options...]
set -eu
cd "$(dirname "$0")/.."
PACKAGES="bash-completion cmake g++ make qt6-base-dev qt6-serialport-dev libhidapi-dev libgl-dev xvfb xauth fonts-wqy-zenhei libbenchmark-dev libgtest-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools clang libclang-rt-14-dev imagemagick ccache pkg-config appstream desktop-file-utils dpkg-dev file librsvg2-bin"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
build="$1"; shift
# ccache with paths relative to the checkout: another clone reuses the objects.
export CCACHE_BASEDIR="$(pwd)"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache "$@"
cmake --build "$build" -j"$(nproc)"
