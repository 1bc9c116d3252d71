#!/usr/bin/env bash
# Installs the built project into a temporary prefix, starts the installed
# program from another folder under Xvfb and checks that it found its skin:
# the window must show the unit's face as ignivar-face draws it.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=${KEEP:-$(mktemp -d)}
trap '[ -n "${KEEP:-}" ] || rm -rf "$tmp"' EXIT
cmake --install build --prefix "$tmp/prefix" >/dev/null
mkdir -p "$tmp/elsewhere" "$tmp/config/Zandrel"
printf '[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n' >"$tmp/config/Zandrel/Brasquel50.ini"
cd "$tmp/elsewhere"
XDG_CONFIG_HOME="$tmp/config" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  "'$tmp/prefix/bin/ignivar' & sleep 3; import -window root '$tmp/shot.png'; kill \$!" 2>/dev/null
# The unit is centred: a 540 x 360 face at (242, 204), in power-on. Its
# inside is compared; the edge is the window shape's, which the face file
# does not have.
convert "$tmp/shot.png" -crop 500x320+262+224 +repage "$tmp/window.png"
echo start >"$tmp/power_on.sim"
"$tmp/prefix/bin/ignivar-face" "$tmp/prefix/share/ignivar/Config.ini" "$tmp/face.png" "$tmp/power_on.sim"
convert "$tmp/face.png" -crop 500x320+20+20 +repage "$tmp/expected.png"
differ=$(compare -metric AE -fuzz 8% "$tmp/window.png" "$tmp/expected.png" null: 2>&1 || true)
echo "installed program: $differ of 160000 pixels differ from the face"
[ "${differ%%.*}" -lt 800 ]
