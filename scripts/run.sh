#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and starts the
# simulator on its default skin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake -S . -B build >/dev/null
# Only the program and its files: the first start need not wait for the tests.
cmake --build build -j"$(nproc)" --target ignivar
exec build/bin/ignivar "$@"
