#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds the browser page into
# build-web/site/ (plain static files) and serves it on this machine.
#   web.sh          build, then serve at http://127.0.0.1:$PORT/ (8080)
#   web.sh build    build only
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh web
# The skin's pictures and the sounds are drawn by the native asset generator.
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target assets
# Debian's emscripten finds its own node modules there.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DIGNIVAR_WERROR=ON \
  -DIGNIVAR_ASSET_DIR="$PWD/build/bin" >/dev/null
cmake --build build-web -j"$(nproc)"
[ "${1:-}" = build ] && exit 0
exec python3 scripts/serve_web.py build-web/site "${PORT:-8080}"
