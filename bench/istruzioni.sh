#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions, not seconds: what the main thread executes, counted by valgrind's callgrind,
# the same on every run of the same build (the wall clock on a shared machine moves by ±30 %).
#   start-up  from the process start until its (start) window is mapped: the drill, the bare
#             window, and the text window (the bare window with a menu bar and a label);
#   opening   from the direction click until the exercise screen is painted, in process
#             (bench-apertura), against a second plain window shown until its first paint.
# Prints a Markdown table; with -q only "name count" lines.
# usage: bash bench/istruzioni.sh [bin folder] [-q]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/dev/bin}
quiet=${2:-}
for exe in misure-di-massa bare-window text-window bench-apertura; do
  [ -x "$bin/$exe" ] || { echo "$bin/$exe is missing: build the dev preset first" >&2; exit 1; }
done
for tool in valgrind xvfb-run openbox xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps.sh test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/inner.sh" <<'INNER'
set -u
bin=$1 work=$2
openbox --sm-disable >/dev/null 2>&1 &
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
# Every mapping of a window starts a new part of the count; one file per part and thread.
cg() { QT_QPA_PLATFORM=xcb valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$work/$1.%p" "${@:2}"; }
# main <name> <parts>: the main thread's instructions in the first <parts> parts
main() {
  local tot=0 k f
  for k in $(seq 1 "$2"); do
    f=$(ls "$work/$1".*."$k"-01 2>/dev/null | head -n 1)
    [ -n "$f" ] || { echo "$1: no part $k counted" >&2; exit 1; }
    tot=$((tot + $(sed -n 's/^summary: *//p' "$f")))
  done
  echo "$1 $tot"
}
startup() { # startup <name> <window name> <parts up to that window's mapping> <program>
  cg "$1" --dump-before=xcb_map_window "$4" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 1 600); do
    xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  main "$1" "$3"
}
startup startup_bare '^bare-window$' 1 "$bin/bare-window"
startup startup_text '^text-window$' 1 "$bin/text-window"
# The background is mapped first, then the start screen.
startup startup_drill '^TRASFORMAZIONI CON LE MISURE DI MASSA$' 2 "$bin/misure-di-massa"
cg open_drill --collect-atstart=yes "$bin/bench-apertura" 1 >/dev/null 2>&1
main open_drill 1
cg open_bare --collect-atstart=yes "$bin/bench-apertura" --bare 1 >/dev/null 2>&1
main open_bare 1
INNER

dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh" "$bin" "$work" >"$work/counts" 2>/dev/null
if [ "$quiet" = -q ]; then
  cat "$work/counts"
  exit 0
fi
get() { awk -v k="$1" '$1 == k { print $2 }' "$work/counts"; }
m() { awk -v v="$1" 'BEGIN { printf "%.1f", v / 1e6 }'; }
r() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
d=$(get startup_drill) b=$(get startup_bare) t=$(get startup_text) od=$(get open_drill) ob=$(get open_bare)
echo
echo "Instructions on the main thread (millions; callgrind, the same on every run of a build):"
echo
echo "| Measure | Drill | Bare window | Text window | Drill / bare | Drill / text | Goal |"
echo "|---|---|---|---|---|---|---|"
echo "| Start-up to the start screen mapped | $(m "$d") | $(m "$b") | $(m "$t") | $(r "$d" "$b") | $(r "$d" "$t") | ≤ 1.15 × bare, ≤ 1.05 × text |"
echo "| Opening an exercise, click to painted | $(m "$od") | $(m "$ob") | | $(r "$od" "$ob") | | ≤ 1.25 × bare |"
