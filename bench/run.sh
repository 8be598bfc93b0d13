#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Speed and footprint of the drill against a bare Qt Widgets window, both run the same
# way under Xvfb and openbox. Prints a Markdown table of medians over the runs.
# usage: bash bench/run.sh [bin folder] [runs]   (defaults: build/dev/bin, 10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/dev/bin}
runs=${2:-10}
idle=10
for exe in misure-di-massa bare-window text-window bench-apertura tempo-mappa; do
  [ -x "$bin/$exe" ] || { echo "$bin/$exe is missing: build the dev preset first" >&2; exit 1; }
done
for tool in dbus-run-session xvfb-run openbox xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/inner.sh" <<'INNER'
set -euo pipefail
bin=$1 runs=$2 idle=$3 out=$4
START_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA$'
EXERCISE_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$'
hz=$(getconf CLK_TCK)

openbox --sm-disable >/dev/null 2>&1 &
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

# CPU time of a process so far, in ms (user + system)
cpu() { awk -v hz="$hz" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' "/proc/$1/stat"; }
peak() { awk '/^VmHWM:/ { print $2 / 1024 }' "/proc/$1/status"; }
# launch <window name> <program>: starts it through tempo-mappa, which polls the X
# server until a visible window of that name is mapped -> LPID, LUS (µs), LWIN
launch() {
  local r exact=${1#^}
  exact=${exact%\$}
  r=$("$bin/tempo-mappa" "$exact" "$2") || { echo "no window named $1" >&2; exit 1; }
  LPID=${r% *}
  LUS=${r#* }
  LWIN=$(xdotool search --onlyvisible --name "$1" | head -n 1)
}
idle_cpu() { # idle_cpu <pid> -> ms of CPU over $idle seconds
  local a b
  a=$(cpu "$1")
  sleep "$idle"
  b=$(cpu "$1")
  awk -v a="$a" -v b="$b" 'BEGIN { print b - a }'
}
finish() { # finish <pid>: waits for its end, then makes sure of it
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
geometry() {
  local info
  info=$(xwininfo -id "$1")
  GX=$(sed -n 's/.*Absolute upper-left X: *\([0-9]*\).*/\1/p' <<<"$info")
  GY=$(sed -n 's/.*Absolute upper-left Y: *\([0-9]*\).*/\1/p' <<<"$info")
  GH=$(sed -n 's/.*Height: *\([0-9]*\).*/\1/p' <<<"$info")
}
tw() { echo $(( ($1 + 7) / 15 )); }

startup() { # startup <drill|bare|text>: one start-up, timed, then ended
  case $1 in
    drill) launch "$START_NAME" "$bin/misure-di-massa" ;;
    bare) launch '^bare-window$' "$bin/bare-window" ;;
    text) launch '^text-window$' "$bin/text-window" ;;
  esac
  echo "startup $1 $LUS" >>"$out"
  kill "$LPID"
  finish "$LPID"
  sleep 0.3
}

for run in $(seq 1 "$runs"); do
  # ---- start-up: the three back to back, taking turns at going first, so that none meets
  # a machine that has just been idle for long and another a busy one ----
  case $((run % 3)) in
    0) startup bare; startup text; startup drill ;;
    1) startup text; startup drill; startup bare ;;
    2) startup drill; startup bare; startup text ;;
  esac

  # ---- text window: the floor of any Qt program that draws text ----
  launch '^text-window$' "$bin/text-window"
  pid=$LPID
  sleep 0.5
  echo "peak text $(peak "$pid")" >>"$out"
  kill "$pid"
  finish "$pid"

  # ---- bare window ----
  launch '^bare-window$' "$bin/bare-window"
  pid=$LPID w=$LWIN
  sleep 0.5
  echo "idle_start bare $(idle_cpu "$pid")" >>"$out"
  echo "idle_question bare $(idle_cpu "$pid")" >>"$out"
  echo "peak bare $(peak "$pid")" >>"$out"
  xdotool windowactivate --sync "$w" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
  finish "$pid"

  # ---- the drill: start screen, then a waiting question ----
  launch "$START_NAME" "$bin/misure-di-massa"
  pid=$LPID w=$LWIN
  sleep 0.5
  echo "idle_start drill $(idle_cpu "$pid")" >>"$out"
  geometry "$w"
  menu=$((GH - 556))
  x=$((GX + $(tw 4725) + $(tw 75) + $(tw 6600) / 2)) y=$((GY + menu + $(tw 2475) + $(tw 315) + $(tw 870) / 2))
  xdotool mousemove --sync "$x" "$y" click 1
  e=$(timeout 20 xdotool search --sync --onlyvisible --name "$EXERCISE_NAME" | head -n 1)
  [ -n "$e" ] || { echo "the exercise screen did not open" >&2; exit 1; }
  sleep 0.5
  echo "idle_question drill $(idle_cpu "$pid")" >>"$out"
  echo "peak drill $(peak "$pid")" >>"$out"
  xdotool windowactivate --sync "$e" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
  timeout 20 xdotool search --sync --onlyvisible --name "$START_NAME" >/dev/null
  x=$((GX + $(tw 4725) + $(tw 60) + $(tw 6630) / 2)) y=$((GY + menu + $(tw 2475) + $(tw 3630) + $(tw 495) / 2))
  xdotool mousemove --sync "$x" "$y" click 1
  finish "$pid"

  # ---- opening an exercise, in process ----
  "$bin/bench-apertura" 5 | awk '/^first/ { print "open_first drill", $2 } /^again/ { print "open_again drill", $2 }' >>"$out"
  "$bin/bench-apertura" --bare 5 | awk '/^first/ { print "open_first bare", $2 } /^again/ { print "open_again bare", $2 }' >>"$out"
  echo "run $run of $runs done" >&2
done
INNER

echo "Running $runs rounds under Xvfb (about $((runs * (3 * idle + 12))) s)..." >&2
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh" "$bin" "$runs" "$idle" "$work/results" 2> >(grep -v XDG_RUNTIME_DIR >&2)

median() { # median <metric> <program>
  awk -v m="$1" -v p="$2" '$1 == m && $2 == p { print $3 }' "$work/results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
row() { # row <label> <metric> <unit divisor> <format> <goal text> <goal check>
  local d b t
  d=$(median "$2" drill) b=$(median "$2" bare) t=$(median "$2" text)
  awk -v label="$1" -v d="$d" -v b="$b" -v t="$t" -v div="$3" -v fmt="$4" -v goal="$5" -v check="$6" 'BEGIN {
    d /= div; b /= div; t /= div
    ratio = (b > 0) ? sprintf("%.2f", d / b) : (d > 0 ? "n/a" : "1.00")
    tt = (t == "nan" || t == "") ? "" : sprintf(fmt, t)
    tratio = (t > 0) ? sprintf("%.2f", d / t) : ""
    if (check == "startup") ok = d <= 1.15 * b && (t <= 0 || d <= 1.05 * t)
    else if (check == "open") ok = d <= 1.25 * b
    else if (check == "memory") ok = d <= b + 6
    else if (check == "idle") ok = d == 0
    else ok = -1
    printf "| %s | " fmt " | " fmt " | %s | %s | %s | %s | %s |\n", label, d, b, tt, ratio, tratio, goal, ok < 0 ? "" : (ok ? "met" : "missed")
  }'
}
echo
echo "Medians of $runs runs, $(date +%F), $(nproc) cores:"
echo
echo "| Measure | Drill | Bare window | Text window | Drill / bare | Drill / text | Goal | |"
echo "|---|---|---|---|---|---|---|---|"
row "Start-up to the start screen mapped (ms)" startup 1000 "%.1f" "≤ 1.15 × bare, ≤ 1.05 × text" startup
row "Opening an exercise, first in the process (ms)" open_first 1 "%.2f" "≤ 1.25 × bare" open
row "Opening an exercise again (ms)" open_again 1 "%.2f" "" none
row "Peak resident memory (MiB)" peak 1 "%.1f" "≤ bare + 6 MiB" memory
row "CPU over ${idle} s idle on the start screen (ms)" idle_start 1 "%.0f" "0" idle
row "CPU over ${idle} s idle on a waiting question (ms)" idle_question 1 "%.0f" "0" idle
