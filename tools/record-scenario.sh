#!/bin/sh
# Writes tests/scenarios/NAME.out from what mirelo-cli prints for NAME.scn, run
# the way CTest runs it (a fresh folder holding NAME.files/*). Read the result
# before committing it: it becomes the expected trace. A run that crashes or
# stops at a bad line leaves the expected trace as it was.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cli=${MIRELO_CLI:-$top/build/bin/mirelo-cli}
status=0
for name in "$@"; do
    scenario=$top/tests/scenarios/$name.scn
    work=$(mktemp -d)
    trace=$(mktemp)
    [ -d "$top/tests/scenarios/$name.files" ] && cp -r "$top/tests/scenarios/$name.files/." "$work/"
    if (cd "$work" && "$cli" "$scenario" > "$trace"); then
        mv "$trace" "$top/tests/scenarios/$name.out"
        echo "wrote tests/scenarios/$name.out"
    else
        echo "mirelo-cli failed on $name.scn (exit $?): tests/scenarios/$name.out left as it was" >&2
        status=1
    fi
    rm -rf "$work" "$trace"
done
exit $status
