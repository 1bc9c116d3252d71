#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a bounded time on the
# project's own seed corpus. SECONDS_EACH (default 20) sets the time.
set -euo pipefail
cd "$(dirname "$0")/.."
each=${SECONDS_EACH:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DIGNIVAR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
seeds=build-fuzz/seeds
rm -rf "$seeds" && build-fuzz/fuzz/make_seeds "$seeds"
for target in ini bmp png jpeg state core_state replay export header_bmp header_png header_jpeg wav gamepad settings; do
  corpus=build-fuzz/corpus-$target
  mkdir -p "$corpus"
  seed=$seeds/${target#header_}
  # The core loads saved games, the exporter reads replays: their seeds.
  case $target in core_state) seed=$seeds/state ;; export) seed=$seeds/replay ;; esac
  echo "fuzz_$target: ${each}s"
  log=build-fuzz/fuzz_$target.log
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$each" -rss_limit_mb=2048 -max_len=65536 "${dict[@]}" \
       -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" "$seed" >"$log" 2>&1; then
    echo "fuzz_$target found a problem:"
    tail -60 "$log"
    exit 1
  fi
  grep -E '^Done|number_of_executed_units|cov: ' "$log" | tail -3 || true
done
