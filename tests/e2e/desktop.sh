#!/usr/bin/env bash
# The real program on desktops other than the usual one, each under Xvfb with openbox in a
# session bus of its own:
#   fonts    without the Liberation fonts: one line on stderr, every menu entry on show;
#   scala    at scale factors 1.25 to 2: the four rules of the statistics table have ink;
#   piccolo  on 640 x 480: every window's frame starts inside the screen;
#   medio    on 800 x 600: every window's frame lies wholly inside it;
#   sfondo   the background stays out of task bars, refuses a close request, comes back
#            when destroyed from outside, and an exercise window destroyed from outside
#            brings the start screen back.
# usage: desktop.sh <folder of the drill and its companions> <tocca_finestra> [scenario...]
set -u
bin=$1
tocca=$2
shift 2
scenari=("$@")
[ ${#scenari[@]} -gt 0 ] || scenari=(fonts scala piccolo medio sfondo)
command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed, no X server to run on"; exit 77; }
for tool in dbus-run-session openbox xdotool xwininfo xprop import convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/inner.sh" <<'INNER'
set -u
scenario=$1 bin=$2 tocca=$3 work=$4 W=$5 H=$6
source "$7"
exe=$bin/misure-di-massa
pids=()
fail() {
  echo "FAIL [$scenario]: $*"
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
  QT_QPA_PLATFORM=xcb "$exe" 2>"$work/stderr" &
  pid=$!
  pids+=($pid)
  start=$(wait_named "$START")
  [ -n "$start" ] || fail "the start screen was never mapped"
  focus "$start" || fail "the start screen never had the focus"
}
open_exercise() {
  xdotool key --clearmodifiers Tab Return
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

case $scenario in
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
  # Destroyed outright, as xdotool windowclose does: a new background, behind the start screen.
  "$tocca" distruggi "$bg" || fail "the background could not be destroyed"
  until_true 100 sh -c "w=\$(xdotool search --onlyvisible --name '^Form1\$' 2>/dev/null | head -n 1); [ -n \"\$w\" ] && [ \"\$w\" != $bg ]" \
    || fail "the background did not come back after it was destroyed"
  bg=$(visible_named '^Form1$')
  geometry "$bg"
  [ "$GX,$GY,$GW,$GH" = "0,0,$W,$H" ] || fail "the background came back over ${GW}x${GH}+$GX+$GY, not the screen"
  xprop -id "$bg" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the background came back into task bars"
  in_front() { # the start screen above the background in the window manager's stacking order
    local ordine
    ordine=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    awk -v s="$(printf '0x%x' "$start")" -v b="$(printf '0x%x' "$bg")" \
      '{ for (i = 1; i <= NF; i++) { if ($i == s) ps = i; if ($i == b) pb = i } } END { exit !(ps > pb && pb > 0) }' <<<"$ordine"
  }
  until_true 50 in_front || fail "the start screen is not in front of the background that came back"
  kill -0 "$pid" 2>/dev/null || fail "the program ended with its background"
  note "out of task bars, deaf to close requests, back when destroyed, back to the start screen"
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
  dbus-run-session -- xvfb-run -a -s "-screen 0 ${size}x24" \
    bash "$work/inner.sh" "$s" "$bin" "$tocca" "$work" "${size%x*}" "${size#*x}" "$(cd "$(dirname "$0")" && pwd)/aiuti_x11.sh" || rc=1
done
exit $rc
