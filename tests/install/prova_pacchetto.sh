#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, checks that the drill is in place
# and starts, then removes the package again. Needs root; changes the system while it runs.
# Usage: prova_pacchetto.sh BUILD_DIR
set -uo pipefail
build=$(readlink -f "$1")
[[ $(id -u) -eq 0 ]] || { echo "SKIP needs root"; exit 77; }
if dpkg-query -W -f='${Status}' misure-di-massa 2>/dev/null | grep -q "install ok installed"; then
  echo "SKIP misure-di-massa is already installed on this machine"; exit 77
fi
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"; DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq misure-di-massa >/dev/null 2>&1' EXIT
(cd "$lavoro" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || { echo "FAIL cpack"; exit 1; }
deb=$(ls "$lavoro"/misure-di-massa_*.deb)
dpkg-deb -f "$deb" Depends
dpkg-deb -f "$deb" Depends | grep -q "fonts-liberation2" || { echo "FAIL no fonts-liberation2 in Depends"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q "qt6-qpa-plugins" || { echo "FAIL no qt6-qpa-plugins in Depends"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || { echo "FAIL shared library dependencies missing"; exit 1; }
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || { echo "FAIL apt-get install"; exit 1; }
fallito=0
for f in /usr/bin/misure-di-massa /usr/lib/misure-di-massa/{misure-di-massa,quadro.exe,www.exe,avvertenza.exe,positivo.wav} \
         /usr/share/applications/it.velmaro.MisureDiMassa.desktop /usr/share/metainfo/it.velmaro.MisureDiMassa.metainfo.xml \
         /usr/share/icons/hicolor/32x32/apps/it.velmaro.MisureDiMassa.png; do
  [[ -e $f ]] || { echo "FAIL missing $f"; fallito=1; }
done
(cd "$lavoro" && QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '
  misure-di-massa & pid=$!; sleep 4
  kill -0 $pid 2>/dev/null || { echo "FAIL the packaged drill did not stay up"; exit 1; }
  kill $pid; wait $pid 2>/dev/null; echo "ok   packaged drill starts"') || fallito=1
exit $fallito
