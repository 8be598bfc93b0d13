# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end runs do with X windows: sourced by each run for its opening, and by
# its inner script, which runs under Xvfb. Each caller defines fail(); workspace gives $work.

# ---- The opening, before the X server ----
AIUTI_X11=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/aiuti_x11.sh
# needs_x [<tool...>]: Xvfb, or the run is skipped (77): there is nothing to run on; then
# needs FAIL for the tools.
needs_x() {
  command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed, no X server to run on"; exit 77; }
  needs FAIL "$@"
}
# needs <SKIP|FAIL> <tool...>: each on the path, or the run is skipped (77) or fails (1)
needs() {
  local verdict=$1 t
  shift
  for t in "$@"; do
    command -v "$t" >/dev/null && continue
    [ "$verdict" = SKIP ] && { echo "SKIP: $t is not installed (scripts/deps.sh test installs it)"; exit 77; }
    echo "FAIL: $t is missing (scripts/deps.sh test installs it)"
    exit 1
  done
}
# workspace <files to keep, or ""> [<command>]: $work, a folder of the run's own, removed at the
# end unless MASSA_TIENI is set; the files of the pattern are copied first to $keep, when the
# run names one. The command, if any, runs before.
workspace() {
  work=$(mktemp -d)
  # shellcheck disable=SC2064 # the pattern and command as given now
  trap "${2:+$2; }leave_workspace '${1:-}'" EXIT
}
leave_workspace() {
  if [ -n "$1" ] && [ -n "${keep:-}" ]; then
    # shellcheck disable=SC2086 # a pattern, to be expanded
    mkdir -p "$keep" && cp "$work"/$1 "$keep"/ 2>/dev/null
  fi
  [ -n "${MASSA_TIENI:-}" ] || rm -rf "$work"
}
# in_x <WxH> <argument...>: $work/inner.sh under an X server of that size and a session bus,
# both of its own, given the arguments -> its exit status. It runs under set -u with $work
# and these helpers, once it has made $work/x-started.
in_x() {
  local size=$1
  shift
  # shellcheck disable=SC2016 # expanded by the inner bash
  dbus-run-session -- bash "$(dirname "$AIUTI_X11")/../support/xvfb.sh" -s "-screen 0 ${size}x24" \
    bash -u -c 'source "$0"; work=$1; shift; : >"$work/x-started"; source "$work/inner.sh"' "$AIUTI_X11" "$work" "$@"
}
# in_x_or_skip <WxH> <argument...>: in_x, ending the run with its status; skipped (77) when
# the inner script never began: no X server to be had.
in_x_or_skip() {
  in_x "$@"
  local rc=$?
  [ -e "$work/x-started" ] || { echo "SKIP: Xvfb could not be started"; exit 77; }
  exit "$rc"
}

# ---- Under X ----

# shot <name>: the whole screen, as $work/<name>.png
shot() { import -window root "$work/$1.png" || fail "screenshot $1 could not be taken"; }
# same_region <shot a> <shot b> <x> <y> <w> <h>: the two shots alike there, to the pixel
same_region() {
  local d
  d=$(compare -metric AE <(convert "$work/$1.png" -crop "$5x$6+$3+$4" +repage png:-) \
                         <(convert "$work/$2.png" -crop "$5x$6+$3+$4" +repage png:-) null: 2>&1)
  [ "${d%% *}" = "0" ]
}
# changed <shot before> <shot> <x> <y> <w> <h>: a new shot, not alike the one before there;
# with until_true, waits for a region to change
changed() { shot "$2" && ! same_region "$@"; }

# pixel <shot> <x> <y>  ->  "r,g,b"
pixel() {
  convert "$work/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# expect <shot> <x> <y> <r,g,b> <what>
expect() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $1.png is rgb($got), expected rgb($4)"
  note "$5: rgb($got) at ($2,$3)"
}
# tw <twips>: pixels, rounded as the layouts place controls
tw() { echo $(( ($1 + 7) / 15 )); }

# until_true <tries of 0.1 s> <command...>
until_true() {
  local n=$1
  shift
  for _ in $(seq 1 "$n"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
visible_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# Polled: xdotool's own --sync gives up when a window vanishes during its search.
wait_named() {
  local id=""
  for _ in $(seq 1 300); do
    id=$(visible_named "$1")
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
# geometry <window>: absolute position and size of the client window -> GX GY GW GH
geometry() {
  local info
  info=$(xwininfo -id "$1") || fail "window $1 is gone"
  GX=$(sed -n 's/.*Absolute upper-left X: *\(-\{0,1\}[0-9]*\).*/\1/p' <<<"$info")
  GY=$(sed -n 's/.*Absolute upper-left Y: *\(-\{0,1\}[0-9]*\).*/\1/p' <<<"$info")
  GW=$(sed -n 's/.*Width: *\([0-9]*\).*/\1/p' <<<"$info")
  GH=$(sed -n 's/.*Height: *\([0-9]*\).*/\1/p' <<<"$info")
}
# Whether openbox manages the screen: the root names its check window, and that window
# names openbox.
wm_ready() {
  local id
  id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # *//p')
  [ -n "$id" ] && xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qi openbox
}
# Whether openbox takes on a new window: it names the screen as its own before it has
# finished starting, and a window mapped in between is never managed (seen under load: the
# drill's windows stayed unmapped, the drill and openbox both idle). A probe window of xev,
# framed by openbox (WM_STATE set), shows it has.
wm_manages() {
  local sonda w ok=1
  xev -name massa-sonda >/dev/null 2>&1 &
  sonda=$!
  for _ in $(seq 1 50); do
    w=$(xdotool search --name '^massa-sonda$' 2>/dev/null | head -n 1)
    if [ -n "$w" ] && xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
      ok=0
      break
    fi
    sleep 0.1
  done
  kill "$sonda" 2>/dev/null
  wait "$sonda" 2>/dev/null
  return $ok
}
# Starts openbox and waits until it manages the screen, up to a minute on a loaded machine;
# started again should it end before (at most three times). -> WM_PID; its output in
# $WM_LOG, which is printed when it never comes up.
start_wm() {
  WM_LOG=$(mktemp)
  for _ in 1 2 3; do
    openbox --sm-disable >>"$WM_LOG" 2>&1 &
    WM_PID=$!
    for _ in $(seq 1 600); do
      wm_ready && wm_manages && return 0
      runs "$WM_PID" || break
      sleep 0.1
    done
    runs "$WM_PID" && break
    echo "openbox ended before it managed the screen; started again" >>"$WM_LOG"
  done
  sed 's/^/  openbox: /' "$WM_LOG"
  return 1
}
# focus <window>: gives it the keyboard focus, as a click on it would, and waits until it has it.
focus() {
  local w=$1
  until_true 100 sh -c "xdotool windowactivate $w >/dev/null 2>&1; sleep 0.05; [ \"\$(xdotool getactivewindow 2>/dev/null)\" = $w ]"
}
# stacks <pid>: where each thread of a program that runs on is, when gdb is at hand
stacks() {
  command -v gdb >/dev/null || return 0
  gdb -p "$1" -batch -ex "thread apply all bt" 2>/dev/null | grep -E '^(#|Thread)' | cut -c1-160 | sed "s/^/  stack of $1: /"
}
# runs <pid>: whether this shell's own child still runs, by the shell's table of its jobs.
# Not kill -0: once the shell has reaped the child its number is free, and with pid_max at
# 32768 a machine that starts many processes (debootstrap, clang-tidy) may hand it on while
# a run still waits. gone <pid>: the opposite.
runs() { [[ " $(jobs -pr | tr '\n' ' ') " == *" $1 "* ]]; }
gone() { ! runs "$1"; }
# ends <variable> <tries of 0.1 s> <what if it runs on> [<after what>]: the program whose pid
# the variable holds ends, with status 0; the variable is emptied, so fail() leaves it be.
ends() {
  local p=${!1} rc
  until_true "$2" gone "$p" || { stacks "$p"; fail "$3"; }
  wait "$p"
  rc=$?
  printf -v "$1" '%s' ""
  [ "$rc" -eq 0 ] || fail "the program ended with status $rc${4:+ $4}"
}
# keys_of <answer>: xdotool's keys for it: digits and commas, or the letters of a unit symbol
keys_of() {
  case $1 in
    kg) echo k ;; hg) echo h ;; dag) echo d a ;; g) echo g ;; dg) echo d g ;; cg) echo c ;; mg) echo m ;;
    *) sed 's/./& /g; s/,/comma/g' <<<"$1" ;;
  esac
}
