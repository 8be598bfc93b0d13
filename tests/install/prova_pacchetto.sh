#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a parent or teacher gets it: made by make package, held to Debian's
# rules (the dependencies a desktop needs, no maintainer scripts), built a second time to
# the same bytes (prova_riproducibile.sh), and installed with apt into clean Debian 12 and 13
# systems made by debootstrap from the mirror apt uses here, started there, checked by each
# release's lintian and purged (sistema_pulito.sh). The clean systems are made while the
# package builds, once per run, and go with it; the two systems and the second build then
# run side by side.
# Needs root (debootstrap, chroot); without it, says so and does nothing.
# Usage: prova_pacchetto.sh [SOURCE_DIR]
set -uo pipefail
qui=$(dirname "$(readlink -f "$0")")
sorgenti=$(readlink -f "${1:-$qui/../..}")
# The lintian notes the package may get, each explained there (sistema_pulito.sh checks).
note_lintian=$sorgenti/docs/packaging.md
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP the package tests: debootstrap and chroot need root (sudo make test-package)"
  exit 0
fi
. /etc/os-release
# A package built on Debian 13 links Debian 13's Qt, which Debian 12 does not have.
case ${VERSION_CODENAME:-} in
  bookworm) rilasci=(bookworm trixie) ;;
  trixie) rilasci=(trixie); echo "note: built on Debian 13, the package is tried on Debian 13 only" ;;
  *) echo "SKIP the package tests: they run on Debian 12 or 13, not on ${PRETTY_NAME:-this system}"; exit 0 ;;
esac
declare -A nomi=([bookworm]="Debian 12 (bookworm)" [trixie]="Debian 13 (trixie)")

# The mirror of this release in apt's sources.
source "$sorgenti/scripts/archivio_apt.sh"
archivio=$(archivio "$VERSION_CODENAME" || true)
[[ $archivio == http://* || $archivio == https://* ]] \
  || { echo "FAIL no http(s) mirror of $VERSION_CODENAME in apt's sources (found '${archivio}')"; exit 1; }

inizio=$SECONDS
lavoro=$sorgenti/build/prova-pacchetto
rm -rf --one-file-system "$lavoro"
mkdir -p "$lavoro"
processi=()
# Each job in a process group of its own, so that an early end stops it whole.
trap 'for p in "${processi[@]}"; do kill -- "-$p" 2>/dev/null; done; wait; rm -rf --one-file-system "$lavoro"' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }

echo "package tests: clean ${rilasci[*]} from $archivio, while the package builds"
declare -A crea
for r in "${rilasci[@]}"; do
  setsid bash "$qui/sistema_pulito.sh" crea "$r" "$lavoro/$r" "$archivio" >"$lavoro/$r.crea" 2>&1 &
  crea[$r]=$!
  processi+=($!)
done
make -C "$sorgenti" --no-print-directory package >"$lavoro/build.log" 2>&1 \
  || { tail -n 30 "$lavoro/build.log"; echo "FAIL make package"; exit 1; }
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$lavoro/build.log")
[[ -f $deb ]] || { echo "FAIL make package wrote no .deb"; exit 1; }
echo "ok   make package: $deb ($((SECONDS - inizio)) s)"
setsid bash "$qui/prova_riproducibile.sh" "$sorgenti" "$deb" >"$lavoro/riproducibile" 2>&1 &
riproducibile=$!
processi+=($!)

# ---- The package's own fields, against this machine ----
versione=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$sorgenti/build/pacchetto/CMakeCache.txt")
revisione=$(sed -n '1s/^misure-di-massa ([^-]*-\([0-9]*\)).*/\1/p' "$sorgenti/packaging/changelog.Debian.in")
[[ $(dpkg-deb -f "$deb" Version) == "$versione-$revisione" ]] || errore "version $(dpkg-deb -f "$deb" Version), not $versione-$revisione"
# A release tag names the version the sources set.
for tag in $(git -C "$sorgenti" tag --points-at HEAD 'v*' 2>/dev/null); do
  [[ $tag == "v$versione" ]] || errore "tag $tag on a commit of version $versione"
done
# Dependencies: what dpkg-shlibdeps finds, the font, libcanberra (opened at run time), and
# the packages that hold the X11 and Wayland platform plugins.
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
echo "  Recommends: $(dpkg-deb -f "$deb" Recommends)"
grep -qF "fonts-liberation2 | fonts-liberation (>= 1:2)" <<<"$depends" || errore "the font is not in Depends"
for so in "$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' | head -n 1)" \
          "$(find /usr/lib -name 'libcanberra.so.0' | head -n 1)" "$(find /usr/lib -name 'libQt6Widgets.so.6' | head -n 1)"; do
  chi=$(dpkg-query -S "$so" 2>/dev/null | head -n 1 | cut -d: -f1)
  [[ -n $chi ]] && grep -qE "(^|[ ,])$chi( |,|$)" <<<"$depends" || errore "$so (package ${chi:-none}) is not depended on"
done
grep -q "qt6-qpa-plugins" <<<"$depends" && errore "Depends names qt6-qpa-plugins, which has no X11 plugin"
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || errore "qt6-wayland is not recommended"
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$|triggers$' && errore "the package has maintainer scripts or triggers"

# ---- Installed on clean systems, side by side ----
declare -A prova
for r in "${rilasci[@]}"; do
  if wait "${crea[$r]}"; then
    setsid bash "$qui/sistema_pulito.sh" prova "$r" "$lavoro/$r" "$deb" "$note_lintian" >"$lavoro/$r.prova" 2>&1 &
    prova[$r]=$!
    processi+=($!)
  fi
done
for r in "${rilasci[@]}"; do
  echo "== ${nomi[$r]}"
  sed 's/^/  /' "$lavoro/$r.crea"
  if [[ -n ${prova[$r]:-} ]]; then
    wait "${prova[$r]}" || fallito=1
    sed 's/^/  /' "$lavoro/$r.prova"
    rm -rf --one-file-system "$lavoro/$r" &
  else
    errore "no clean ${nomi[$r]}"
  fi
done
echo "== the package built twice"
wait $riproducibile || fallito=1
sed 's/^/  /' "$lavoro/riproducibile"
processi=()
echo "package tests: $( ((fallito)) && echo FAILED || echo passed ) in $((SECONDS - inizio)) s"
exit $fallito
