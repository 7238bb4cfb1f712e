#!/bin/sh
# Installs what Mirelo needs from Debian 12 (when run as root and something is
# missing) and builds into build/.
#   tools/setup.sh play        the game only
#   tools/setup.sh test [PKG]  the game, the tests and the benchmarks, warnings as
#                              errors; further Debian packages the tests need
#                              (checkers) may be named after it
set -eu
cd "$(dirname "$0")/.."
mode=${1:-play}
if [ $# -gt 0 ]; then shift; fi

PACKAGES="cmake g++ make qt6-base-dev libsdl2-mixer-dev fonts-ipafont-mincho"
if [ "$mode" = test ]; then
    PACKAGES="$PACKAGES libgtest-dev libbenchmark-dev xvfb clang-format $*"
fi
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

if [ "$mode" = test ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRELO_TESTS=ON -DMIRELO_BENCH=ON -DMIRELO_WERROR=ON
    cmake --build build -j"$(nproc)"
else
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRELO_TESTS=OFF -DMIRELO_BENCH=OFF -DMIRELO_WERROR=OFF
    cmake --build build -j"$(nproc)" --target mirelo
fi
