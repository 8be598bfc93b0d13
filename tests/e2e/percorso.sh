#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox, driven with real X input: the start screen
# shows centred on the green background, a direction button opens the exercise screen
# and hides the start screen, keypad keys reach the answer label, the close box of the
# exercise brings the start screen back, and "E s c i " ends the program with status 0
# and nothing left running. Then the same with the keyboard alone: a direction, an answer,
# the help, back to the start screen and out. Every step is checked on a screenshot.
# usage: percorso.sh <path to misure-di-massa> [folder to keep the screenshots in]
set -u
exe=$1 keep=${2:-}
source "$(dirname "$0")/aiuti_x11.sh"
needs_x dbus-run-session openbox xdotool xwininfo xprop import convert compare
workspace '*.png'

cat >"$work/inner.sh" <<'INNER'
exe=$1
# A marker in the environment finds the program and anything it starts, even orphans.
token="massa-e2e-$$-$RANDOM"

pid=""
fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}
note() { echo "  $*"; }

# ---- X helpers ----
# shot_until <shot> <x> <y> <r,g,b>: screenshots until the pixel has the colour (it has been painted)
shot_until() {
  for _ in $(seq 1 100); do
    shot "$1"
    [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
    sleep 0.1
  done
  return 1
}
click() { xdotool mousemove --sync "$1" "$2" click 1; }
# ink <shot> <x> <y> <w> <h> <r,g,b>: the box around the pixels of the text colour in a region -> "W H X count"
ink() {
  convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -fuzz 15% \
    -fill white +opaque "rgb($6)" -fill black -opaque "rgb($6)" \
    -format '%@ %[fx:round(w*h*(1-mean))]' info: 2>/dev/null | sed 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+[0-9]* /\1 \2 \3 /'
}

START_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA$'
EXERCISE_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$'
CLIENT_W=794 CLIENT_H=556 SCREEN_W=1024 SCREEN_H=768
GREEN=192,255,192 START_KEY=255,255,128 START_EXIT=255,224,192 START_FRAME=255,255,192
EXERCISE_BG=250,250,200 EXERCISE_KEY=240,220,150 ANSWER_INK=150,100,100

start_wm || fail "openbox did not start"

QT_QPA_PLATFORM=xcb MASSA_E2E_TOKEN=$token "$exe" &
pid=$!

# ---- 1. The start screen, centred on the background ----
start=$(wait_named "$START_NAME")
[ -n "$start" ] || fail "the start screen was never mapped"
bg=$(wait_named '^Form1$')
[ -n "$bg" ] || fail "the background was never mapped"
geometry "$bg"
[ "$GX,$GY,$GW,$GH" = "0,0,$SCREEN_W,$SCREEN_H" ] || fail "the background covers ${GW}x${GH}+$GX+$GY, not the screen"
geometry "$start"
[ "$GW" -eq "$CLIENT_W" ] || fail "the start screen is $GW px wide, not $CLIENT_W"
menu=$((GH - CLIENT_H))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "the start screen is $GH px high: no room for a menu bar over $CLIENT_H px"
dx=$((GX - (SCREEN_W - GW) / 2)) dy=$((GY - (SCREEN_H - GH) / 2))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "the start screen at $GX,$GY is not centred"
note "start screen ${GW}x${GH}+$GX+$GY, menu bar $menu px"
sx=$GX sy=$((GY + menu))  # top-left corner of its client area

# Frame1 and the buttons inside it
f1x=$((sx + $(tw 4725))) f1y=$((sy + $(tw 2475)))
c1x=$((f1x + $(tw 75) + $(tw 6600) / 2)) c1y=$((f1y + $(tw 315) + $(tw 870) / 2))
c9x=$((f1x + $(tw 60) + $(tw 6630) / 2)) c9y=$((f1y + $(tw 3630) + $(tw 495) / 2))
shot_until 1-inizio $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)) "$START_KEY" \
  || fail "the direction button was never painted in its colour"
expect 1-inizio 5 5 "$GREEN" "background, top-left corner"
expect 1-inizio $((SCREEN_W - 6)) $((SCREEN_H - 6)) "$GREEN" "background, bottom-right corner"
expect 1-inizio $((sx + 40)) $((sy + $(tw 4000))) "$GREEN" "start screen, left of the buttons"
expect 1-inizio $((f1x + 12)) $((f1y + $(tw 3320))) "$START_FRAME" "start screen, the buttons' frame"
expect 1-inizio $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)) "$START_KEY" "direction button"
expect 1-inizio $((f1x + $(tw 60) + 6)) $((f1y + $(tw 3630) + 6)) "$START_EXIT" "exit button"

# ---- 2. A direction button opens the exercise screen and hides the start screen ----
click "$c1x" "$c1y"
exercise=$(wait_named "$EXERCISE_NAME")
[ -n "$exercise" ] || fail "the direction button did not open the exercise screen"
until_true 50 sh -c "! xwininfo -id $start 2>/dev/null | grep -q 'Map State: IsViewable'" \
  || fail "the start screen stayed visible under the exercise screen"
geometry "$exercise"
[ "$GW" -eq "$CLIENT_W" ] || fail "the exercise screen is $GW px wide, not $CLIENT_W"
emenu=$((GH - CLIENT_H))
[ "$emenu" -gt 10 ] && [ "$emenu" -lt 60 ] || fail "the exercise screen is $GH px high: no room for a menu bar over $CLIENT_H px"
ex=$GX ey=$((GY + emenu)) ew=$GW
note "exercise screen ${GW}x${GH}+$GX+$GY, menu bar $emenu px"

# keypad keys and the answer label
kx=$((ex + $(tw 4620))) ky=$((ey + $(tw 4530)))
k1x=$((kx + $(tw 90) + $(tw 765) / 2)) k1y=$((ky + $(tw 330) + $(tw 465) / 2))
k2x=$((kx + $(tw 885) + $(tw 765) / 2)) k2y=$k1y
ax=$((ex + $(tw 15) + $(tw 6450))) ay=$((ey + $(tw 1500) + $(tw 285)))
aw=$(tw 3060) ah=$(tw 990)
shot_until 2-esercizio $((kx + $(tw 90) + 5)) $((ky + $(tw 330) + 5)) "$EXERCISE_KEY" \
  || fail "the keypad was never painted in the colours of the first kind"
expect 2-esercizio $((ex + 400)) $((ey + $(tw 1300))) "$EXERCISE_BG" "exercise screen background"
expect 2-esercizio $((kx + $(tw 90) + 5)) $((ky + $(tw 330) + 5)) "$EXERCISE_KEY" "keypad key 1"
expect 2-esercizio $((kx + $(tw 885) + 5)) $((ky + $(tw 330) + 5)) "$EXERCISE_KEY" "keypad key 2"
expect 2-esercizio 5 5 "$GREEN" "background around the exercise screen"
read -r qw qh qx qn <<<"$(ink 2-esercizio "$ax" "$ay" "$aw" "$ah" "$ANSWER_INK")"
[ "${qn:-0}" -gt 50 ] || fail "the answer label shows no \"?\" before any key"
note "answer label before any key: ink ${qw}x${qh} at +$qx, $qn px"

# ---- 3. Keypad keys reach the answer label ----
# press <x> <y> <shot before> <shot after> <what>: clicks, then waits for the answer label to change
press() {
  click "$1" "$2"
  until_true 50 changed "$3" "$4" "$ax" "$ay" "$aw" "$ah" || fail "$5 left the answer label as it was"
}
press "$k1x" "$k1y" 2-esercizio 3-tasto1 "key 1"
read -r w1 h1 x1 n1 <<<"$(ink 3-tasto1 "$ax" "$ay" "$aw" "$ah" "$ANSWER_INK")"
[ "${n1:-0}" -gt 50 ] || fail "after key 1 the answer label shows no digit"
note "after 1: ink ${w1}x${h1} at +$x1, $n1 px"

press "$k2x" "$k2y" 3-tasto1 4-tasto2 "key 2"
read -r w2 h2 x2 n2 <<<"$(ink 4-tasto2 "$ax" "$ay" "$aw" "$ah" "$ANSWER_INK")"
note "after 1 2: ink ${w2}x${h2} at +$x2, ${n2:-0} px"
# "12" is one digit wider than "1", as high, and stays centred in the label.
[ "$((w2 - w1))" -ge 15 ] || fail "after keys 1 and 2 the answer is $w2 px wide, after key 1 $w1 px: the second digit is missing"
[ "$((h2 - h1))" -le 2 ] && [ "$((h1 - h2))" -le 2 ] || fail "the digits are ${h1} and ${h2} px high"
centre=$((x2 + w2 / 2 - aw / 2))
[ "${centre#-}" -le 6 ] || fail "the answer is not centred in its label (off by $centre px)"
[ "$n2" -gt "$n1" ] || fail "the answer has less ink after two keys than after one"

# ---- 4. The close box of the exercise brings the start screen back ----
read -r _ fl fr ft fb <<<"$(xprop -id "$exercise" _NET_FRAME_EXTENTS | tr -d ',=' )"
[ -n "${ft:-}" ] || fail "openbox gave the exercise screen no frame"
# openbox draws the close box as the rightmost title button, about a title bar high.
closex=$((ex + ew + fr - ft / 2 - 2)) closey=$((ey - emenu - ft / 2))
note "frame extents l$fl r$fr t$ft b$fb; close box at $closex,$closey"
click "$closex" "$closey"
until_true 100 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '$EXERCISE_NAME' 2>/dev/null)\" ]" \
  || fail "a click on the close box at $closex,$closey did not close the exercise screen"
until_true 100 viewable "$start" || fail "the start screen did not come back after the exercise closed"
kill -0 "$pid" 2>/dev/null || fail "the program ended when the exercise closed"
shot_until 5-ritorno $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)) "$START_KEY" \
  || fail "the start screen came back but its direction button was not painted"
geometry "$start"
[ "$GX,$((GY + menu))" = "$sx,$sy" ] || fail "the start screen came back at $GX,$GY, elsewhere"
expect 5-ritorno $((f1x + $(tw 60) + 6)) $((f1y + $(tw 3630) + 6)) "$START_EXIT" "exit button, back again"
expect 5-ritorno 5 5 "$GREEN" "background, back again"

# ---- 5. "E s c i " ends the program with status 0, leaving nothing behind ----
click "$c9x" "$c9y"
ends pid 200 "the program did not end after a click on E s c i"
left=$(grep -l -s -z "^MASSA_E2E_TOKEN=$token$" /proc/[0-9]*/environ | cut -d/ -f3 | tr '\n' ' ')
[ -z "$left" ] || fail "processes left running after the end: $left"
shot 6-fine
[ "$(pixel 6-fine 5 5)" != "$GREEN" ] || fail "the green background is still on the screen after the end"
# ---- 6. The keyboard alone: a direction, a wrong answer, help, back to start, and out ----
QT_QPA_PLATFORM=xcb MASSA_E2E_TOKEN=$token "$exe" &
pid=$!
start=$(wait_named "$START_NAME")
[ -n "$start" ] || fail "the start screen was never mapped the second time"
shot_until 7-tastiera $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)) "$START_KEY" \
  || fail "the start screen was not painted the second time"
focus "$start" || fail "the start screen never had the focus"
xdotool key --clearmodifiers Tab Return
exercise=$(wait_named "$EXERCISE_NAME")
[ -n "$exercise" ] || fail "Tab and Return on the start screen did not open the exercise"
geometry "$exercise"
ex=$GX ey=$((GY + GH - CLIENT_H))
# LblAiuto inside frmAiuto, in the help colour of the first kind, only while help is offered
hx=$((ex + $(tw 8010) + $(tw 135) + 4)) hy=$((ey + $(tw 5985) + $(tw 300) + 4))
HELP=250,250,150
shot_until 8-tastiera $((kx + $(tw 90) + 5)) $((ky + $(tw 330) + 5)) "$EXERCISE_KEY" \
  || fail "the exercise opened from the keyboard was never painted"
# No quantity has six digits: this answer is always wrong.
xdotool key --clearmodifiers 9 9 9 9 9 9 Return
shot_until 9-errato "$hx" "$hy" "$HELP" || fail "digits and Return from the keyboard brought no help offer"
xdotool key --clearmodifiers s
for _ in $(seq 1 50); do
  shot 10-aiuto
  [ "$(pixel 10-aiuto "$hx" "$hy")" = "$EXERCISE_BG" ] && break
  sleep 0.1
done
expect 10-aiuto "$hx" "$hy" "$EXERCISE_BG" "help offer gone after s"
xdotool key --clearmodifiers Escape
until_true 100 viewable "$start" || fail "Escape did not bring the start screen back"
focus "$start" || fail "the start screen came back without the focus"
# The focus is back on the direction button that opened the exercise; three Tabs reach "E s c i ".
xdotool key --clearmodifiers Tab Tab Tab Return
ends pid 200 "Shift+Tab and Return on the start screen did not end the program" "after the keyboard run"
note "keyboard alone: exercise opened, checked, helped, left, program ended"

echo "PASS: start screen centred on the background, exercise opened, keys 1 2 shown, close box back to start, exit with status 0, the same with the keyboard alone"
INNER

in_x_or_skip 1024x768 "$exe"
