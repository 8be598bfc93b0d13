#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test as it runs on a desktop while a screen reader is on: an X server, a session
# bus of its own, and the accessibility bus that Qt's bridge talks to.
# usage: sessione_accessibile.sh <test executable> [arguments]
set -u
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session "$launcher"; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
exec dbus-run-session -- bash "$(dirname "$0")/xvfb.sh" -s "-screen 0 1024x768x24" bash -c '
  '"$launcher"' --launch-immediately & bus=$!
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
  rc=$?
  kill "$bus" 2>/dev/null
  wait "$bus" 2>/dev/null
  exit $rc' _ "$@"
