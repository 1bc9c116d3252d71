#!/usr/bin/env bash
# RetroArch itself runs the core with its null video, audio and input
# drivers for a few frames and saves what it shows: the program must end
# well and the picture be the one our own front end gets from the core.
# Usage: retroarch_check.sh CORE_DIR RETRO_SHOT WORK_DIR
set -euo pipefail
core_dir=$1 shot=$2 work=$3
rm -rf "$work" && mkdir -p "$work"/{home,system,saves,states}
cat > "$work/retroarch.cfg" <<CFG
video_driver = "null"
audio_driver = "null"
input_driver = "null"
joypad_driver = "null"
menu_driver = "null"
libretro_info_path = "$core_dir"
system_directory = "$work/system"
savefile_directory = "$work/saves"
savestate_directory = "$work/states"
config_save_on_exit = "false"
CFG
cd "$work"
HOME="$work/home" timeout 60 retroarch -c "$work/retroarch.cfg" -L "$core_dir/ignivar_libretro.so" \
  --max-frames=3 --max-frames-ss --max-frames-ss-path="$work/retroarch.png" > "$work/retroarch.log" 2>&1 || {
  echo "retroarch failed:"; tail -20 "$work/retroarch.log"; exit 1; }
[ -s "$work/retroarch.png" ] || { echo "retroarch saved no picture"; exit 1; }
"$shot" "$core_dir/ignivar_libretro.so" "$work/ours.png" 3
different=$(compare -metric AE "$work/retroarch.png" "$work/ours.png" /dev/null 2>&1 || true)
echo "pixels that differ: $different"
[ "$different" = "0" ]
