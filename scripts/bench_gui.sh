#!/usr/bin/env bash
# The desktop program's figures under Xvfb: time to the splash window
# painted (first run), to the unit's first frame when the splash window is
# skipped, CPU while showing the time, and the game tick's real period.
# Usage: scripts/bench_gui.sh [IDLE_SECONDS] [GAME_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
run() {
  XDG_CONFIG_HOME="$config" IGNIVAR_FIRST_PAINT=1 SDL_AUDIODRIVER=dummy timeout 5 \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$bin/ignivar" 2>&1 | grep 'painted' || true
}
for i in 1 2 3; do
  rm -rf "${config:?}"/*
  run
done
mkdir -p "$config/Zandrel"
printf '[General]\nSoundMode=0\nSplashScreen=0\n' > "$config/Zandrel/Brasquel50.ini"
for i in 1 2 3; do run; done
xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_gui "${1:-60}" "${2:-40}"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_keys 200 2>/dev/null
