#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package built a second time, from a copy of the same sources at another path, must be
# the same file byte for byte: file times from SOURCE_DATE_EPOCH (the last commit's time
# unless set), the data archive in sorted order, no build path in the binaries. Packaging
# must also refuse to run without dpkg-shlibdeps (checked as root only: it hides the tool).
# Usage: prova_riproducibile.sh SOURCE_DIR DEB    (DEB: made by make package in SOURCE_DIR)
set -uo pipefail
sorgenti=$(readlink -f "$1") deb=$(readlink -f "$2")
mkdir -p "$sorgenti/build"
lavoro=$(mktemp -d "$sorgenti/build/riproducibile.XXXXXX")
trap 'rm -rf "$lavoro"' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }

# The copy keeps the git history, where the default file time comes from.
altrove=$lavoro/altrove
mkdir "$altrove"
tar -C "$sorgenti" --exclude=./build -cf - . | tar -C "$altrove" -xf -
make -C "$altrove" --no-print-directory package >"$lavoro/build.log" 2>&1 \
  || { tail -n 30 "$lavoro/build.log"; echo "FAIL the second build"; exit 1; }
secondo=$altrove/build/pacchetto/$(basename "$deb")
[[ -f $secondo ]] || { echo "FAIL the second build wrote no $(basename "$deb")"; exit 1; }
if cmp -s "$deb" "$secondo"; then
  echo "ok   built twice, in $sorgenti and in $altrove: the same .deb, sha256 $(sha256sum <"$deb" | cut -d' ' -f1)"
else
  errore "the two builds differ: $(sha256sum "$deb" "$secondo" | tr '\n' ' ')"
  diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time) <(dpkg-deb --fsys-tarfile "$secondo" | tar -tv --full-time)
  for membro in control.tar.gz data.tar.gz; do
    cmp -s <(ar p "$deb" $membro) <(ar p "$secondo" $membro) || echo "  $membro differs"
  done
fi

epoca=${SOURCE_DATE_EPOCH:-$(git -C "$sorgenti" log -1 --format=%ct)}
atteso=$(TZ=UTC date -d "@$epoca" '+%Y-%m-%d %H:%M:%S')
for archivio in --ctrl-tarfile --fsys-tarfile; do
  altre=$(dpkg-deb $archivio "$deb" | TZ=UTC tar -tv --full-time | awk -v t="$atteso" '$4 " " $5 != t' | head -n 3)
  [[ -z $altre ]] || errore "file times other than $atteso ($epoca): $altre"
done
dpkg-deb --fsys-tarfile "$deb" | tar -t | LC_ALL=C sort -c || errore "the data archive is not in sorted order"
mkdir "$lavoro/contenuto"
dpkg-deb -x "$deb" "$lavoro/contenuto"
percorsi=$(grep -rlaF -e "$sorgenti" -e "$lavoro" "$lavoro/contenuto" | sed "s|^$lavoro/contenuto||")
[[ -z $percorsi ]] || errore "build paths in $percorsi"

if [[ $(id -u) -eq 0 ]]; then
  # dpkg-shlibdeps hidden behind a file that is not a program, in this process's view only.
  : >"$lavoro/niente"
  unshare --mount --propagation private bash -c '
    mount --bind "$1" "$(command -v dpkg-shlibdeps)" && cd "$2" && cpack --preset pacchetto -B "$3/senza"' \
    _ "$lavoro/niente" "$altrove" "$lavoro" >"$lavoro/senza.log" 2>&1
  esito=$?
  if [[ $esito == 0 ]] || ! grep -q "dpkg-shlibdeps is missing" "$lavoro/senza.log" || ls "$lavoro/senza"/*.deb >/dev/null 2>&1; then
    errore "without dpkg-shlibdeps cpack ended with status $esito: $(cat "$lavoro/senza.log")"
  else
    echo "ok   without dpkg-shlibdeps, packaging stops and says why"
  fi
fi
exit $fallito
