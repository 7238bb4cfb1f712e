#!/bin/sh
# Sets everything up and starts the game. The settings file Mirelo.ini is kept
# in the folder this is started from.
set -eu
here=$(pwd)
"$(dirname "$0")/setup.sh"
cd "$here"
exec "$(cd "$(dirname "$0")/.." && pwd)/build/bin/mirelo" "$@"
