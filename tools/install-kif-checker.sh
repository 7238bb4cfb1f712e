#!/bin/sh
# Installs tsshogi, the independent KIF reader the test kif.tsshogi runs under
# Node.js, into FOLDER (by default build/kif-checker). A test-time tool only:
# the game does not use it. Without network or npm the test is skipped.
set -eu
folder=${1:-build/kif-checker}
command -v npm >/dev/null 2>&1 || { echo "npm not found: kif.tsshogi will be skipped"; exit 0; }
npm install --prefix "$folder" --no-audit --no-fund --no-save tsshogi@2.2.0 ||
    echo "tsshogi could not be installed: kif.tsshogi will be skipped"
