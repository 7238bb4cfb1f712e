#!/bin/sh
# Writes tests/scenarios/NAME.out from what mirelo-cli prints for NAME.scn, run
# the way CTest runs it (a fresh folder holding NAME.files/*). Read the result
# before committing it: it becomes the expected trace.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cli=${MIRELO_CLI:-$top/build/bin/mirelo-cli}
for name in "$@"; do
    scenario=$top/tests/scenarios/$name.scn
    work=$(mktemp -d)
    [ -d "$top/tests/scenarios/$name.files" ] && cp -r "$top/tests/scenarios/$name.files/." "$work/"
    (cd "$work" && "$cli" "$scenario" > "$top/tests/scenarios/$name.out") || true
    rm -rf "$work"
    echo "wrote tests/scenarios/$name.out"
done
