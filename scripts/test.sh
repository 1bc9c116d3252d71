#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DIGNIVAR_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
# The browser page: its build, the driver's scripts under node and the page
# in headless Chromium.
bash scripts/web.sh build
ctest --test-dir build-web --output-on-failure
