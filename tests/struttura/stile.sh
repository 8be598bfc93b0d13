#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sources as .clang-format lays them out, and clean under the checks of .clang-tidy.
# usage: stile.sh <source root> <build dir with compile_commands.json>
# Skips (77) only where clang-format or clang-tidy is not installed.
set -u
radice=$(cd "$1" && pwd) || exit 1
build=$(cd "$2" && pwd) || exit 1
for t in clang-format clang-tidy run-clang-tidy; do
  command -v "$t" >/dev/null || { echo "SKIP: $t is not installed"; exit 77; }
done
[ -f "$build/compile_commands.json" ] || { echo "FAIL: no $build/compile_commands.json"; exit 1; }
cd "$radice" || exit 1

# The project's own sources: what git tracks, or in an unpacked tarball what lies in its folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t sorgenti < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t sorgenti < <(find app assets bench companions src tests -name '*.cpp' -o -name '*.h' | sort)
fi
# cmake/pch.cpp is empty: the targets that only precompile Qt's headers compile it.
mapfile -t unita < <(printf '%s\n' "${sorgenti[@]}" | grep '\.cpp$' | grep -v '^cmake/')
[ ${#unita[@]} -gt 0 ] || { echo "FAIL: no sources found under $radice"; exit 1; }

rc=0
# Every source and script names its licence in its first two lines (after a #! or <?xml).
licenza='SPDX-License-Identifier: GPL-3.0-or-later'
script='\.(cpp|h|sh|py|cmake|nsi)$|(^|/)CMakeLists\.txt$|^Makefile$|^\.ci/run$|\.(cmake|rc|wxs|6)\.in$'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t tutti < <(git ls-files | grep -E "$script")
else
  mapfile -t tutti < <(find . -type f ! -path './build/*' | sed 's#^\./##' | grep -E "$script" | sort)
fi
for f in "${tutti[@]}"; do
  head -n 2 "$f" | grep -qF "$licenza" || { echo "FAIL: $f does not start with $licenza"; rc=1; }
done
if ! clang-format --dry-run -Werror "${sorgenti[@]}"; then
  echo "FAIL: clang-format would change the files above (clang-format -i fixes them)"
  rc=1
fi

# Only the translation units of the project's sources, not those generated in the build
# (moc, rcc), and without the build's precompiled headers, which are GCC's: each source then
# has to name what it includes, whatever the precompiled headers bring. The test suites go in
# groups (gruppi_tidy.py), kept inside the build folder so that .clang-tidy applies to them.
db=$build/stile
rm -rf "$db"
mkdir -p "$db"
sed -E 's# -Winvalid-pch##g; s# -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" >"$db/originale.json"
python3 "$radice/tests/struttura/gruppi_tidy.py" "$db/originale.json" "$db" "${unita[@]/#/$radice/}" >"$db/voci" \
  || { echo "FAIL: gruppi_tidy.py"; exit 1; }
mapfile -t voci <"$db/voci"
# run-clang-tidy takes regular expressions, so the paths are anchored and escaped.
filtri=()
for f in "${voci[@]}"; do
  filtri+=("^$(printf '%s' "$f" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$")
done
# Findings in the suites are findings in files the groups include.
intestazioni=$(sed -n "s/^HeaderFilterRegex: *'\(.*\)'$/\1/p" .clang-tidy)
[[ $intestazioni == *'\.h$' ]] || { echo "FAIL: .clang-tidy's HeaderFilterRegex does not end in \\.h\$"; exit 1; }
intestazioni="${intestazioni%'\.h$'}\.(h|cpp)\$"
uscita=$(run-clang-tidy -p "$db" -quiet -j "$(nproc)" -header-filter "$intestazioni" "${filtri[@]}" 2>&1)
stato=$?
# clang-tidy colours its diagnostics even into a pipe here; the log wants plain text.
uscita=$(sed 's/\x1b\[[0-9;]*m//g' <<<"$uscita")
# Only the diagnostics: run-clang-tidy repeats each command line, and a header's findings
# come once per file that includes it.
grep -E '(warning|error):' <<<"$uscita" | sort -u
if [ $stato -ne 0 ] || grep -qE '(warning|error):' <<<"$uscita"; then
  echo "FAIL: clang-tidy reports the findings above"
  rc=1
fi
[ $rc -eq 0 ] && echo "OK: ${#sorgenti[@]} files formatted, ${#unita[@]} translation units clean"
exit $rc
