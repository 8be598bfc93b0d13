# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced: archivio <release> prints the http(s) mirror apt uses here for that Debian release
# (deb822 or one-line sources), nothing when there is none.
archivio() {
  local r=$1 f tutti
  tutti=$(
    for f in /etc/apt/sources.list.d/*.sources; do
      [[ -f $f ]] && awk -v r="$r" 'BEGIN { RS = ""; FS = "\n" }
        { uri = ""; tipo = 0; rilascio = 0
          for (i = 1; i <= NF; i++) {
            if ($i ~ /^Types:(.* )?deb( |$)/) tipo = 1
            if ($i ~ /^URIs:/) { split($i, u, " "); uri = u[2] }
            if ($i ~ /^Suites:/) { n = split($i, s, " "); for (j = 2; j <= n; j++) if (s[j] == r) rilascio = 1 }
          }
          if (tipo && rilascio && uri != "") print uri }' "$f"
    done
    sed -nE "s/^deb +(\[[^]]*\] +)?([^ ]+) +$r( .*)?$/\2/p" /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true
  )
  tutti=$(grep -E '^https?://' <<<"$tutti") || return 1
  head -n 1 <<<"$tutti"
}
