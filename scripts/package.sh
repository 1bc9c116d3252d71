#!/usr/bin/env bash
# Builds the Debian packages (in build-deb, with the Debian game layout):
# ignivar, the program, and libretro-ignivar, its libretro core; checks them
# and their desktop and AppStream files with their validators. Prints the
# packages' paths last.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-deb -DIGNIVAR_DEBIAN_LAYOUT=ON -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
# Only what the package holds.
cmake --build build-deb -j"$(nproc)" --target ignivar ignivar-clips ignivar-sim ignivar-face assets docs ignivar_libretro core_docs
(cd build-deb && rm -f ./*.deb && cpack >/dev/null)
desktop-file-validate data/ignivar.desktop
appstreamcli validate --no-net --pedantic build-deb/data/org.example.ignivar.metainfo.xml
appstreamcli validate --no-net --pedantic build-deb/data/libretro-ignivar.metainfo.xml
for deb in build-deb/*.deb; do
  # Errors fail the build; warnings are shown.
  lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true
  lintian --fail-on error "$deb" >/dev/null 2>&1
done
ls build-deb/*.deb
