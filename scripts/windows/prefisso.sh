#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a Wine prefix ready for the drill's programs: WINEPREFIX (or MASSA_WINEPREFIX) names it.
# Windows has no window manager of X11's kind: Wine then keeps the windows to itself rather
# than waiting, on every window it hides, for a window manager that may not be there.
# usage: prefisso.sh --qt DIR
set -euo pipefail
wine=$(dirname "$0")/wine.sh
"$wine" "$@" wineboot --init
"$wine" "$@" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
