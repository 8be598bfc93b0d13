#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the running program, to hold against the designed layouts:
# the start screen, a number question (first kind) and a symbol question (second kind).
# usage: scripts/schermate.sh [output folder] [screen size, e.g. 1024x768]
set -eu
out=$(realpath -m "${1:-build/schermate}")
size=${2:-1024x768}
exe=$(realpath build/dev/bin/misure-di-massa)
mkdir -p "$out"
inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -eu
exe=$1; out=$2
openbox --sm-disable >/dev/null 2>&1 &
sleep 0.5
"$exe" &
pid=$!
start=$(timeout 20 xdotool search --sync --onlyvisible --name '^TRASFORMAZIONI CON LE MISURE DI MASSA$' | head -n 1)
sleep 0.5
import -window root "$out/inizio.png"
# Client area 794 x 556 px below the menu bar; twips / 15 = px.
eval "$(xdotool getwindowgeometry --shell "$start")"
top=$((Y + HEIGHT - 556))
direction() {  # centre of Command1 inside Frame1
  xdotool mousemove $((X + (4725 + 75 + 3300) / 15)) $((top + (2475 + 315 + 435) / 15)) click 1
}
leave() { xdotool key --clearmodifiers alt+F4; sleep 0.7; }
direction; sleep 1
import -window root "$out/numero.png"
leave
# Second kind: open the list and go one item down.
xdotool mousemove $((X + (225 + 5775) / 15)) $((top + (1755 + 300) / 15)) click 1
sleep 0.4; xdotool key Down Return; sleep 0.3
direction; sleep 1
import -window root "$out/simbolo.png"
leave
kill "$pid" 2>/dev/null || true
INNER
dbus-run-session -- xvfb-run -a -s "-screen 0 ${size}x24" bash "$inner" "$exe" "$out"
echo "screenshots in $out: inizio.png numero.png simbolo.png"
