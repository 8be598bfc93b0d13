#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, finding Qt's and the compiler's DLLs, in a
# Wine prefix of the build's own (made on first use). The build's emulator.
# MASSA_QT_WINDOWS: where Qt for Windows is installed (scripts/windows/qt.sh prints it).
set -euo pipefail
: "${MASSA_QT_WINDOWS:?the folder of Qt for Windows}"
gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cartelle=("$MASSA_QT_WINDOWS/bin" "$gcc" /usr/x86_64-w64-mingw32/lib)
WINEPATH=$(printf '%s;' "${cartelle[@]/#/Z:}")
export WINEPATH=${WINEPATH//\//\\}
export WINEPREFIX=${WINEPREFIX:-${MASSA_WINEPREFIX:-$PWD/wine}}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_PLUGIN_PATH=${QT_PLUGIN_PATH:-Z:${MASSA_QT_WINDOWS//\//\\}\\plugins}
exec /usr/lib/wine/wine64 "$@"
