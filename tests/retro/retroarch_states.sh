#!/usr/bin/env bash
# RetroArch started as the README says for a build tree (its null drivers
# appended): the core offers save states and rewind, and a state saved is
# loaded again. Commands reach RetroArch over its network command port.
# Usage: retroarch_states.sh CORE_DIR WORK_DIR
set -euo pipefail
core_dir=$1 work=$2
port=$((20000 + $$ % 20000))  # a port of this run's own
rm -rf "$work" && mkdir -p "$work"/{home,system,saves,states}
cat > "$work/null.cfg" <<CFG
video_driver = "null"
audio_driver = "null"
input_driver = "null"
joypad_driver = "null"
menu_driver = "null"
system_directory = "$work/system"
savefile_directory = "$work/saves"
savestate_directory = "$work/states"
network_cmd_enable = "true"
network_cmd_port = "$port"
rewind_enable = "true"
CFG
cd "$work"
HOME="$work/home" timeout 60 retroarch -v -L "$core_dir/ignivar_libretro.so" \
  --appendconfig "$core_dir/retroarch.cfg|$work/null.cfg" > "$work/retroarch.log" 2>&1 &
ra=$!
send() { python3 -c "import socket,sys; socket.socket(socket.AF_INET, socket.SOCK_DGRAM).sendto(sys.argv[1].encode(), ('127.0.0.1', int(sys.argv[2])))" "$1" "$port"; }
logged() { grep -a -q "$1" "$work/retroarch.log"; }
wait_for() { for _ in $(seq 200); do logged "$1" && return 0; sleep 0.05; done; return 1; }
fail() { echo "$1"; kill "$ra" 2>/dev/null || true; tail -20 "$work/retroarch.log"; exit 1; }
wait_for "bringing_up_command_interface" || fail "RetroArch did not come up"
wait_for "Initializing rewind buffer" || fail "no rewind"
send SAVE_STATE
wait_for 'Saving state "'"$work/states" || fail "no state saved"
send LOAD_STATE
wait_for 'Loading state "'"$work/states" || fail "the state was not loaded"
kill "$ra"
wait "$ra" 2>/dev/null || true
! logged "does not support save states" || fail "RetroArch says the core has no save states"
[ -s "$work/states/Ignivar.state" ] || fail "no state file"
echo "RetroArch saved and loaded a state and keeps a rewind buffer"
