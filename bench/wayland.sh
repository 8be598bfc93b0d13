#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The drill on Wayland against the bare window there, and its memory against X11:
#   start-up  from the process start until the first frame of its (start) window is committed
#             to the compositor, read from the client's own protocol log (WAYLAND_DEBUG);
#   memory    peak resident memory (VmHWM) with the exercise screen open, on weston and on
#             Xvfb with openbox, both 1024 x 768; the bare window's once shown.
# The bare window runs as Qt runs it there (its title bar drawn by Qt, which loads OpenGL to
# do so) and, as a second yardstick, without title bars, on shared memory alone, as the
# drill runs.
# weston runs with its X11 back end inside Xvfb, so a click opens the exercise. Prints a
# Markdown table of medians.
# usage: bash bench/wayland.sh [bin folder] [runs]   (defaults: build/dev/bin, 10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/dev/bin}
runs=${2:-10}
for exe in misure-di-massa bare-window; do
  [ -x "$bin/$exe" ] || { echo "$bin/$exe is missing: build the dev preset first" >&2; exit 1; }
done
for tool in dbus-run-session xvfb-run weston openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps.sh test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/comune.sh" <<'COMUNE'
START_NAME='TRASFORMAZIONI CON LE MISURE DI MASSA'
tw() { echo $(( ($1 + 7) / 15 )); }
peak() { awk '/^VmHWM:/ { print $2 / 1024 }' "/proc/$1/status"; }
finish() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
# zone <png> <r,g,b> -> "W H X Y N": the box around the pixels of that colour, and how many
zone() {
  convert "$1" -fill white +opaque "rgb($2)" -fill black -opaque "rgb($2)" \
    -format '%@ %[fx:round(w*h*(1-mean))]' info: 2>/dev/null | sed 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\) /\1 \2 \3 \4 /'
}
# wait_colour <r,g,b> <at least>: screenshots until that many pixels have the colour -> ZX ZY
wait_colour() {
  for _ in $(seq 1 200); do
    import -window root "$work/shot.png"
    read -r _ _ ZX ZY ZN <<<"$(zone "$work/shot.png" "$1")"
    [ "${ZN:-0}" -ge "$2" ] && return 0
    sleep 0.1
  done
  echo "no $1 on screen" >&2
  exit 1
}
COMUNE

# ---- Wayland ----
cat >"$work/wayland.sh" <<'INNER'
set -euo pipefail
bin=$1 runs=$2 out=$3 work=$4
source "$work/comune.sh"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\n' >"$work/weston.ini"
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=massa-bench \
  --config="$work/weston.ini" >/dev/null 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null' EXIT
for _ in $(seq 1 300); do [ -S "$XDG_RUNTIME_DIR/massa-bench" ] && break; sleep 0.1; done
sleep 1
# Weston follows the X pointer from where it entered its window.
xdotool mousemove --sync 1032 776 sleep 0.1 mousemove --sync 512 384
export WAYLAND_DISPLAY=massa-bench QT_QPA_PLATFORM=wayland
SHM=QT_WAYLAND_DISABLE_WINDOWDECORATION=1

# µs of the realtime clock, wrapped at 2^32 as libwayland stamps its log
adesso() { echo $(( $(date +%s%6N) % 4294967296 )); }
# first_frame <log> <title>: the stamp of the first commit of a buffer to the surface of the
# toplevel with that title, in µs as adesso() counts
first_frame() {
  awk -v titolo="$2" '
    function id(s, tipo) { return substr(s, index(s, tipo "@") + length(tipo) + 1) + 0 }
    /-> xdg_wm_base@.*get_xdg_surface\(/ { split($0, p, "new id "); xs = id(p[2], "xdg_surface"); sup[xs] = id(p[2], "wl_surface") }
    /-> xdg_surface@.*get_toplevel\(/ { xs = id($0, "xdg_surface"); top[id($0, "xdg_toplevel")] = sup[xs] }
    /-> xdg_toplevel@.*set_title\(/ { if (index($0, "\"" titolo "\"")) bersaglio = top[id($0, "xdg_toplevel")] }
    bersaglio && /-> wl_surface@/ && id($0, "wl_surface") == bersaglio {
      if ($0 ~ /attach\(wl_buffer@/) attaccato = 1
      else if (attaccato && $0 ~ /commit\(\)/) { t = substr($1, 2); sub(/\]/, "", t); printf "%.0f\n", t * 1000; exit }
    }' "$1"
}
# startup <name> <title> <program> [environment...]
startup() {
  local t0 t pid
  t0=$(adesso)
  env WAYLAND_DEBUG=client "${@:4}" "$3" 2>"$work/log" &
  pid=$!
  for _ in $(seq 1 300); do
    t=$(first_frame "$work/log" "$2")
    [ -n "$t" ] && break
    sleep 0.05
  done
  [ -n "$t" ] || { echo "$1: no frame of \"$2\"" >&2; exit 1; }
  echo "startup $1 $(( (t - t0 + 4294967296) % 4294967296 ))" >>"$out"
  finish "$pid"
  sleep 0.3
}

for run in $(seq 1 "$runs"); do
  # Taking turns at going first.
  case $((run % 3)) in
    0) startup bare bare-window "$bin/bare-window"; startup shm bare-window "$bin/bare-window" "$SHM"
       startup drill "$START_NAME" "$bin/misure-di-massa" ;;
    1) startup shm bare-window "$bin/bare-window" "$SHM"; startup drill "$START_NAME" "$bin/misure-di-massa"
       startup bare bare-window "$bin/bare-window" ;;
    2) startup drill "$START_NAME" "$bin/misure-di-massa"; startup bare bare-window "$bin/bare-window"
       startup shm bare-window "$bin/bare-window" "$SHM" ;;
  esac

  for bare in bare shm; do
    if [ $bare = shm ]; then env "$SHM" "$bin/bare-window" 2>/dev/null & else "$bin/bare-window" 2>/dev/null & fi
    pid=$!
    sleep 2
    echo "peak_wayland $bare $(peak "$pid")" >>"$out"
    finish "$pid"
  done

  # The drill: the start screen found by its exit button, then a direction clicked.
  "$bin/misure-di-massa" 2>/dev/null &
  pid=$!
  wait_colour 255,224,192 10000
  f1x=$((ZX - 1 - $(tw 60))) f1y=$((ZY - 1 - $(tw 3630)))
  xdotool mousemove --sync $((f1x + $(tw 75) + $(tw 6600) / 2)) $((f1y + $(tw 315) + $(tw 870) / 2)) sleep 0.2 click 1
  wait_colour 250,250,200 100000
  sleep 0.5
  echo "peak_wayland drill $(peak "$pid")" >>"$out"
  finish "$pid"
  echo "Wayland: run $run of $runs done" >&2
done
INNER

# ---- X11, for the drill's memory ----
cat >"$work/x11.sh" <<'INNER'
set -euo pipefail
bin=$1 runs=$2 out=$3 work=$4
source "$work/comune.sh"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
for _ in $(seq 1 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
for run in $(seq 1 "$runs"); do
  QT_QPA_PLATFORM=xcb "$bin/misure-di-massa" 2>/dev/null &
  pid=$!
  w=$(timeout 30 xdotool search --sync --onlyvisible --name "^$START_NAME\$" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$w")"
  sleep 0.3
  top=$((Y + HEIGHT - 556))
  xdotool mousemove --sync $((X + $(tw 4725) + $(tw 75) + $(tw 6600) / 2)) $((top + $(tw 2475) + $(tw 315) + $(tw 870) / 2)) click 1
  timeout 30 xdotool search --sync --onlyvisible --name "^$START_NAME  kg  hg  dag  g\$" >/dev/null
  sleep 0.5
  echo "peak_x11 drill $(peak "$pid")" >>"$out"
  finish "$pid"
done
INNER

echo "Running $runs rounds on weston and on Xvfb..." >&2
dbus-run-session -- xvfb-run -a -s "-screen 0 1040x784x24" bash "$work/wayland.sh" "$bin" "$runs" "$work/results" "$work" 2> >(grep -v XDG_RUNTIME_DIR >&2)
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/x11.sh" "$bin" "$runs" "$work/results" "$work" 2> >(grep -v XDG_RUNTIME_DIR >&2)

median() { # median <metric> <program>
  awk -v m="$1" -v p="$2" '$1 == m && $2 == p { print $3 }' "$work/results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
sd=$(median startup drill) sb=$(median startup bare) ss=$(median startup shm)
wd=$(median peak_wayland drill) wb=$(median peak_wayland bare) ws=$(median peak_wayland shm) xd=$(median peak_x11 drill)
echo
echo "On Wayland (weston, pixman renderer, 1024 x 768): medians of $runs runs, $(date +%F), $(nproc) cores:"
echo
echo "| Measure | Drill | Bare window | Bare window, no title bar | Drill / bare | Drill / no title bar | Drill on X11 | Wayland − X11 | Goal | |"
echo "|---|---|---|---|---|---|---|---|---|---|"
awk -v d="$sd" -v b="$sb" -v s="$ss" 'BEGIN {
  printf "| Start-up to the start screen'"'"'s first frame (ms) | %.1f | %.1f | %.1f | %.2f | %.2f | | | | |\n", d / 1000, b / 1000, s / 1000, d / b, d / s }'
awk -v d="$wd" -v b="$wb" -v s="$ws" -v x="$xd" 'BEGIN {
  printf "| Peak resident memory, exercise open (MiB) | %.1f | %.1f | %.1f | %.2f | %.2f | %.1f | %.1f | ≤ 10 MiB over X11 | %s |\n",
    d, b, s, d / b, d / s, x, d - x, (d - x <= 10) ? "met" : "missed" }'
