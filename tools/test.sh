#!/bin/sh
# Sets everything up and runs every test headless: the unit and scenario tests,
# the real-window tests on Qt's offscreen platform, and the file-reader fuzz
# and soak tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# then makes the Debian package and checks it.
set -eu
cd "$(dirname "$0")/.."
# Besides the game: CPack's dependency reading (dpkg-shlibdeps, file) and the
# checkers of desktop entries, AppStream metadata, MIME definitions and man pages.
./tools/setup.sh test dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
./tools/check-format.sh
# An independent KIF reader for a test of the records the game writes (skipped
# when Node.js or the npm registry is out of reach).
./tools/install-kif-checker.sh build/kif-checker

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMIRELO_SANITIZE=ON -DMIRELO_WINDOW=OFF -DMIRELO_BENCH=OFF \
      -DMIRELO_WERROR=ON
cmake --build build-sanitize -j"$(nproc)"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

./tools/check-package.sh build
