#!/usr/bin/env bash
# The desktop program's figures under Xvfb: time to the first painted frame,
# CPU while showing the time, and the game tick's real period.
# Usage: scripts/bench_gui.sh [IDLE_SECONDS] [GAME_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
for i in 1 2 3; do
  XDG_CONFIG_HOME="$config" IGNIVAR_FIRST_PAINT=1 timeout 5 \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$bin/ignivar" 2>&1 | grep 'first frame' || true
done
xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_gui "${1:-60}" "${2:-40}"
