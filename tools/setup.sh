#!/bin/sh
# Installs what Mirelo needs from Debian 12 (when run as root and something is
# missing) and builds everything into build/. Further Debian packages to have,
# such as the test command's checkers, may be named as arguments.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="cmake g++ make qt6-base-dev libsdl2-mixer-dev libgtest-dev libbenchmark-dev fonts-ipafont-mincho xvfb $*"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "Missing Debian packages:$missing (run this as root to install them)" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
