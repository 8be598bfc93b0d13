#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Both Windows installers as a school technician uses them: each installed silently into a
# Wine prefix of its own, fresh, with nothing of the build on its path; the drill started
# from its Start menu entry, its windows shown; then removed silently, leaving nothing under
# Program Files, in the Start menu or among the installed programs.
# Runs on an X server (the Windows suites' own).
# usage: prova_windows.sh <folder of the installers> <version> <Qt for Windows>
set -uo pipefail
installatori=$(cd "$1" && pwd) versione=$2 qt=$3
prefisso_sh=$(cd "$(dirname "$0")/../../scripts/windows" && pwd)/prefisso.sh
source "$(cd "$(dirname "$0")/../e2e" && pwd)/aiuti_x11.sh"
lavoro=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; [ -n "${MASSA_TIENI:-}" ] || rm -rf "$lavoro"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
note() { echo "  $*"; }
[ -n "${DISPLAY:-}" ] || fail "no X server: run under tests/support/xvfb.sh"

NOME="Misure di massa"
START_NAME='^TRASFORMAZIONI CON LE MISURE DI MASSA$'
# w <command...>: a Windows command in the prefix, as a program started by hand: no WINEPATH.
w() { env -u WINEPATH WINEDEBUG=-all /usr/lib/wine/wine64 "$@"; }
# installati: how many entries of "Apps" / "Programs and Features" name the drill
installati() {
  awk -v nome="\"DisplayName\"=\"$NOME\"" '
    /^\[/ { disinstalla = /^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\/ }
    disinstalla && $0 == nome { n++ }
    END { print n + 0 }' "$WINEPREFIX/system.reg"
}

prova() {
  local forma=$1 file=$2
  export WINEPREFIX=$lavoro/$forma
  [ -f "$file" ] || fail "$forma: $file is missing (make windows builds it)"
  MASSA_WINEPREFIX=$WINEPREFIX bash "$prefisso_sh" --qt "$qt" >/dev/null 2>&1 || fail "$forma: the Wine prefix could not be made"
  local programmi="$WINEPREFIX/drive_c/Program Files/$NOME"
  # The Start menu of all users, where a per-machine install puts its entries; Wine's msiexec
  # takes the user's own for an MSI's ProgramMenuFolder, per-machine or not.
  local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  local menu_utente
  menu_utente=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs)
  [ "$forma" = msi ] && [ ! -f "$menu/$NOME.lnk" ] && menu=$menu_utente

  if [ "$forma" = msi ]; then
    w msiexec /i "Z:${file//\//\\}" /qn || fail "msi: msiexec /i ... /qn failed"
  else
    w "Z:${file//\//\\}" /S || fail "nsis: setup.exe /S failed"
  fi
  wineserver -w
  for f in misure-di-massa.exe quadro.exe www.exe avvertenza.exe positivo.wav Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll; do
    [ -f "$programmi/$f" ] || fail "$forma: $f is not in Program Files\\$NOME"
  done
  for voce in "$NOME" "$NOME (lavagna interattiva)"; do
    [ -f "$menu/$voce.lnk" ] || fail "$forma: no Start menu entry \"$voce\""
  done
  [ "$(installati)" = 1 ] || fail "$forma: not listed once among the installed programs"
  note "$forma: installed, $(find "$programmi" -type f | wc -l) files, two Start menu entries, listed in Programs and Features"

  # The entry's target, in a prefix that has never seen the build: every DLL it needs is there.
  w start /unix "$menu/$NOME.lnk"
  local finestra
  finestra=$(wait_named "$START_NAME")
  [ -n "$finestra" ] || fail "$forma: the drill started from its Start menu entry showed no start screen"
  w taskkill /im misure-di-massa.exe >/dev/null 2>&1
  until_true 100 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '$START_NAME' 2>/dev/null)\" ]" \
    || fail "$forma: the drill did not end when asked to close"
  wineserver -w
  note "$forma: the installed drill started from its Start menu entry and ended when closed"

  if [ "$forma" = msi ]; then
    w msiexec /x "Z:${file//\//\\}" /qn || fail "msi: msiexec /x ... /qn failed"
  else
    w "C:\\Program Files\\$NOME\\disinstalla.exe" /S || fail "nsis: disinstalla.exe /S failed"
  fi
  wineserver -w
  [ ! -e "$programmi" ] || fail "$forma: left in Program Files: $(cd "$programmi" && find . | head -n 5 | tr '\n' ' ')"
  local resti
  resti=$(find "$menu" "$menu_utente" -name "$NOME*" | head -n 3)
  [ -z "$resti" ] || fail "$forma: left in the Start menu: $resti"
  [ "$(installati)" = 0 ] || fail "$forma: still listed among the installed programs"
  note "$forma: removed, nothing left"
}

prova msi "$installatori/misure-di-massa-$versione.msi"
prova nsis "$installatori/misure-di-massa-$versione-setup.exe"
echo "PASS: the MSI and the NSIS installer install silently per machine, start the drill from the Start menu in a clean prefix, and uninstall without a trace"
