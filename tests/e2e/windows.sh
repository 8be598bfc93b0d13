#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The drill under Wine, played with the keyboard as on a Windows classroom PC: the start
# screen on its green background; a number question answered right, with the chime played
# through the Windows multimedia library; "Il quadro" opened from the menu and closed; a symbol
# question answered wrong, the help taken, the answer shown, a new question; back to the start
# screen, and out with status 0. Screenshots of both screens, checked at the places the layout
# gives. Runs on the X server of the Windows suites, in their Wine prefix.
# usage: windows.sh <gioca.exe> <Qt for Windows> [folder to keep the screenshots in]
set -u
exe=$1 qt=$2 keep=${3:-${MASSA_SCHERMATE:-}}
emulatore=$(cd "$(dirname "$0")/../../scripts/windows" && pwd)/wine.sh
source "$(dirname "$0")/aiuti_x11.sh"
pid=""
stop_drill() { [ -z "$pid" ] || kill "$pid" 2>/dev/null; }
workspace '*.png' stop_drill
fail() {
  echo "FAIL: $*"
  echo "---- the drill's last answers and score:"
  tail -n 3 "$work/risposte.txt"
  exit 1
}
note() { echo "  $*"; }
[ -n "${DISPLAY:-}" ] || fail "no X server: run under tests/support/xvfb.sh"

START_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA$'
EXERCISE_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$'
GREEN=192,255,192 START_KEY=255,255,128 START_EXIT=255,224,192 EXERCISE_KEY=240,220,150
CLIENT_W=794 CLIENT_H=556
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

# What the drill reports: the right answer, right and wrong answers so far, the question's start.
: >"$work/risposte.txt"
stato() { IFS='|' read -r RISPOSTA ESATTE ERRATE INIZIO < <(tail -n 1 "$work/risposte.txt"); }
# attendi <what> <condition on RISPOSTA ESATTE ERRATE INIZIO>
attendi() {
  local what=$1
  shift
  for _ in $(seq 1 100); do
    stato
    eval "$*" && return 0
    sleep 0.1
  done
  fail "$what"
}
# digita <answer>: its keys, as the key table gives them
digita() {
  local k
  for k in $(keys_of "$1"); do key "$k"; done
}

# Sound goes to ALSA's null device: the machine may have no sound card.
printf 'pcm.!default {\n  type null\n  hint { show on description "Null" }\n}\n' >"$work/.asoundrc"
HOME=$work WINEDEBUG=+winmm MASSA_PROVA_RISPOSTE="Z:${work//\//\\}\\risposte.txt" "$emulatore" --qt "$qt" "$exe" 2>"$work/wine.log" &
pid=$!

# ---- 1. The start screen on its background ----
start=$(wait_named "$START_NAME")
[ -n "$start" ] || fail "the start screen was never shown"
geometry "$start"
sx=$GX sy=$((GY + GH - CLIENT_H))
f1x=$((sx + $(tw 4725))) f1y=$((sy + $(tw 2475)))
# Both painted: the start screen's direction button and the background beside it, which Wine
# may paint a moment after the screen in front of it.
dipinti() {
  import -window root "$work/1-inizio.png" &&
    [ "$(pixel 1-inizio $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)))" = "$START_KEY" ] &&
    [ "$(pixel 1-inizio 5 5)" = "$GREEN" ]
}
until_true 100 dipinti || fail "the start screen's direction button and the background were never both painted"
expect 1-inizio 5 5 "$GREEN" "the background, top-left corner"
expect 1-inizio $((f1x + $(tw 75) + 6)) $((f1y + $(tw 315) + 6)) "$START_KEY" "a direction button"
expect 1-inizio $((f1x + $(tw 60) + 6)) $((f1y + $(tw 3630) + 6)) "$START_EXIT" "the exit button"
note "start screen ${GW}x${GH}+$GX+$GY"

# ---- 2. A number question, answered right: the chime ----
key Tab Return
exercise=$(wait_named "$EXERCISE_NAME")
[ -n "$exercise" ] || fail "Tab and Return on the start screen opened no exercise"
attendi "the exercise posed no question" '[ -n "$RISPOSTA" ]'
[[ $RISPOSTA =~ ^[0-9,]+$ ]] || fail "a number exercise asked for \"$RISPOSTA\""
note "question 1: the answer is $RISPOSTA"
digita "$RISPOSTA"
key Return
attendi "the right answer $RISPOSTA was not counted right" '[ "$ESATTE" = 1 ] && [ "$ERRATE" = 0 ]'
# Wine's winmm traces each PlaySound and how the playing ended.
until_true 50 grep -q "proc_PlaySound Done playing=.*positivo.wav.*=> " "$work/wine.log" \
  || fail "the chime was never handed to PlaySoundW: $(grep -m 3 PlaySound "$work/wine.log")"
grep -q "proc_PlaySound Done playing=.*positivo.wav.*=> ok" "$work/wine.log" \
  || fail "PlaySoundW did not play positivo.wav: $(grep -m 1 'proc_PlaySound Done' "$work/wine.log")"
note "right, and the chime played: $(grep -m 1 -o 'Done playing=.*' "$work/wine.log")"
geometry "$exercise"
ex=$((GX + (GW - CLIENT_W) / 2)) ey=$((GY + GH - CLIENT_H - (GW - CLIENT_W) / 2))
kx=$((ex + $(tw 4620))) ky=$((ey + $(tw 4530)))
shot 2-esercizio
expect 2-esercizio $((kx + $(tw 90) + 5)) $((ky + $(tw 330) + 5)) "$EXERCISE_KEY" "the keypad's key 1"
expect 2-esercizio 5 5 "$GREEN" "the background around the exercise"
note "exercise screen ${GW}x${GH}+$GX+$GY"

# ---- 3. "Il quadro" from the menu bar, and closed ----
key Alt_L Right Return
quadro=$(wait_named '^Il quadro delle misure di massa$')
[ -n "$quadro" ] || fail "the menu's \"Il quadro\" opened no units table"
geometry "$quadro"
qx=$GX qy=$GY qw=$GW qh=$GH
until_true 50 changed 2-esercizio 3-quadro "$qx" "$qy" "$qw" "$qh" || fail "the units table was shown but never painted"
key Escape
until_true 100 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Il quadro delle misure di massa\$' 2>/dev/null)\" ]" \
  || fail "Escape left the units table open"
note "Il quadro opened from the menu and closed"

# ---- 4. Back to the start screen; a symbol question, wrong, with help ----
until_true 50 sh -c "xdotool getactivewindow getwindowname 2>/dev/null | grep -q '  kg  hg'" || true
key Escape
until_true 100 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '$EXERCISE_NAME' 2>/dev/null)\" ]" \
  || fail "Escape did not close the exercise"
key shift+Tab Down Tab Return
wait_named "$EXERCISE_NAME" >/dev/null
attendi "the symbol exercise posed no question" '[ -n "$RISPOSTA" ] && [ "$ESATTE" = 0 ]'
[[ $RISPOSTA =~ ^[a-z]+$ ]] || fail "a symbol exercise asked for \"$RISPOSTA\""
sbagliata=kg
[ "$RISPOSTA" = kg ] && sbagliata=g
note "question 2: the answer is $RISPOSTA; typed $sbagliata"
digita "$sbagliata"
key Return
attendi "the wrong answer was not counted wrong" '[ "$ERRATE" = 1 ]'
domanda=$INIZIO
key s
shot 4-aiuto
key Return
attendi "after the help, Return posed no new question" '[ "$INIZIO" != "$domanda" ]'
note "wrong, the help taken, a new question"

# ---- 5. Out: the exercise, then the program ----
key Escape
until_true 100 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '$EXERCISE_NAME' 2>/dev/null)\" ]" \
  || fail "Escape did not close the second exercise"
key F10 Return
ends pid 200 "the menu's Esci did not end the program"
echo "PASS: under Wine: the start screen and the exercise as laid out, a number answered right with the chime played by PlaySoundW, Il quadro opened and closed, a symbol answered wrong with the help, out with status 0"
