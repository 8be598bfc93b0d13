#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the build under Wine, finding Qt's and the compiler's DLLs, in a
# Wine prefix of the build's own (made on first use). The build's emulator.
# Where Qt for Windows is installed (scripts/windows/qt.sh prints it): --qt DIR first, or
# MASSA_QT_WINDOWS.
set -euo pipefail
if [[ ${1-} == --qt ]]; then
  MASSA_QT_WINDOWS=$2
  shift 2
fi
: "${MASSA_QT_WINDOWS:?the folder of Qt for Windows}"
gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cartelle=("$MASSA_QT_WINDOWS/bin" "$gcc" /usr/x86_64-w64-mingw32/lib)
WINEPATH=$(printf '%s;' "${cartelle[@]/#/Z:}")
export WINEPATH=${WINEPATH//\//\\}
export WINEPREFIX=${WINEPREFIX:-${MASSA_WINEPREFIX:-$PWD/wine}}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_PLUGIN_PATH=${QT_PLUGIN_PATH:-Z:${MASSA_QT_WINDOWS//\//\\}\\plugins}
# Qt's messages and Qt Test's results to the terminal: Windows Qt sends them to the debugger
# when it sees no console.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Wine keeps the host's QT_ variables from Windows programs (they are meant for the host's
# Qt) and hands them over under a WINE prefix.
for v in $(compgen -e | grep '^QT_'); do
  export "WINE$v=${!v}"
done
exec /usr/lib/wine/wine64 "$@"
