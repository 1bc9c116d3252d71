#!/usr/bin/env bash
# The desktop program's figures under Xvfb, each beside its baseline from
# the same run:
#   start to the unit's first frame (full screen, splash skipped; with the
#   pictures kept decoded by the run before, and with none kept, as at the
#   first start after an installation) and to the splash window painted
#   (its controls too), against a bare Qt window showing one picture (and
#   the same over the whole screen), and one showing a line of text over
#   it as well;
#   wake-ups and CPU while the time is shown, with a sound output and without;
#   painting at 3840 x 2160 against the 1x window (bench_paint);
#   CPU of a running game in full screen at 3840 x 2160 against the 1x window;
#   key press to painted frame in that full screen, against a bare Qt window
#   there filling one rectangle on each press, in turns in one run;
#   then CPU while the time is shown and the game tick's real period (bench_gui).
#   and the LCD's real look against the exact one: CPU of a game at 1x and
#   full screen at 3840 x 2160, wake-ups while the time is shown, and the
#   export of a 30 s replay as MP4 at 60 frames a second (--lcd: only these).
# Usage: scripts/bench_gui.sh [--lcd] [IDLE_SECONDS] [GAME_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
self=$PWD/scripts/bench_gui.sh
inner=
if [ "${1:-}" = --inner ]; then inner=$2; shift 2; fi
only_lcd=
if [ "${1:-}" = --lcd ]; then only_lcd=1; shift; fi
idle=${1:-15}
game=${2:-15}
bin=$PWD/build/bin
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# A fresh set of the player's folders; the settings given as lines.
homes() {
  rm -rf "${home:?}"/*
  mkdir -p "$home/config/Zandrel"
  printf '[General]\n' > "$home/config/Zandrel/Brasquel50.ini"
  for kv in "$@"; do echo "$kv" >> "$home/config/Zandrel/Brasquel50.ini"; done
}
export XDG_CONFIG_HOME=$home/config XDG_STATE_HOME=$home/state XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export SDL_AUDIODRIVER=dummy IGNIVAR_FIRST_PAINT=1

median() { sort -n | awk '{a[NR]=$1} END{print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# Milliseconds from start to the first paint a program reports.
first_paint() { timeout 5 "$@" 2>&1 | sed -n 's/.*painted \([0-9.]*\) ms.*/\1/p' | head -1 || true; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.1fx", a/b}'; }
ratio2() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2fx", a/b}'; }

start_figures() {
  local bare=() full=() text=() unit=() fresh=() splash=()
  # Nine of each: the bare window's own start moves between about 15 and
  # 27 ms from one run to the next, and a median of five went with it.
  for i in 1 2 3 4 5 6 7 8 9; do
    bare+=("$(first_paint build/bench/bench_bare)")
    full+=("$(first_paint build/bench/bench_bare --full-screen)")
    text+=("$(first_paint build/bench/bench_bare --text)")
    # Each from the settings and the cache as a run leaves them (the first
    # run of a fresh file writes what it lacks, and the start's pictures).
    homes SoundMode=0 SplashScreen=0
    fresh+=("$(first_paint "$bin/ignivar")")
    unit+=("$(first_paint "$bin/ignivar")")
    homes
    first_paint "$bin/ignivar" >/dev/null
    splash+=("$(first_paint "$bin/ignivar")")
  done
  local b w t u f s
  b=$(printf '%s\n' "${bare[@]}" | median)
  w=$(printf '%s\n' "${full[@]}" | median)
  t=$(printf '%s\n' "${text[@]}" | median)
  u=$(printf '%s\n' "${unit[@]}" | median)
  f=$(printf '%s\n' "${fresh[@]}" | median)
  s=$(printf '%s\n' "${splash[@]}" | median)
  echo "start, bare Qt window:            first frame $b ms (median of 9)"
  echo "start, the same with a line of text: first frame $t ms (median of 9; Qt reads the desktop's fonts)"
  echo "start, bare Qt window full screen: first frame $w ms (median of 9; its first paint fills the screen)"
  echo "start, unit (full screen):        first frame $u ms: $(ratio "$u" "$b") the bare window, $(ratio "$u" "$w") the bare one full screen"
  echo "start, unit, no pictures kept:    first frame $f ms: $(ratio "$f" "$b") the bare window, $(ratio "$f" "$w") the bare one full screen"
  echo "start, splash window:             painted $s ms: $(ratio "$s" "$b") the bare window, $(ratio "$s" "$t") the one with text"
}

# Voluntary context switches of each thread of a process ("thread count"
# lines), and its CPU ticks.
switches() {
  grep -H '^voluntary_ctxt_switches' /proc/"$1"/task/*/status 2>/dev/null |
    sed 's|^/proc/[0-9]*/task/\([0-9]*\)/status:[^0-9]*| \1 |'
}
# How much a count of each thread grew between two readings of it: each
# thread's own growth, a thread started since counted whole. (A sum over the
# threads alive at each reading went down, even below zero, when a thread
# such as the sound's ended in between.)
grew() { awk 'NR == FNR {before[$1] = $2; next} {s += $2 - ($1 in before ? before[$1] : 0)} END {printf "%.0f", s}' <(echo "$1") <(echo "$2"); }
ticks() { awk '{print $14+$15}' /proc/"$1"/stat; }
# CPU time of each thread of a process, in nanoseconds ("thread time"
# lines): the scheduler's, as ticks of 10 ms are too coarse for a game's few
# hundred ms.
cpu_ns() {
  grep -H . /proc/"$1"/task/*/schedstat 2>/dev/null | sed 's|^/proc/[0-9]*/task/\([0-9]*\)/schedstat:\([0-9]*\).*| \1 \2|'
}

# Starts the program in the background; its pid.
launch() {
  homes "$@"
  "$bin/ignivar" >/dev/null 2>&1 &
  echo $!
}

idle_figures() {
  for mode in 0 2; do
    local pid s0 t0 s1 t1 win
    pid=$(launch SoundMode=$mode SplashScreen=0 FullscreenMode=0)
    sleep 3
    # The time, not the start's still picture (which wakes nothing).
    win=$(xdotool search --pid "$pid" --onlyvisible | head -1)
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    xdotool key --window "$win" 3; sleep 1
    s0=$(switches "$pid") t0=$(ticks "$pid")
    sleep "$idle"
    s1=$(switches "$pid") t1=$(ticks "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    local what="no sound  "
    [ "$mode" = 0 ] && what="sound on  "
    echo "time shown, $what            $(awk -v s="$(grew "$s0" "$s1")" -v n="$idle" 'BEGIN{printf "%.1f", s/n}') wake-ups/s, $((t1 - t0)) CPU ticks in $idle s"
  done
}

# CPU microseconds of $game seconds of game A, in the window given by the settings.
game_cpu() {
  local pid t0 t1 win
  pid=$(launch SoundMode=0 SplashScreen=0 "$@")
  sleep 3
  win=$(xdotool search --pid "$pid" --onlyvisible | head -1)
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  xdotool key --window "$win" 3; sleep 0.3; xdotool key --window "$win" 1; sleep 0.5
  t0=$(cpu_ns "$pid")
  sleep "$game"
  t1=$(cpu_ns "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(($(grew "$t0" "$t1") / 1000))
}

# Wake-ups a second while the time is shown (the time button pressed once
# the start's picture is up), in the look given.
idle_switches() {
  local pid s0 s1 win
  pid=$(launch SoundMode=2 SplashScreen=0 FullscreenMode=0 "$@")
  sleep 3
  win=$(xdotool search --pid "$pid" --onlyvisible | head -1)
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  xdotool key --window "$win" 3; sleep 1  # the time, and its change faded
  s0=$(switches "$pid")
  sleep "$idle"
  s1=$(switches "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v s="$(grew "$s0" "$s1")" -v n="$idle" 'BEGIN{printf "%.1f", s/n}'
}

# A game B of 60 points, recorded by the driver (as the tests record it).
record_game() {
  local coins script
  coins=$(awk 'BEGIN{for(i=0;i<600;i++) printf substr("0110100110010110", i%16+1, 1)}')
  script="sound on\nstart\nrecord $1\npress time\nrelease time\ncoin $coins\npress game_b\nrelease game_b\n"
  local b=(right shoot_left left shoot_right right right shoot_left)
  for i in $(seq 0 399); do script+="wait 173\npress ${b[i % 7]}\nwait 20\nrelease ${b[i % 7]}\n"; done
  printf "${script}wait 60000\n" | "$bin/ignivar-sim" >/dev/null
}

lcd_figures() {
  echo "== the LCD's real look against the exact one, in turns"
  build/bench/bench_lcd
  local e r eb rb i
  e=0 r=0 eb=0 rb=0
  for i in 1 2; do
    e=$((e + $(within 1920x1080 "game_cpu FullscreenMode=0 Zoom=1 LcdLook=Exact" "$idle" "$game")))
    r=$((r + $(within 1920x1080 "game_cpu FullscreenMode=0 Zoom=1 LcdLook=Real" "$idle" "$game")))
    eb=$((eb + $(within 3840x2160 "game_cpu FullscreenMode=1 LcdLook=Exact" "$idle" "$game")))
    rb=$((rb + $(within 3840x2160 "game_cpu FullscreenMode=1 LcdLook=Real" "$idle" "$game")))
  done
  echo "game A, 2 x $game s, 1x window:        real $((r / 1000)) ms of CPU, exact $((e / 1000)) ms: $(ratio2 "$r" "$e")"
  echo "game A, 2 x $game s, 3840x2160 full:   real $((rb / 1000)) ms of CPU, exact $((eb / 1000)) ms: $(ratio2 "$rb" "$eb")"
  echo "time shown, wake-ups a second:      exact $(within 1920x1080 "idle_switches LcdLook=Exact" "$idle" "$game"), real $(within 1920x1080 "idle_switches LcdLook=Real" "$idle" "$game")"
  local dir t0 t1 t2
  dir=$(mktemp -d)
  record_game "$dir/game.replay"
  t0=$(date +%s.%N)
  "$bin/ignivar-sim" export --fps 60 --look exact "$dir/game.replay" "$dir/exact.mp4" >/dev/null
  t1=$(date +%s.%N)
  "$bin/ignivar-sim" export --fps 60 --look real "$dir/game.replay" "$dir/real.mp4" >/dev/null
  t2=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" -v c="$t2" 'BEGIN{printf "export, 30 s replay as MP4 at 60 fps: real %.2f s, exact %.2f s: %.2fx\n", c-b, b-a, (c-b)/(b-a)}'
  rm -rf "$dir"
}

# Parts run on an X server of their own: the script again, inside xvfb-run.
if [ -n "$inner" ]; then
  $inner
  exit
fi
within() { local size=$1; shift; xvfb-run -a -s "-screen 0 ${size}x24" bash "$self" --inner "$@"; }

if [ -n "$only_lcd" ]; then
  lcd_figures
  exit
fi

echo "== on a 1920 x 1080 screen"
within 1920x1080 start_figures "$idle" "$game"
within 1920x1080 idle_figures "$idle" "$game"
echo "== painting, on one core (bench_paint)"
QT_QPA_PLATFORM=offscreen taskset -c 0 build/bench/bench_paint 2>/dev/null
echo "== a game, full screen on 3840 x 2160 against the 1x window"
big=$(within 3840x2160 "game_cpu FullscreenMode=1" "$idle" "$game")
small=$(within 1920x1080 "game_cpu FullscreenMode=0 Zoom=1" "$idle" "$game")
echo "game A for $game s: $((big / 1000)) ms of CPU full screen 3840x2160, $((small / 1000)) ms in the 1x window: $(ratio2 "$big" "$small")"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 3840x2160x24" build/bench/bench_keys 400 fullscreen 2>/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_keys 200 2>/dev/null
echo "== the window's timing (bench_gui)"
xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_gui "$idle" "$game"
lcd_figures
