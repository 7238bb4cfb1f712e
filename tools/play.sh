#!/bin/sh
# Sets everything up and starts the game. Only what the game needs is built.
set -eu
here=$(pwd)
"$(dirname "$0")/setup.sh" play
cd "$here"
exec "$(cd "$(dirname "$0")/.." && pwd)/build/bin/mirelo" "$@"
