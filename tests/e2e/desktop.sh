#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on desktops other than the usual one, each under Xvfb with openbox in a
# session bus of its own:
#   fonts    without the Liberation fonts: one line on stderr, every menu entry on show;
#   scala    at scale factors 1.25 to 2: the four rules of the statistics table have ink;
#   piccolo  on 640 x 480: every window's frame starts inside the screen;
#   medio    on 800 x 600: every window's frame lies wholly inside it;
#   sfondo   the background stays out of task bars, refuses a close request, comes back
#            when destroyed from outside, and an exercise window destroyed from outside
#            brings the start screen back;
#   lavagna, lavagna4k  on 1920 x 1080 and 3840 x 2160 with --lavagna: the exercise window's
#            frame inside the screen, taking at least 90 % of its free height or width; every
#            text of a number question, its help offer and a symbol question drawn whole, as
#            at the designed size but larger by the factor; the statistics rules have ink.
# usage: desktop.sh <folder of the drill and its companions> <tocca_finestra> [scenario...]
set -u
bin=$1
tocca=$2
shift 2
scenari=("$@")
[ ${#scenari[@]} -gt 0 ] || scenari=(fonts scala piccolo medio sfondo lavagna lavagna4k)
source "$(dirname "$0")/aiuti_x11.sh"
needs_x dbus-run-session openbox xdotool xwininfo xprop xev import convert
workspace ""   # nothing kept: no folder to keep screenshots in

cat >"$work/inner.sh" <<'INNER'
scenario=$1 bin=$2 tocca=$3 W=$4 H=$5
exe=$bin/misure-di-massa
pids=()
fail() {
  echo "FAIL [$scenario]: $*"
  [ -s "$work/stderr" ] && sed 's/^/  stderr: /' "$work/stderr"
  kill "${pids[@]}" 2>/dev/null
  exit 1
}
note() { echo "  [$scenario] $*"; }
# frame <window> -> FX FY FW FH, the window with the frame the window manager gave it
frame() {
  geometry "$1"
  local l=0 r=0 t=0 b=0 e
  e=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$e" ] && IFS=, read -r l r t b <<<"$e"
  FX=$((GX - l)) FY=$((GY - t)) FW=$((GW + l + r)) FH=$((GH + t + b))
}
# dark columns of a strip of the screen, in runs at least 6 px apart -> how many runs
ink_runs() {
  convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 45% -negate -scale "$4x1!" \
    -depth 8 txt:- | sed -n 's/^\([0-9]*\),0: (\([0-9]*\).*/\1 \2/p' |
    awk 'BEGIN { runs = 0; last = -100 } $2 > 0 { if ($1 - last > 6) runs++; last = $1 } END { print runs }'
}

START='^TRASFORMAZIONI CON LE MISURE DI MASSA$'
EXERCISE='^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$'

start_wm || fail "openbox did not start"
pids+=("$WM_PID")

start_drill() {
  QT_QPA_PLATFORM=xcb "$exe" "$@" 2>"$work/stderr" &
  pid=$!
  pids+=($pid)
  start=$(wait_named "$START")
  if [ -z "$start" ]; then
    kill -0 "$pid" 2>/dev/null && note "the program runs" || note "the program has ended"
    # Where the program's threads and openbox are, when gdb is at hand.
    if command -v gdb >/dev/null; then
      for p in "$pid" "$WM_PID"; do
        gdb -p "$p" -batch -ex "thread apply all bt" 2>/dev/null |
          grep -E '^(#|Thread)' | cut -c1-160 | sed "s/^/  [$scenario] stack of $p: /"
      done
    fi
    kill -0 "$WM_PID" 2>/dev/null && note "openbox runs" || note "openbox has ended"
    sed "s/^/  [$scenario] openbox: /" "$WM_LOG"
    xwininfo -root -tree 2>&1 | grep -v 'has no name' | sed "s/^/  [$scenario] tree: /"
    for w in $(xdotool search --name "$START" 2>/dev/null); do
      xwininfo -id "$w" | grep -E 'Map State|geometry' | sed "s/^/  [$scenario] $w: /"
      xprop -id "$w" WM_STATE _NET_WM_STATE _NET_WM_DESKTOP WM_TRANSIENT_FOR | sed "s/^/  [$scenario] $w: /"
    done
    fail "the start screen was never mapped"
  fi
  focus "$start" || fail "the start screen never had the focus"
}
open_exercise() { # [keys on the start screen before Tab Return]
  xdotool key --clearmodifiers "$@" Tab Return
  exercise=$(wait_named "$EXERCISE")
  [ -n "$exercise" ] || fail "Tab and Return did not open the exercise"
  sleep 0.5   # painted
}
# inside <window> <what> <whole|corner>: its frame lies inside the screen (or starts there)
inside() {
  frame "$1"
  note "$2: frame ${FW}x${FH}+$FX+$FY on ${W}x$H"
  [ "$FX" -ge 0 ] && [ "$FY" -ge 0 ] && [ "$FX" -lt "$W" ] && [ "$FY" -lt "$H" ] \
    || fail "$2: the frame starts at $FX,$FY, outside the ${W}x$H screen"
  if [ "$3" = whole ]; then
    [ $((FX + FW)) -le "$W" ] && [ $((FY + FH)) -le "$H" ] || fail "$2: the frame ${FW}x${FH}+$FX+$FY does not fit ${W}x$H"
  elif [ "$FW" -gt "$W" ]; then
    [ "$FX" -eq 0 ] || fail "$2: too wide for the screen, yet not against its left edge"
  fi
}
companion() {
  QT_QPA_PLATFORM=xcb "$bin/$1" &
  pids+=($!)
  local w
  w=$(wait_named "$2")
  [ -n "$w" ] || fail "$1 never showed"
  sleep 0.3
  inside "$w" "$1" "$3"
  kill $! 2>/dev/null
}

# Texts of the exercise screen that are the same at every run: name, left, top, width, height
# in pixels of the design inside the client area, and how far in from its edges to look
# (past a button's bevel and focus box).
NUMERO="Label2 0 0 794 37 1
Label1 0 37 794 37 1
LabelUguale 386 116 42 66 1
LblRisultato 431 119 204 66 1
LblIstruzione 5 527 762 18 1
Label5 29 409 267 17 0
Label3 41 425 241 17 0
LblOperazione 23 449 44 32 1
Command3 367 324 51 31 5
Command4 419 324 51 31 5
Command16 472 324 51 31 5
Command5 315 360 51 31 5
Command6 367 360 51 31 5
Command7 419 360 51 31 5
Command17 471 361 51 31 5
Command8 315 396 51 31 5
Command9 367 396 51 31 5
Command10 419 396 51 31 5
Command18 472 397 51 31 5
Command13 315 432 51 31 5
Command11 367 432 51 31 5
Command12 419 432 51 31 5
Command19 473 431 51 31 5
Command1 312 469 51 31 5
cmdCancella 364 468 105 33 4"
AIUTO="LblEsito 21 258 287 64 1
LblRisultato 431 119 204 66 1
LblIstruzione 5 527 762 18 1
lblRisErrate 125 449 44 32 1
LblAiuto 543 419 222 37 1
Cmdsi 656 465 112 37 5
Cmdno 544 467 108 37 4"
SIMBOLO="Label1 0 37 794 37 1
LabelUgualeS 385 116 42 66 1
LblIstruzione 5 527 762 18 1
Command26 319 324 98 29 5
Command25 319 361 98 31 5
Command24 320 398 98 31 5
Command23 320 434 200 31 5
Command22 424 323 98 31 5
Command21 423 360 97 31 5
Command20 424 398 97 31 5
Command15 319 468 198 33 4"
# views <prefix> [options]: the exercise screen's window (-> G*, F* as frame gives them), K (device
# pixels per pixel of the design), CX CY (its client area's corner); shots <prefix>-numero, -aiuto (after the answer "0,", never
# right) and -simbolo
views() {
  local p=$1
  shift
  start_drill "$@"
  sleep 0.5   # painted
  geometry "$start"
  SG="${GW}x1+$GX+$((GY + GH - 1))" SI="1x1+$GX+$((GY + GH - 4))"   # its last row, a pixel above
  shot "$p-inizio"
  open_exercise
  frame "$exercise"
  K=$(awk -v w="$GW" 'BEGIN { print w / 794 }')
  CX=$GX CY=$(awk -v y="$GY" -v h="$GH" -v k="$K" 'BEGIN { printf "%d", y + h - 556 * k + 0.5 }')
  shot "$p-numero"
  xdotool key --clearmodifiers 0 comma Return
  sleep 0.5
  shot "$p-aiuto"
  kill "$pid"
  wait "$pid" 2>/dev/null
  start_drill "$@"
  open_exercise Down
  shot "$p-simbolo"
  kill "$pid"
  wait "$pid" 2>/dev/null
}
# inks <shot> <controls> <k> <cx> <cy>: each control's name and the box around its ink, in
# device pixels from its corner
inks() {
  local name l t w h in
  while read -r name l t w h in; do
    read -r x y w h <<<"$(awk -v k="$3" -v cx="$4" -v cy="$5" -v l="$l" -v t="$t" -v w="$w" -v h="$h" -v i="$in" \
      'BEGIN { printf "%d %d %d %d", cx + (l + i) * k + 0.5, cy + (t + i) * k + 0.5, (w - 2 * i) * k, (h - 2 * i) * k }')"
    echo "$name $(convert "$work/$1.png" -crop "${w}x$h+$x+$y" +repage -fuzz 20% -trim -format '%X %Y %w %h' info: 2>/dev/null | tr -d +)"
  done <<<"$2"
}

case $scenario in
lavagna | lavagna4k)
  views uno
  K1=$K CX1=$CX CY1=$CY
  # Started by a launcher: its notice of the start ends as the first window shows, the screen
  # measured before it or not.
  xev -root -event property >"$work/xev" 2>&1 &
  pids+=($!)
  sleep 0.3
  DESKTOP_STARTUP_ID=massa-prova_TIME0 views lavagna --lavagna
  grep -q _NET_STARTUP_INFO "$work/xev" || fail "the launcher was never told that the drill had started"
  read -r AX AY AW AH _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= *//; s/,//g')"
  note "factor $K: the exercise window ${GW}x$GH, its frame ${FW}x${FH}+$FX+$FY, in a free area of ${AW}x$AH+$AX+$AY"
  [ "$K1" = 1 ] || fail "at the designed size the window is $K times as wide"
  [ "$FX" -ge "$AX" ] && [ "$FY" -ge "$AY" ] && [ $((FX + FW)) -le $((AX + AW)) ] && [ $((FY + FH)) -le $((AY + AH)) ] \
    || fail "the frame ${FW}x${FH}+$FX+$FY does not lie inside the ${AW}x$AH screen"
  [ $((FW * 10)) -ge $((AW * 9)) ] || [ $((FH * 10)) -ge $((AH * 9)) ] \
    || fail "the frame ${FW}x$FH takes less than 90 % of the ${AW}x$AH screen's width and height"
  for v in numero aiuto simbolo; do
    controls=$NUMERO
    [ $v = aiuto ] && controls=$AIUTO
    [ $v = simbolo ] && controls=$SIMBOLO
    # The same texts, larger by the factor: whole, on one line as designed, neither cut nor wrapped.
    paste <(inks "uno-$v" "$controls" 1 "$CX1" "$CY1") <(inks "lavagna-$v" "$controls" "$K" "$CX" "$CY") |
      awk -v k="$K" -v v="$v" '
        # Hinting moves a line of text by a few pixels at one size and not at another; what
        # a cut or a wrap does to its size is far more.
        function off(a, b, s, f) { d = a - k * b; if (d < 0) d = -d; return d > 3 + f * k * s }
        NF != 10 || $4 < 2 || $5 < 2 { print v ": " $1 " shows no text"; bad = 1; next }
        off($7, $2, $4, 0.1) || off($8, $3, $5, 0.1) || off($9, $4, $4, 0.05) || off($10, $5, $5, 0.05) {
          print v ": " $1 " ink " $9 "x" $10 "+" $7 "+" $8 ", at the designed size " $4 "x" $5 "+" $2 "+" $3; bad = 1 }
        END { exit bad }' >"$work/diff" || fail "$(cat "$work/diff")"
  done
  note "every text of the number question, the help offer and the symbol question whole, $K times as large"
  at() { awk -v o="$1" -v v="$2" -v k="$K" 'BEGIN { printf "%d", o + v * k }'; }
  for x in 69 123 169 229; do
    n=$(convert "$work/lavagna-numero.png" -crop "8x20+$(($(at "$CX" "$x") - 4))+$(($(at "$CY" 444) - 10))" +repage \
      -colorspace gray -threshold 35% -negate -format '%[fx:round(w*h*mean)]' info:)
    [ "${n:-0}" -gt 10 ] || fail "no ink where the statistics rule at $x px should be"
  done
  note "the four rules of the statistics table have ink"
  # Painted to their last device pixel: the start screen's last row, the screen's last row and
  # column each of one colour, that of the pixels just inside.
  colour() { convert "$work/$1.png" -crop "$2" +repage -unique-colors -format '%[pixel:p{0,0}] %k' info:; }
  for edge in "lavagna-inizio $SG $SI" "lavagna-numero ${AW}x1+0+$((AH - 1)) 1x1+0+$((AH - 4))" \
    "lavagna-numero 1x$AH+$((AW - 1))+0 1x1+$((AW - 4))+0"; do
    read -r v crop inner <<<"$edge"
    [ "$(colour "$v" "$crop")" = "$(colour "$v" "$inner")" ] ||
      fail "$v: the edge $crop is $(colour "$v" "$crop"), just inside $(colour "$v" "$inner") (left unpainted)"
  done
  note "the start screen and the background painted to their last row and column"
  ;;
fonts)
  export FONTCONFIG_FILE=$work/fonts.conf
  start_drill
  grep -q "Liberation Sans non è installato" "$work/stderr" || fail "no line on stderr about the missing font"
  note "stderr: $(head -n 1 "$work/stderr")"
  geometry "$start"
  menu=$((GH - 556))
  shot fonts-inizio
  n=$(ink_runs fonts-inizio "$GX" "$GY" 794 "$menu")
  [ "$n" -eq 3 ] || fail "the start screen's menu bar ($menu px) shows $n entries, not Esci, ? and Avvertenza"
  open_exercise
  geometry "$exercise"
  menu=$((GH - 556))
  shot fonts-esercizio
  n=$(ink_runs fonts-esercizio "$GX" "$GY" 794 "$menu")
  [ "$n" -eq 2 ] || fail "the exercise's menu bar ($menu px) shows $n entries, not Esci and Il quadro"
  note "both menu bars show all their entries"
  ;;
scala)
  # Each factor with the font dpi left alone, and 1.5 as a desktop sets it with the font dpi too.
  for fattori in 1.25:96 1.5:96 1.75:96 2:96 1.5:144; do
    export QT_SCALE_FACTOR=${fattori%:*} QT_FONT_DPI=${fattori#*:}
    start_drill
    open_exercise
    geometry "$exercise"
    # The client area is 794 x 556 at scale 1, under the menu bar; Frame1 at 6, frmElaborazione
    # at 13 inside it, the rules at 50, 104, 150 and 210 inside that, mid-height at 444.
    at() { awk -v o="$1" -v v="$2" -v s="$GW" 'BEGIN { printf "%d", o + v * s / 794 }'; }
    shot scala
    y=$(at $((GY + GH)) -112)
    for x in 69 123 169 229; do
      dx=$(at "$GX" "$x")
      n=$(convert "$work/scala.png" -crop "8x20+$((dx - 4))+$((y - 10))" +repage -colorspace gray -threshold 35% \
          -negate -format '%[fx:round(w*h*mean)]' info:)
      [ "${n:-0}" -gt 10 ] || fail "scale $fattori: no ink where the rule at $x px should be (screen $dx,$y)"
    done
    note "scale $QT_SCALE_FACTOR, font dpi $QT_FONT_DPI: the four rules have ink"
    kill "$pid"
    wait "$pid" 2>/dev/null
  done
  ;;
piccolo | medio)
  how=corner
  [ "$scenario" = medio ] && how=whole
  start_drill
  inside "$start" "start screen" "$how"
  open_exercise
  inside "$exercise" "exercise screen" "$how"
  companion quadro.exe '^Il quadro delle misure di massa$' "$how"
  companion www.exe '^Informazioni$' "$how"
  companion avvertenza.exe '^Avvertenza$' "$how"
  if [ "$scenario" = medio ]; then
    # A window manager too slow to tell the frame before the window shows: placed again
    # when it does. A second is well past the program's wait; were the program slower to
    # get there, this would be the case above.
    kill -STOP "$WM_PID"
    QT_QPA_PLATFORM=xcb "$bin/avvertenza.exe" &
    pids+=($!)
    named() { xdotool search --name "$1" >/dev/null 2>&1; }
    until_true 300 named '^Avvertenza$' || { kill -CONT "$WM_PID"; fail "avvertenza.exe never made its window"; }
    sleep 1
    kill -CONT "$WM_PID"
    w=$(wait_named '^Avvertenza$')
    [ -n "$w" ] || fail "avvertenza.exe never showed beside a slow window manager"
    fits() { frame "$1"; [ "$FX" -ge 0 ] && [ "$FY" -ge 0 ] && [ $((FX + FW)) -le "$W" ] && [ $((FY + FH)) -le "$H" ]; }
    until_true 100 fits "$w" || inside "$w" "avvertenza.exe beside a slow window manager" whole
    note "avvertenza.exe beside a slow window manager: inside the screen"
  fi
  ;;
sfondo)
  start_drill
  bg=$(wait_named '^Form1$')
  [ -n "$bg" ] || fail "the background was never mapped"
  xprop -id "$bg" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the background is listed in task bars"
  xprop -id "$bg" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_PAGER || fail "the background is listed by pagers"
  "$tocca" chiudi "$bg" || fail "the close request could not be sent"
  sleep 0.5
  viewable "$bg" || fail "a close request from the desktop removed the background"
  open_exercise
  until_true 50 sh -c "! xwininfo -id $start 2>/dev/null | grep -q IsViewable" || fail "the start screen stayed up"
  "$tocca" distruggi "$exercise" || fail "the exercise window could not be destroyed"
  until_true 100 viewable "$start" || fail "the start screen did not come back after the exercise window was destroyed"
  kill -0 "$pid" 2>/dev/null || fail "the program ended with its exercise window"
  in_front() { # the start screen above the background in the window manager's stacking order
    local ordine
    ordine=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    awk -v s="$(printf '0x%x' "$start")" -v b="$(printf '0x%x' "$bg")" \
      '{ for (i = 1; i <= NF; i++) { if ($i == s) ps = i; if ($i == b) pb = i } } END { exit !(ps > pb && pb > 0) }' <<<"$ordine"
  }
  # Destroyed outright, as xdotool windowclose does, or unmapped, as a desktop's "hide" may: a
  # new background, behind the start screen.
  for how in distruggi ritira; do
    "$tocca" "$how" "$bg" || fail "the background could not be touched ($how)"
    until_true 100 sh -c "w=\$(xdotool search --onlyvisible --name '^Form1\$' 2>/dev/null | head -n 1); [ -n \"\$w\" ] && [ \"\$w\" != $bg ]" \
      || fail "the background did not come back ($how)"
    bg=$(visible_named '^Form1$')
    geometry "$bg"
    [ "$GX,$GY,$GW,$GH" = "0,0,$W,$H" ] || fail "the background came back over ${GW}x${GH}+$GX+$GY, not the screen ($how)"
    xprop -id "$bg" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the background came back into task bars ($how)"
    until_true 50 in_front || fail "the start screen is not in front of the background that came back ($how)"
    kill -0 "$pid" 2>/dev/null || fail "the program ended with its background ($how)"
  done
  note "out of task bars, deaf to close requests, back when destroyed or unmapped, back to the start screen"
  ;;
esac
kill "${pids[@]}" 2>/dev/null
echo "PASS [$scenario]"
INNER

# Every font folder but the Liberation ones, with the system's rules for substitutes.
{
  echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
  find /usr/share/fonts -mindepth 2 -maxdepth 2 -type d ! -iname '*liberation*' -printf '<dir>%p</dir>\n'
  echo "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>"
  echo "<cachedir>/var/cache/fontconfig</cachedir><cachedir>$work/fc-cache</cachedir></fontconfig>"
} >"$work/fonts.conf"
# The caches ready before the program starts, as on a desktop, not built during its start-up.
command -v fc-cache >/dev/null && FONTCONFIG_FILE=$work/fonts.conf fc-cache >/dev/null 2>&1

rc=0
for s in "${scenari[@]}"; do
  size=1024x768
  [ "$s" = piccolo ] && size=640x480
  [ "$s" = medio ] && size=800x600
  [ "$s" = scala ] && size=2048x1536   # the whole exercise on screen at this scale
  [ "$s" = lavagna ] && size=1920x1080
  [ "$s" = lavagna4k ] && size=3840x2160
  in_x "$size" "$s" "$bin" "$tocca" "${size%x*}" "${size#*x}" || rc=1
done
exit $rc
