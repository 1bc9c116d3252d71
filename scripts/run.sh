#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and starts the
# simulator on its default skin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/ignivar "$@"
