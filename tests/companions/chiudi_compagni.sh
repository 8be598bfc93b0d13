#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts each companion on a real X server with a window manager, closes it the way a
# child would (Esc, Enter, the window's close box through Alt+F4), and expects status 0.
# Usage: tests/support/xvfb.sh chiudi_compagni.sh BIN_DIR
set -uo pipefail
bin=$1
source "$(cd "$(dirname "$0")/../e2e" && pwd)/aiuti_x11.sh"
export QT_QPA_PLATFORM=xcb
fallito=0

start_wm || { echo "FAIL: openbox never managed the screen"; exit 1; }
trap 'kill $WM_PID 2>/dev/null; rm -f "$WM_LOG"' EXIT

prova() { # exe title key
  local exe=$1 titolo=$2 tasto=$3 pid id rc
  "$bin/$exe" &
  pid=$!
  id=$(wait_named "^${titolo}\$")
  if [[ -z "$id" ]]; then
    echo "FAIL $exe: no window titled '$titolo'"; kill "$pid" 2>/dev/null; wait "$pid"; fallito=1; return
  fi
  focus "$id" || { echo "FAIL $exe: its window never got the focus"; kill "$pid"; wait "$pid"; fallito=1; return; }
  xdotool key --clearmodifiers "$tasto"
  if ! until_true 100 gone "$pid"; then
    echo "FAIL $exe: still running after $tasto"; kill "$pid"; wait "$pid"; fallito=1; return
  fi
  wait "$pid"; rc=$?
  if [[ $rc -ne 0 ]]; then echo "FAIL $exe: status $rc after $tasto"; fallito=1; return; fi
  echo "ok   $exe closed with $tasto"
}

for tasto in Escape Return alt+F4; do
  prova quadro.exe "Il quadro delle misure di massa" "$tasto"
  prova www.exe "Informazioni" "$tasto"
  prova avvertenza.exe "Avvertenza" "$tasto"
done
exit $fallito
