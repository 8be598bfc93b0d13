#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Includes run one way only: from the screens and their parts down to the widget kit, the
# runtime and the rules, never back up. Each folder of src/, and app/, is a layer; a file may
# include only headers of its own folder or a lower one.
# And no class is defined across folders: its member functions live in one folder.
# And the desktop's own libraries (xcb, fontconfig, dlfcn) are included only by the platform
# module, src/runtime/piattaforma*.
# usage: livelli.sh <source root>
set -u
cd "$1" || exit 1
layer() {
  case $1 in
    src/regole/*) echo 0 ;;
    src/runtime/*) echo 1 ;;
    src/kit/*) echo 2 ;;
    src/screens/*) echo 3 ;;
    src/answer/*) echo 4 ;;
    src/exercise/*) echo 5 ;;
    src/start/*) echo 6 ;;
    app/*) echo 7 ;;
    *) echo "?" ;;
  esac
}
rc=0 n=0
for f in $(find src app -name '*.h' -o -name '*.cpp' | sort); do
  lf=$(layer "$f")
  [ "$lf" = "?" ] && { echo "FAIL: $f has no layer"; rc=1; continue; }
  while read -r inc; do
    [ -f "src/$inc" ] || continue
    li=$(layer "src/$inc")
    n=$((n + 1))
    if [ "$li" -gt "$lf" ]; then
      echo "FAIL: $f (layer $lf) includes $inc (layer $li)"
      rc=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$f")
done
# Class -> the folders whose sources define its members (definitions start a line).
spread=$(grep -rhoE --include='*.cpp' '^[A-Za-z][A-Za-z0-9_:<>*& ]* \*?&?([A-Z][A-Za-z0-9_]*)::~?[A-Za-z_][A-Za-z0-9_]*\(' src app /dev/null -H 2>/dev/null |
  sed -E 's#^(src/[a-z]+|app)/[^:]*:.* \*?&?([A-Z][A-Za-z0-9_]*)::.*#\2 \1#' | sort -u | awk '{ n[$1]++; d[$1] = d[$1] " " $2 } END { for (c in n) if (n[c] > 1) print c ":" d[c] }')
if [ -n "$spread" ]; then
  echo "FAIL: classes defined across folders: $spread"
  rc=1
fi
desktop=$(grep -lE '^#include <(xcb/|fontconfig/|dlfcn\.h)' $(find src app -name '*.h' -o -name '*.cpp') | grep -v '^src/runtime/piattaforma')
if [ -n "$desktop" ]; then
  echo "FAIL: the desktop's libraries included outside the platform module: $desktop"
  rc=1
fi
[ $rc -eq 0 ] && echo "PASS: $n includes, none from a lower layer to a higher one; no class defined across folders; xcb, fontconfig and dlfcn only in the platform module"
exit $rc
