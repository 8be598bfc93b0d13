#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for 64-bit Windows, built once with Debian's MinGW-w64 from Debian's own source of the
# Qt this machine has (the same version, with Debian's patches), and kept in a cache outside
# the build folder, keyed by Qt's and the compiler's versions; later runs find it there.
# Only what the drill needs: Core, Gui, Widgets, Test, the windows platform plug-in and the
# windowsvista style. An interrupted build goes on from where it stopped.
# Prints the prefix Qt is installed in, alone on standard output; the rest goes to standard error.
# MASSA_CACHE sets the cache folder (default ~/.cache/misure-di-massa).
set -euo pipefail
exec 3>&1 1>&2
qui=$(cd "$(dirname "$0")" && pwd)
sorgenti=$(cd "$qui/../.." && pwd)

versione=$(dpkg-query -W -f='${Version}' qt6-base-dev)
gcc=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
radice=${MASSA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/misure-di-massa}
prefisso=$radice/qt-$versione-mingw64-gcc$gcc
if [[ -f $prefisso/.pronto ]]; then
  echo "$prefisso" >&3
  exit 0
fi
lavoro=$radice/lavoro-qt-$versione
mkdir -p "$lavoro"
inizio=$SECONDS

# Debian's source package, through an apt of our own (its lists and downloads in the cache)
# reading the mirror this machine uses: the system's sources are left as they are.
if [[ ! -d $lavoro/sorgente ]]; then
  . /etc/os-release
  source "$sorgenti/scripts/archivio_apt.sh"
  archivio=$(archivio "$VERSION_CODENAME") || { echo "qt.sh: no http(s) mirror of $VERSION_CODENAME in apt's sources" >&2; exit 1; }
  apt=$lavoro/apt
  mkdir -p "$apt/lists/partial" "$apt/archives/partial"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archivio $VERSION_CODENAME main" >"$apt/sources.list"
  opzioni=(-o "Dir::State::Lists=$apt/lists" -o "Dir::Cache::Archives=$apt/archives" -o "Dir::Cache=$apt"
           -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=/nonexistent" -o "Debug::NoLocking=1")
  apt-get "${opzioni[@]}" update -qq
  rm -rf "$lavoro/scarico"
  mkdir -p "$lavoro/scarico"
  (cd "$lavoro/scarico" && apt-get "${opzioni[@]}" source -qq "qt6-base=$versione")
  mv "$lavoro/scarico/$(cd "$lavoro/scarico" && ls -d qt6-base-*/ | head -n 1)" "$lavoro/sorgente"
  rm -rf "$lavoro/scarico"
fi

# Qt 6.4's windows plug-in reaches for dynamic OpenGL even where OpenGL is off.
{ grep -rlx '#if QT_CONFIG(dynamicgl)' "$lavoro/sorgente/src/plugins/platforms/windows" || true; } |
  xargs -r sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/'

# The toolchain file goes with the cache: Qt's own toolchain file loads it from there.
mkdir -p "$prefisso"
cp "$sorgenti/cmake/mingw-w64.cmake" "$prefisso/mingw-w64.cmake"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
funzioni=()
# Off: every module the drill does not link, D-Bus (Windows screen readers speak UI
# Automation), tablets (Debian's tarball lacks wintab.h), OpenGL and Vulkan (the drill paints
# with the raster engine), and the image formats it never reads.
for f in dbus tabletevent network sql xml printsupport concurrent opengl vulkan jpeg gif ico freetype \
  fontconfig icu glib zstd brotli; do
  funzioni+=("-DFEATURE_$f=OFF")
done
# Qt's own copies of the libraries it bundles, built for Windows with it.
for f in zlib pcre2 png harfbuzz doubleconversion; do
  funzioni+=("-DFEATURE_system_$f=OFF")
done
cmake -S "$lavoro/sorgente" -B "$lavoro/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefisso/mingw-w64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefisso" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  "${funzioni[@]}" >"$lavoro/configura.log" 2>&1 \
  || { tail -n 40 "$lavoro/configura.log" >&2; exit 1; }
# Below everything else on the machine: a build beside it keeps its pace.
nice -n 10 cmake --build "$lavoro/build"
cmake --install "$lavoro/build" >/dev/null
du -sm "$prefisso" | awk -v t=$((SECONDS - inizio)) '{ printf "qt.sh: Qt for Windows built in %d min, %d MB\n", t / 60, $1 }' >&2
touch "$prefisso/.pronto"
rm -rf "$lavoro"
echo "$prefisso" >&3
