#!/usr/bin/env bash
# The libretro core for Windows: libpng and libjpeg-turbo cross built from
# Debian's own sources (zlib comes with Debian's MinGW packages), the core
# and our test front end cross built, the DLL checked to need nothing but
# Windows itself, and the front end's tests run under Wine.
# Needs a native build first (the core carries the pictures it drew).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh test
[ -f build/bin/Config.ini ] || { echo "windows.sh: build natively first (scripts/test.sh)"; exit 1; }
out=build-win
deps=$out/deps
mkdir -p "$deps"

# Sources from Debian's archive, fetched once.
if [ ! -f "$deps/done" ]; then
  src=$out/src
  rm -rf "$src" && mkdir -p "$src/lists/partial"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" > "$src/sources.list"
  apt_src=(-o Dir::Etc::sourcelist="$root/$src/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State::lists="$root/$src/lists")
  apt-get "${apt_src[@]}" update -qq
  (cd "$src" && apt-get "${apt_src[@]}" source -qq libpng1.6 libjpeg-turbo >/dev/null 2>&1)
  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_INSTALL_PREFIX="$root/$deps" -DCMAKE_POSITION_INDEPENDENT_CODE=ON)
  png=$(find "$src" -maxdepth 1 -type d -name 'libpng1.6-*' | head -1)
  cmake -S "$png" -B "$src/png-build" "${toolchain[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF >/dev/null
  cmake --build "$src/png-build" -j"$(nproc)" --target install >/dev/null
  jpeg=$(find "$src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)
  cmake -S "$jpeg" -B "$src/jpeg-build" "${toolchain[@]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
        -DWITH_TURBOJPEG=OFF >/dev/null
  cmake --build "$src/jpeg-build" -j"$(nproc)" --target install >/dev/null
  touch "$deps/done"
fi

cmake -S . -B "$out/core" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DIGNIVAR_WINDOWS_DEPS="$root/$deps" \
      -DCMAKE_PREFIX_PATH="$root/$deps" -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DIGNIVAR_CORE_ONLY=ON -DIGNIVAR_ASSET_DIR="$root/build/bin" \
      -DLIBRETRO_INCLUDE_DIR=/usr/include/libretro-common -DCMAKE_BUILD_TYPE=Release -DIGNIVAR_WERROR=OFF >/dev/null
cmake --build "$out/core" -j"$(nproc)" --target ignivar_libretro retro_tests
dll=$out/core/core/ignivar_libretro.dll
x86_64-w64-mingw32-strip "$dll"

# Nothing but Windows itself.
windows_dlls='^(kernel32|user32|advapi32|msvcrt|ws2_32|shell32|ole32|bcrypt|ntdll|ucrtbase|api-ms-win-.*)\.dll$'
for f in "$dll" "$out/core/tests/retro/retro_tests.exe"; do
  x86_64-w64-mingw32-objdump -p "$f" | sed -n 's/.*DLL Name: //p' | while read -r d; do
    if ! echo "$d" | tr 'A-Z' 'a-z' | grep -qE "$windows_dlls"; then echo "$f needs $d"; exit 1; fi
  done
done
echo "windows: $(basename "$dll") $(stat -c %s "$dll") bytes, needs only: $(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"

# The same checks as on Linux, under Wine.
export WINEPREFIX=$root/$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export IGNIVAR_CORE="Z:$root/$dll" IGNIVAR_ASSET_DIR="Z:$root/build/bin"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# A fresh prefix made on its own and waited for, rather than while the tests
# start. Wine answers 53 (kernel32.dll could not be loaded, status c0000135)
# when a prefix is left half made; that run started nothing of ours, so it is
# made again from scratch once. A test that fails is never run again.
make_prefix() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1 || true
  "$wineserver" -w
  [ -f "$WINEPREFIX/system.reg" ]
}
wine_state() {
  echo "windows: wine $("$wine" --version 2>&1), address space $(ulimit -v), $(df -h "$root/$out" | tail -1)"
  ls "$WINEPREFIX" 2>&1 | tr '\n' ' '; echo
}
make_prefix || { wine_state; echo "windows: the Wine prefix was not made; making it again"; make_prefix; }
rc=0; "$wine" "$out/core/tests/retro/retro_tests.exe" || rc=$?
if [ "$rc" = 53 ]; then
  wine_state; echo "windows: Wine could not start the tests (53); a new prefix, once"
  make_prefix; rc=0; "$wine" "$out/core/tests/retro/retro_tests.exe" || rc=$?
fi
"$wineserver" -w
exit "$rc"
