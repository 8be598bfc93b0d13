#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on Wayland: weston with its X11 back end runs inside Xvfb, so real X input
# (xdotool) reaches it through weston's seat, and a screenshot of the X screen is weston's
# output. Windows are found by their colours, wherever weston placed them. The background
# covers the screen with the start screen in front; a direction opens a number question and
# the start screen is hidden (the exercise, moved aside by its title bar, shows nothing of
# it); a wrong answer brings the help offer, Escape the start screen; a symbol question is
# answered and checked, and its title bar's close box leaves it; "E s c i " ends the program
# with status 0 and nothing left running.
# Neither Qt's X11 plug-in nor any OpenGL driver is loaded.
# usage: wayland.sh <path to misure-di-massa> [folder to keep the screenshots in]
set -u
exe=$1 keep=${2:-}
source "$(dirname "$0")/aiuti_x11.sh"
needs_x dbus-run-session weston xdotool import convert compare
workspace '*.png'

cat >"$work/inner.sh" <<'INNER'
exe=$1
token="massa-wayland-$$-$RANDOM"
pid="" weston=""
fail() {
  echo "FAIL: $*"
  [ -s "$work/stderr" ] && sed 's/^/  drill: /' "$work/stderr"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$weston" ] && { kill "$weston" 2>/dev/null; tail -n 5 "$work/weston.log" | sed 's/^/  weston: /'; }
  exit 1
}
note() { echo "  $*"; }
# zone <shot> <r,g,b> -> "W H X Y N": the box around the pixels of that colour, and how many
zone() {
  convert "$work/$1.png" -fill white +opaque "rgb($2)" -fill black -opaque "rgb($2)" \
    -format '%@ %[fx:round(w*h*(1-mean))]' info: 2>/dev/null | sed 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\) /\1 \2 \3 \4 /'
}
# shot_until <shot> <r,g,b> <at least> [tries]: screenshots until that many pixels have the
# colour (-> ZW ZH ZX ZY ZN); with 0, until none has it
shot_until() {
  for _ in $(seq 1 "${4:-100}"); do
    shot "$1"
    read -r ZW ZH ZX ZY ZN <<<"$(zone "$1" "$2")"
    if [ "$3" -eq 0 ]; then [ "${ZN:-1}" -eq 0 ] && return 0; elif [ "${ZN:-0}" -ge "$3" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}
# The pointer rests on the spot before the click: weston tells a surface of the pointer as
# it enters, and a press that comes with the entering may reach Qt before it knows where.
click() { xdotool mousemove --sync "$1" "$2" sleep 0.2 click 1; }

W=1024 H=768 CLIENT_H=556
WESTON=255,0,255 GREEN=192,255,192 START_EXIT=255,224,192 START_FRAME=255,255,192
NUMBER_BG=250,250,200 NUMBER_HELP=250,250,150 SYMBOL_BG=200,255,255 TITLE=224,224,224

# ---- weston on the X screen, its panel off, its own background in a colour of its own ----
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cat >"$work/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=none
locking=false
background-color=0xffff00ff
INI
weston --backend=x11-backend.so --use-pixman --width=$W --height=$H --socket=massa-wl \
  --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
weston=$!
until_true 300 test -S "$XDG_RUNTIME_DIR/massa-wl" || fail "weston did not start"
shot_until 0-weston "$WESTON" $((W * H / 2)) || fail "weston's output never showed"
# Weston follows the X pointer by its moves from where it entered weston's window: the pointer
# enters it now, from the strip of X screen beside it.
xdotool mousemove --sync $((W + 8)) $((H + 8)) sleep 0.1 mousemove --sync $((W / 2)) $((H / 2)) sleep 0.1

WAYLAND_DISPLAY=massa-wl QT_QPA_PLATFORM=wayland MASSA_E2E_TOKEN=$token "$exe" 2>"$work/stderr" &
pid=$!

# ---- 1. The background covers the screen, the start screen in front of it ----
shot_until 1-inizio "$START_EXIT" 10000 || fail "the start screen never showed"
[ "$ZW,$ZH" = "439,30" ] || fail "the exit button shows ${ZW}x$ZH of its face, not 439x30: covered"
f1x=$((ZX - 1 - $(tw 60))) f1y=$((ZY - 1 - $(tw 3630)))
sx=$((f1x - $(tw 4725))) sy=$((f1y - $(tw 2475)))
note "start screen's client area at $sx,$sy"
read -r _ _ _ _ n <<<"$(zone 1-inizio "$WESTON")"
[ "$n" -eq 0 ] || fail "$n pixels of weston's own background show: the drill's does not cover the screen"
read -r _ _ _ _ n <<<"$(zone 1-inizio "$GREEN")"
[ "$n" -gt $((W * H / 3)) ] || fail "only $n green pixels: no background"
loaded=$(grep -o '/[^ ]*\(libqxcb\|libLLVM\|/dri/\)[^ ]*' "/proc/$pid/maps" | sort -u | tr '\n' ' ')
[ -z "$loaded" ] || fail "the X11 plug-in or an OpenGL driver was loaded: $loaded"
note "background over the whole screen; no X11 plug-in, no OpenGL driver"

# open_exercise <shot> <r,g,b>: a click on the first direction button, until the exercise
# screen shows in the colours of its kind. Clicked again only while the start screen stays
# as it was: a press that weston gave no surface (its pointer not yet there) is lost.
open_exercise() {
  local c1x=$((f1x + $(tw 75) + $(tw 6600) / 2)) c1y=$((f1y + $(tw 315) + $(tw 870) / 2))
  for _ in 1 2 3; do
    click "$c1x" "$c1y"
    shot_until "$1" "$2" 100000 25 && return 0
  done
  return 1
}

# ---- 2. A direction opens a number question; the start screen is hidden ----
open_exercise 2-esercizio "$NUMBER_BG" || fail "the direction button did not open the exercise screen"
ex=$ZX ey=$((ZY + ZH - CLIENT_H))
note "exercise screen's client area at $ex,$ey"
# Dragged by its own title bar to the bottom of the screen: the start screen would show above it.
drag() { # drag <shot> <to y>: the title bar found in the shot, dragged by its middle
  read -r _ th tx ty _ <<<"$(zone "$1" "$TITLE")"
  [ "${th:-0}" -gt 10 ] || fail "no title bar on the exercise screen"
  # Not --sync: once weston moves a window the X pointer may not be where xdotool waits for it.
  xdotool mousemove $((tx + 300)) $((ty + th / 2)) sleep 0.3 mousedown 1 sleep 0.2 \
    mousemove $((tx + 310)) $((ty + th / 2 + 10)) sleep 0.2 mousemove $((tx + 300)) "$2" sleep 0.3 mouseup 1
}
drag 2-esercizio $((H - 30))
for _ in $(seq 1 50); do
  shot 3-spostato
  read -r _ _ _ y2 _ <<<"$(zone 3-spostato "$TITLE")"
  [ "${y2:-0}" -gt $((H - 100)) ] && break
  sleep 0.1
done
[ "${y2:-0}" -gt $((H - 100)) ] || fail "the exercise screen did not follow a drag of its title bar"
read -r _ _ _ _ n <<<"$(zone 3-spostato "$START_EXIT")"
[ "$n" -eq 0 ] || fail "the start screen is still on show while the exercise is"
note "exercise moved to the bottom by its title bar: no start screen behind it"
drag 3-spostato 40
shot_until 4-indietro "$NUMBER_BG" 200000 || fail "the exercise screen did not come back up"
ex=$ZX ey=$((ZY + ZH - CLIENT_H))

# ---- 3. A wrong answer from the keyboard brings the help offer; Escape the start screen ----
xdotool key 9 9 9 9 9 9 Return
shot_until 5-errato "$NUMBER_HELP" 500 || fail "a wrong answer brought no help offer"
xdotool key s
shot_until 6-aiuto "$NUMBER_HELP" 0 || fail "the help offer stayed after s"
xdotool key Escape
# Gone before the start screen is placed by its exit button, as below.
shot_until 7-chiuso "$NUMBER_BG" 0 || fail "Escape did not close the exercise"
shot_until 7-ritorno "$START_EXIT" 10000 || fail "Escape did not bring the start screen back"
f1x=$((ZX - 1 - $(tw 60))) f1y=$((ZY - 1 - $(tw 3630)))
kill -0 "$pid" 2>/dev/null || fail "the program ended with the exercise"
note "wrong answer, help offer, help, back to the start screen"

# ---- 4. A symbol question: the kind chosen from the keyboard, a symbol, its check ----
click $((f1x + 12)) $((f1y + $(tw 3320)))
xdotool key shift+Tab Down
open_exercise 8-simbolo "$SYMBOL_BG" || fail "the second kind did not open a symbol question"
ex=$ZX ey=$((ZY + ZH - CLIENT_H))
# The instruction line, LblIstruzione, across the bottom of the client area
ix=$((ex + $(tw 75))) iy=$((ey + $(tw 7905))) iw=$(tw 11430) ih=$(tw 270)
xdotool key k
sleep 0.3
shot 9-kg
xdotool key Return
until_true 50 changed 9-kg 10-verifica "$ix" "$iy" "$iw" "$ih" || fail "kg and Return left the instruction line as it was: no check"
note "symbol question answered and checked"
# Left by the close box at the right end of its title bar.
read -r tw_ th tx ty _ <<<"$(zone 10-verifica "$TITLE")"
click $((tx + tw_ - th / 2 - 2)) $((ty + th / 2))
# The exercise gone first: its banners share the exit button's colour, and a screenshot
# that still shows it would place "E s c i " over both.
shot_until 11-chiuso "$SYMBOL_BG" 0 || fail "the close box of the title bar did not close the exercise"
shot_until 11-ritorno "$START_EXIT" 10000 || fail "the close box of the title bar did not bring the start screen back"
f1x=$((ZX - 1 - $(tw 60))) f1y=$((ZY - 1 - $(tw 3630)))

# ---- 5. "E s c i " ends the program with status 0, leaving nothing behind ----
# Clicked again only while the start screen stays, as the direction button above.
for _ in 1 2 3; do
  click $((f1x + $(tw 60) + $(tw 6630) / 2)) $((f1y + $(tw 3630) + $(tw 495) / 2))
  until_true 100 gone "$pid" && break
  shot_until 12-esci "$START_EXIT" 10000 1 || break
done
ends pid 100 "the program did not end after a click on E s c i"
left=$(grep -l -s -z "^MASSA_E2E_TOKEN=$token$" /proc/[0-9]*/environ | cut -d/ -f3 | tr '\n' ' ')
[ -z "$left" ] || fail "processes left running after the end: $left"
shot_until 12-fine "$GREEN" 0 || fail "the green background is still on the screen after the end"
kill "$weston" 2>/dev/null
echo "PASS: on weston, background over the screen, start screen hidden during the exercise, number and symbol questions, back by Escape and by the close box, out with status 0"
INNER

in_x_or_skip 1040x784 "$exe"
