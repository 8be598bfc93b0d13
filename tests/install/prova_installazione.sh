#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result: every file in its
# place, the desktop files valid, and the installed drill starting from PATH under X.
# Usage: prova_installazione.sh BUILD_DIR
set -uo pipefail
build=$1
id=it.velmaro.MisureDiMassa
prefisso=$(mktemp -d)
altrove=$(mktemp -d)
trap 'rm -rf "$prefisso" "$altrove"' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }

cmake --install "$build" --prefix "$prefisso" >/dev/null || { echo "FAIL cmake --install"; exit 1; }

cartella=$prefisso/lib/misure-di-massa
for f in misure-di-massa quadro.exe www.exe avvertenza.exe; do
  [[ -f $cartella/$f && -x $cartella/$f ]] || errore "$f is not an executable in $cartella"
  if [[ -f $cartella/$f ]] && ldd "$cartella/$f" | grep -q "not found"; then
    errore "$f misses a library: $(ldd "$cartella/$f" | grep 'not found')"
  fi
done

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

desktop=$prefisso/share/applications/$id.desktop
metainfo=$prefisso/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || errore "missing $desktop"
[[ -f $metainfo ]] || errore "missing $metainfo"
if [[ -f $desktop ]]; then
  grep -qx "Exec=misure-di-massa" "$desktop" || errore "Exec= does not name the launcher"
  grep -qx "Icon=$id" "$desktop" || errore "Icon= does not name the installed icon"
  grep -q "^Categories=.*Education;" "$desktop" || errore "not in the Education category"
  grep -q "^Name\[it\]=" "$desktop" || errore "no Italian name"
  grep -q "^Comment\[it\]=" "$desktop" || errore "no Italian comment"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || errore "desktop-file-validate"
  fi
fi
if [[ -f $metainfo ]] && command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || errore "appstreamcli validate"
fi
for lato in 32 64 128; do
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

# Started by name from PATH, in a folder holding a decoy of a companion, the installed
# drill must come up and stay up; its executable is the one in the program folder.
printf '#!/bin/sh\nexit 0\n' > "$altrove/quadro.exe"
chmod +x "$altrove/quadro.exe"
if [[ -f $lanciatore ]]; then
  (cd "$altrove" && PATH="$prefisso/bin:$PATH" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    misure-di-massa &
    pid=$!
    sleep 4
    if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "FAIL the installed drill ended with status $?"; exit 1; fi
    exe=$(readlink -f /proc/$pid/exe)
    kill $pid; wait $pid 2>/dev/null
    [[ $exe == "$1" ]] || { echo "FAIL the drill runs from $exe, not $1"; exit 1; }
    echo "ok   installed drill started from PATH and ran from $(dirname "$exe")"
  ' _ "$(readlink -f "$cartella/misure-di-massa")") || fallito=1
fi
exit $fallito
