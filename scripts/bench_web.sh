#!/usr/bin/env bash
# The browser page's figures (bench/web/figures.py), each beside its
# baseline: builds the page and the native baseline first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web.sh build
cmake --build build -j"$(nproc)" --target bench_web_unit
exec /usr/bin/python3 bench/web/figures.py build-web/site build/bench/bench_web_unit build/bin/Graphics/Skin/background.png
