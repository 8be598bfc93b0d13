#!/usr/bin/env bash
# Builds the Debian package and holds it to Debian's rules: lintian with no error or
# warning (and no other note than those the README lists), the dependencies a desktop
# needs, no maintainer scripts. Then installs it with apt-get, starts the drill, removes
# the package and purges it, and checks that no file of it is left.
# Needs root; changes the system while it runs.
# Usage: prova_pacchetto.sh BUILD_DIR
set -uo pipefail
build=$(readlink -f "$1")
readme=$(readlink -f "$(dirname "$0")/../../README.md")
[[ $(id -u) -eq 0 ]] || { echo "SKIP needs root"; exit 77; }
if dpkg-query -W -f='${Status}' misure-di-massa 2>/dev/null | grep -q "installed"; then
  echo "SKIP misure-di-massa is already on this machine"; exit 77
fi
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"; dpkg --purge misure-di-massa >/dev/null 2>&1' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$lavoro/apt.log" 2>&1 || { cat "$lavoro/apt.log"; return 1; }; }

(cd "$lavoro" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || { echo "FAIL cpack"; exit 1; }
deb=$(ls "$lavoro"/misure-di-massa_*.deb)
versione=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $(dpkg-deb -f "$deb" Version) == "$versione-1" ]] || errore "version $(dpkg-deb -f "$deb" Version), not $versione-1"

# ---- Debian's rules ----
LC_ALL=C.UTF-8 lintian --pedantic --display-info --display-experimental "$deb" >"$lavoro/lintian" 2>&1
sed 's/^/  lintian: /' "$lavoro/lintian"
grep -E '^[EW]: ' "$lavoro/lintian" && errore "lintian reports errors or warnings"
while read -r etichetta; do
  grep -qF "\`$etichetta\`" "$readme" || errore "lintian note $etichetta is not explained in the README"
done < <(sed -n 's/^[IPX]: [^ ]* \([a-z0-9-]*\).*/\1/p' "$lavoro/lintian" | sort -u)

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

# ---- Installed, started, removed, purged ----
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$lavoro/contenuto"
apt install "$deb" || { echo "FAIL apt-get install"; exit 1; }
for f in /usr/bin/misure-di-massa /usr/libexec/misure-di-massa/{misure-di-massa,quadro.exe,www.exe,avvertenza.exe,positivo.wav} \
         /usr/share/applications/it.velmaro.MisureDiMassa.desktop /usr/share/metainfo/it.velmaro.MisureDiMassa.metainfo.xml \
         /usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/it.velmaro.MisureDiMassa.png \
         /usr/share/icons/hicolor/scalable/apps/it.velmaro.MisureDiMassa.svg \
         /usr/share/man/man6/misure-di-massa.6.gz /usr/share/doc/misure-di-massa/{copyright,changelog.Debian.gz}; do
  [[ -e $f ]] || errore "missing $f"
done
man -w misure-di-massa >/dev/null 2>&1 || errore "man does not find misure-di-massa(6)"
(cd "$lavoro" && QT_QPA_PLATFORM=xcb dbus-run-session -- xvfb-run -a bash -c '
  misure-di-massa & pid=$!; sleep 4
  kill -0 $pid 2>/dev/null || { echo "FAIL the packaged drill did not stay up"; exit 1; }
  grep -q libcanberra /proc/$pid/maps && { echo "FAIL libcanberra was loaded at start"; exit 1; }
  kill $pid; wait $pid 2>/dev/null; echo "ok   packaged drill starts"' 2>/dev/null) || fallito=1

# With no conffiles and no maintainer scripts, remove already takes everything away; the
# package is not even left in state "rc" for purge to finish.
rimasti() { # rimasti <after what>
  local f n=0
  while read -r f; do
    # Folders shared with other packages (usr/share/icons/...) may stay; none of ours.
    if [[ -L $f || -f $f ]] || [[ -d $f && $f == *misure-di-massa* ]]; then
      errore "$f is left after $1"; n=$((n + 1))
    fi
  done <"$lavoro/contenuto"
  [[ $n == 0 ]] && echo "ok   nothing left of $(wc -l <"$lavoro/contenuto") paths after $1"
}
apt remove misure-di-massa || errore "apt-get remove"
stato=$(dpkg-query -W -f='${db:Status-Abbrev}' misure-di-massa 2>/dev/null)
[[ -z $stato || $stato == un* ]] || errore "after apt-get remove the package is in state '$stato'"
rimasti "apt-get remove"
dpkg --purge misure-di-massa >/dev/null 2>&1 || errore "dpkg --purge"
dpkg-query -W misure-di-massa >/dev/null 2>&1 && errore "dpkg still knows the package after purge"
rimasti "purge"
exit $fallito
