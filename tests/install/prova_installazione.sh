#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the result: every file in its
# place, the icons at their sizes, the desktop and AppStream files valid and agreeing with
# the program, and the installed drill starting from PATH under X with its class and icon.
# Usage: prova_installazione.sh BUILD_DIR
set -uo pipefail
xvfb=$(cd "$(dirname "$0")/../support" && pwd)/xvfb.sh
build=$1
id=it.velmaro.MisureDiMassa
classe=misure-di-massa
versione=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
prefisso=$(mktemp -d)
altrove=$(mktemp -d)
trap 'rm -rf "$prefisso" "$altrove"' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }

cmake --install "$build" --prefix "$prefisso" >/dev/null || { echo "FAIL cmake --install"; exit 1; }

cartella=$prefisso/libexec/misure-di-massa
for f in misure-di-massa quadro.exe www.exe avvertenza.exe; do
  [[ -f $cartella/$f && -x $cartella/$f ]] || errore "$f is not an executable in $cartella"
  if [[ -f $cartella/$f ]] && ldd "$cartella/$f" | grep -q "not found"; then
    errore "$f misses a library: $(ldd "$cartella/$f" | grep 'not found')"
  fi
done
# Nothing but the program folder's own files: no library that would need ldconfig.
estranei=$(find "$prefisso" -name '*.so*' | head -n 3)
[[ -z $estranei ]] || errore "shared objects installed: $estranei"

# The sound: a RIFF/WAVE, PCM, mono, 44100 Hz, 16 bits, lasting a fraction of a second.
wav=$cartella/positivo.wav
if [[ -f $wav ]]; then
  leggi() { od -An -t u"$2" -j "$1" -N "$2" "$wav" | tr -d ' '; }
  [[ $(head -c 4 "$wav") == RIFF && $(dd if="$wav" bs=1 skip=8 count=4 2>/dev/null) == WAVE ]] || errore "positivo.wav is not a WAVE file"
  [[ $(leggi 20 2) == 1 && $(leggi 22 2) == 1 && $(leggi 24 4) == 44100 && $(leggi 34 2) == 16 ]] \
    || errore "positivo.wav is not 16-bit PCM mono at 44100 Hz"
  millisecondi=$(( $(leggi 40 4) * 1000 / (44100 * 2) ))
  (( millisecondi >= 200 && millisecondi <= 800 )) || errore "positivo.wav lasts ${millisecondi} ms"
else
  errore "positivo.wav missing from $cartella"
fi

# The launcher on PATH is a link to the real program, so Qt reports the program folder.
lanciatore=$prefisso/bin/misure-di-massa
[[ -L $lanciatore && $(readlink -f "$lanciatore") == $(readlink -f "$cartella/misure-di-massa") ]] \
  || errore "bin/misure-di-massa does not lead to $cartella/misure-di-massa"

# Manual page, copyright and changelog: compressed without a time stamp, readable.
man=$prefisso/share/man/man6/misure-di-massa.6.gz
doc=$prefisso/share/doc/misure-di-massa
for gz in "$man" "$doc/changelog.Debian.gz"; do
  if [[ -f $gz ]]; then
    gzip -t "$gz" || errore "$gz is not a gzip file"
    [[ $(od -An -t u4 -j 4 -N 4 "$gz" | tr -d ' ') == 0 ]] || errore "$gz carries a time stamp"
  else
    errore "missing $gz"
  fi
done
if [[ -f $man ]]; then
  avvisi=$(zcat "$man" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [[ -z $avvisi ]] || errore "the manual page has warnings: $avvisi"
  for f in quadro.exe www.exe avvertenza.exe positivo.wav '/usr/libexec/misure\-di\-massa/' '\-\-lavagna'; do
    zcat "$man" | grep -F -- "$f" >/dev/null || errore "the manual page does not name $f"
  done
fi
grep -q "^License: GPL-3+" "$doc/copyright" 2>/dev/null || errore "no GPL-3+ in $doc/copyright"
zcat "$doc/changelog.Debian.gz" 2>/dev/null | head -n 1 | grep -q "^misure-di-massa ($versione-" \
  || errore "the changelog does not start with version $versione"

desktop=$prefisso/share/applications/$id.desktop
metainfo=$prefisso/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || errore "missing $desktop"
[[ -f $metainfo ]] || errore "missing $metainfo"
if [[ -f $desktop ]]; then
  grep -qx "Exec=misure-di-massa" "$desktop" || errore "Exec= does not name the launcher"
  grep -qx "Icon=$id" "$desktop" || errore "Icon= does not name the installed icon"
  grep -qx "StartupWMClass=$classe" "$desktop" || errore "StartupWMClass= is not $classe"
  grep -q "^Categories=.*Education;" "$desktop" || errore "not in the Education category"
  grep -q "^Name\[it\]=" "$desktop" || errore "no Italian name"
  grep -q "^Comment\[it\]=" "$desktop" || errore "no Italian comment"
  sed -n '/^\[Desktop Action lavagna\]$/,$p' "$desktop" | grep -qx "Exec=misure-di-massa --lavagna" \
    || errore "no action Lavagna interattiva that starts the whiteboard mode"
  desktop-file-validate "$desktop" || errore "desktop-file-validate"
fi
# The desktop file's name is the one the drill gives itself.
# grep reads to the end (no -q): under pipefail, strings cut short by a pipe closed early fails.
strings -el "$cartella/misure-di-massa" | grep -x "$id" >/dev/null || errore "the drill does not name itself $id"
if [[ -f $metainfo ]]; then
  # AppStream 0.16 does not know <developer> yet (1.0 does), and the id keeps the desktop
  # file's capitals: those two notes are expected, nothing else.
  esito=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)
  rc=$?
  atteso='^[IP]: [^ ]+: (unknown-tag developer|cid-contains-uppercase-letter)'
  altro=$(grep -E '^[EWIP]: ' <<<"$esito" | grep -vE "$atteso")
  [[ $rc -eq 0 && -z $altro ]] || errore "appstreamcli validate: $esito"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || errore "AppStream launches another desktop file"
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || errore "AppStream licence"
  ultima=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
  [[ $ultima == "$versione" ]] || errore "AppStream's latest release is $ultima, not $versione"
  for s in inizio numero simbolo; do
    grep -q "schermate/$s.png</image>" "$metainfo" || errore "AppStream has no $s screenshot"
  done
fi

# Icons: a PNG of each size the icon theme has folders for, and the SVG.
for lato in 16 22 24 32 48 64 128 256; do
  png=$prefisso/share/icons/hicolor/${lato}x${lato}/apps/$id.png
  if [[ -f $png ]]; then
    larghezza=$(od -An -t u1 -j 16 -N 4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    altezza=$(od -An -t u1 -j 20 -N 4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    [[ $(head -c 4 "$png" | tail -c 3) == PNG && $larghezza == "$lato" && $altezza == "$lato" ]] \
      || errore "$png is not a ${lato}x${lato} PNG"
  else
    errore "missing $png"
  fi
done
svg=$prefisso/share/icons/hicolor/scalable/apps/$id.svg
if [[ -f $svg ]]; then
  xmllint --noout "$svg" || errore "$svg is not well-formed XML"
  [[ $(xmllint --xpath 'name(/*)' "$svg") == svg ]] || errore "$svg is not an SVG"
  [[ $(xmllint --xpath 'string(/*/@viewBox)' "$svg") == "0 0 256 256" ]] || errore "$svg is not square"
  (( $(xmllint --xpath 'count(/*/*[local-name()!="title"])' "$svg") >= 10 )) || errore "$svg draws next to nothing"
else
  errore "missing $svg"
fi

# Started by name from PATH, in a folder holding a decoy of a companion, the installed
# drill must come up and stay up from the program folder; each of its windows, the
# exercise screen too, has the class StartupWMClass names and the program's icon.
printf '#!/bin/sh\nexit 0\n' > "$altrove/quadro.exe"
chmod +x "$altrove/quadro.exe"
if [[ -f $lanciatore ]]; then
  (cd "$altrove" && PATH="$prefisso/bin:$PATH" QT_QPA_PLATFORM=xcb dbus-run-session -- \
    bash "$xvfb" -s "-screen 0 1280x1024x24" bash -c '
    esatto=$1 classe=$2
    openbox --sm-disable >/dev/null 2>&1 &
    for _ in $(seq 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
      sleep 0.1
    done
    misure-di-massa &
    pid=$!
    finestra() {
      local w=""
      for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [[ -n $w ]] && break
        sleep 0.2
      done
      echo "$w"
    }
    inizio=$(finestra "^TRASFORMAZIONI CON LE MISURE DI MASSA\$")
    sfondo=$(finestra "^Form1\$")
    if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "FAIL the installed drill ended with status $?"; exit 1; fi
    exe=$(readlink -f /proc/$pid/exe)
    esito=0
    [[ $exe == "$esatto" ]] || { echo "FAIL the drill runs from $exe, not $esatto"; esito=1; }
    # A direction button opens the exercise screen (client area 794 x 556, twips / 15);
    # clicked again if the screen was not ready for it.
    info=$(xwininfo -id "$inizio")
    x=$(sed -n "s/.*Absolute upper-left X: *\([0-9]*\).*/\1/p" <<<"$info")
    y=$(sed -n "s/.*Absolute upper-left Y: *\([0-9]*\).*/\1/p" <<<"$info")
    h=$(sed -n "s/.*Height: *\([0-9]*\).*/\1/p" <<<"$info")
    esercizio=""
    for _ in 1 2 3; do
      xdotool mousemove --sync $((x + 540)) $((y + h - 556 + 215)) click 1
      for _ in $(seq 25); do
        esercizio=$(xdotool search --onlyvisible --name "^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g\$" 2>/dev/null | head -n 1)
        [[ -n $esercizio ]] && break 2
        sleep 0.2
      done
    done
    for w in "inizio:$inizio" "sfondo:$sfondo" "esercizio:$esercizio"; do
      nome=${w%%:*} w=${w#*:}
      [[ -n $w ]] || { echo "FAIL no $nome window"; esito=1; continue; }
      wm=$(xprop -id "$w" WM_CLASS | sed -n "s/.*= \"\(.*\)\", \"\(.*\)\"/\2/p")
      [[ $wm == "$classe" ]] || { echo "FAIL the $nome window has class \"$wm\", not \"$classe\""; esito=1; }
      icone=""
      for _ in $(seq 25); do
        icone=$(xprop -id "$w" -notype _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" | tr -dc "0-9x\n" | tr "\n" " ")
        [[ -n $icone ]] && break
        sleep 0.2
      done
      [[ $icone == "16x16 22x22 24x24 32x32 48x48 64x64 " ]] || { echo "FAIL the $nome window shows icons \"$icone\""; esito=1; }
    done
    kill $pid; wait $pid 2>/dev/null
    [[ $esito == 0 ]] && echo "ok   installed drill started from PATH, ran from $(dirname "$exe"), windows of class $classe with the icon"
    exit $esito
  ' _ "$(readlink -f "$cartella/misure-di-massa")" "$classe") || fallito=1
fi
exit $fallito
