#!/bin/sh
# Fails when a C++ file of the repository differs from what .clang-format makes of it.
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
