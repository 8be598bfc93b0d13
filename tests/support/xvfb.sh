#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command under an X server of its own, as xvfb-run -a does, but safe beside other
# runs: the server picks its display itself (-displayfd: the first whose lock and sockets are
# all free, never one that a server still going away holds, as xvfb-run's guess from lock files
# may), and the server is gone before this returns. The server never resets: by default it
# does when its last client leaves, and a client that connects meanwhile is turned away (a
# tool that asks the server one thing and leaves, then the program under test).
# The command's exit status is returned.
# usage: xvfb.sh [-s "server arguments"] command [arguments]
set -u
argomenti=""
if [ "${1:-}" = "-s" ]; then
  argomenti=$2
  shift 2
fi
for t in Xvfb xauth mcookie; do
  command -v "$t" >/dev/null || { echo "xvfb.sh: $t is missing" >&2; exit 1; }
done
cartella=$(mktemp -d)
: >"$cartella/server"
: >"$cartella/client"
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb"; rm -rf "$cartella"' EXIT
# The server takes every cookie in its file, whatever display the entry names; the clients
# look theirs up by display, so their file gets it once the number is known.
cookie=$(mcookie)
xauth -q -f "$cartella/server" add :0 . "$cookie"
# shellcheck disable=SC2086 # the server's arguments are words, as xvfb-run -s takes them
Xvfb -displayfd 3 -nolisten tcp -noreset -auth "$cartella/server" $argomenti 3>"$cartella/numero" 2>"$cartella/log" &
xvfb=$!
for _ in $(seq 1200); do
  [ -s "$cartella/numero" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
[ -s "$cartella/numero" ] || { echo "xvfb.sh: Xvfb did not start: $(cat "$cartella/log")" >&2; exit 1; }
numero=$(head -n 1 "$cartella/numero")
xauth -q -f "$cartella/client" add ":$numero" . "$cookie"
DISPLAY=:$numero XAUTHORITY=$cartella/client "$@"
rc=$?
exit $rc
