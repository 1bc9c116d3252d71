#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite once under them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DIGNIVAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^retroarch\.'
# (RetroArch itself is no sanitized program, so it cannot load the
# sanitized core; our own front end runs the core's checks above.)
