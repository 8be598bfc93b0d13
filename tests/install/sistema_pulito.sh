#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A clean Debian system, and the package tried in it as a parent or teacher would.
#   sistema_pulito.sh crea SUITE ROOT MIRROR      debootstrap --variant=minbase, with retries
#   sistema_pulito.sh prova SUITE ROOT DEB NOTES   apt installs DEB there; the drill starts under
#       an X server of this machine until its start screen is mapped; the package is removed
#       and purged and nothing of it is left; then that release's lintian checks the package,
#       and each note it gives must be explained in NOTES (docs/packaging.md).
# The drill runs from the clean system with what apt brought for it and nothing else: the X
# server, xdotool and lintian's run stay outside, so none of them can stand in for a missing
# dependency. Needs root.
set -uo pipefail
# In a mount namespace of its own, so whatever is mounted in the clean system (by debootstrap,
# or /proc for the drill) goes away with the script, however it ends.
if [[ $(readlink /proc/self/ns/mnt) == "$(readlink /proc/$PPID/ns/mnt)" ]]; then
  exec unshare --mount --propagation private bash "$0" "$@"
fi
azione=$1 suite=$2 radice=$3

if [[ $azione == crea ]]; then
  archivio=$4
  # apt in the clean system reaches an https mirror only with the certificates.
  includi=()
  [[ $archivio == https:* ]] && includi=(--include=ca-certificates)
  for tentativo in 1 2 3; do
    rm -rf --one-file-system "$radice"
    if debootstrap --variant=minbase "${includi[@]}" "$suite" "$radice" "$archivio" >"$radice.debootstrap" 2>&1; then
      echo "ok   debootstrap --variant=minbase $suite: $(du -sm "$radice" | cut -f1) MB in $SECONDS s"
      exit 0
    fi
    if grep -qiE 'unknown key|NO_PUBKEY|not signed|invalid signature' "$radice.debootstrap"; then
      tail -n 5 "$radice.debootstrap"
      echo "FAIL debootstrap $suite: this machine's keyring does not know the key that signs $suite's Release file;"
      echo "     apt-get install debian-archive-keyring (Debian 12 knows Debian 13's keys from 2023.3+deb12u2)"
      exit 1
    fi
    echo "debootstrap $suite failed (attempt $tentativo): $(tail -n 1 "$radice.debootstrap")"
    sleep $((tentativo * 10))
  done
  echo "FAIL debootstrap $suite from $archivio"
  exit 1
fi

[[ $azione == prova ]] || { echo "usage: $0 crea|prova ..." >&2; exit 2; }
deb=$(readlink -f "$4") note_lintian=$(readlink -f "$5")
lavoro=$(mktemp -d "$radice.XXXXXX")
xvfb=""
trap '[[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null; rm -rf "$lavoro"' EXIT
fallito=0
errore() { echo "FAIL $*"; fallito=1; }
mount -t proc proc "$radice/proc" || { echo "FAIL mount /proc in $radice"; exit 1; }
nome=$(basename "$deb")
cp "$deb" "$radice/tmp/$nome" && chmod 644 "$radice/tmp/$nome"
percorso=/usr/sbin:/usr/bin:/sbin:/bin
dentro() { chroot "$radice" /usr/bin/env -i PATH=$percorso HOME=/root LANG=C.UTF-8 "$@"; }
apt() { # apt <log> <apt-get arguments>
  local log=$lavoro/$1
  shift
  dentro DEBIAN_FRONTEND=noninteractive apt-get -q -y -o Acquire::Retries=5 -o APT::Install-Recommends=false \
    -o Dpkg::Use-Pty=0 "$@" >"$log" 2>&1 || { tail -n 30 "$log"; return 1; }
}

for tentativo in 1 2 3; do
  apt update update && break
  [[ $tentativo == 3 ]] && { echo "FAIL apt-get update"; exit 1; }
  sleep $((tentativo * 10))
done
apt install install "/tmp/$nome" || { echo "FAIL apt-get install ./$nome"; exit 1; }
echo "ok   apt-get install ./$nome: $(grep -oE '[0-9]+ newly installed' "$lavoro/install"), $(grep -oE 'Need to get [^ ]+ [kMG]?B' "$lavoro/install" | cut -d' ' -f4-)"
[[ $(dentro dpkg-query -W -f='${Version}' misure-di-massa) == $(dpkg-deb -f "$deb" Version) ]] || errore "another version is installed"

for f in /usr/bin/misure-di-massa /usr/libexec/misure-di-massa/{misure-di-massa,quadro.exe,www.exe,avvertenza.exe,positivo.wav} \
         /usr/share/applications/it.velmaro.MisureDiMassa.desktop /usr/share/metainfo/it.velmaro.MisureDiMassa.metainfo.xml \
         /usr/share/icons/hicolor/{16x16,48x48,256x256}/apps/it.velmaro.MisureDiMassa.png \
         /usr/share/icons/hicolor/scalable/apps/it.velmaro.MisureDiMassa.svg \
         /usr/share/man/man6/misure-di-massa.6.gz /usr/share/doc/misure-di-massa/{copyright,changelog.Debian.gz,NEWS.gz}; do
  [[ -e $radice$f ]] || errore "missing $f"
done
MANPATH=$radice/usr/share/man man -w misure-di-massa >/dev/null 2>&1 || errore "man does not find misure-di-massa(6)"
# Every library of the programs and of the X11 platform plugin, which Qt loads at start.
for f in /usr/libexec/misure-di-massa/{misure-di-massa,quadro.exe,www.exe,avvertenza.exe} $(cd "$radice" && ls usr/lib/*/qt6/plugins/platforms/libqxcb.so | sed 's|^|/|'); do
  mancanti=$(dentro ldd "$f" 2>&1 | grep "not found")
  [[ -z $mancanti ]] || errore "$f misses libraries: $mancanti"
done

# Started by name from PATH, as the desktop entry does, until the start screen is mapped.
# -noreset: the check below is the server's first client, and when it leaves the server would
# reset, turning the drill away should it connect meanwhile.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
xvfb=$!
for _ in $(seq 600); do [[ -s $lavoro/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$lavoro/display")
# The server answers before the drill is started: on a loaded machine that can take a while.
for _ in $(seq 600); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
xprop -root >/dev/null 2>&1 || errore "the X server $DISPLAY does not answer: $(cat "$lavoro/xvfb.log")"
mkdir -p -m 700 "$radice/tmp/runtime"
# No session bus: the clean system has none, and the package does not need one.
chroot "$radice" /usr/bin/env -i PATH=$percorso HOME=/root LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=xcb misure-di-massa 2>"$lavoro/stderr" &
pid=$!
finestra() {
  local w=""
  for _ in $(seq 100); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n $w ]] || ! kill -0 $pid 2>/dev/null && break
    sleep 0.2
  done
  echo "$w"
}
inizio=$(finestra '^TRASFORMAZIONI CON LE MISURE DI MASSA$')
sfondo=$(finestra '^Form1$')
if ! kill -0 $pid 2>/dev/null; then
  wait $pid
  errore "the drill ended with status $? before its start screen was mapped"
  kill -0 $xvfb 2>/dev/null || errore "the X server $DISPLAY had ended: $(cat "$lavoro/xvfb.log")"
else
  [[ -n $inizio ]] || errore "the start screen was never mapped"
  [[ -n $sfondo ]] || errore "the background was never mapped"
  [[ $(readlink /proc/$pid/exe) == "$radice/usr/libexec/misure-di-massa/misure-di-massa" ]] \
    || errore "the drill runs from $(readlink /proc/$pid/exe)"
  grep -q libcanberra /proc/$pid/maps && errore "libcanberra was loaded at start"
  # The icon, compiled into the program, at every size it carries.
  icone=""
  for _ in $(seq 25); do
    [[ -n $inizio ]] || break
    icone=$(xprop -id "$inizio" -notype _NET_WM_ICON 2>/dev/null | grep -o "Icon ([0-9]* x [0-9]*)" | tr -dc "0-9x\n" | tr "\n" " ")
    [[ -n $icone ]] && break
    sleep 0.2
  done
  [[ -z $inizio || $icone == "16x16 22x22 24x24 32x32 48x48 64x64 " ]] || errore "the start screen shows icons \"$icone\""
  kill $pid
  wait $pid 2>/dev/null
  [[ -n $inizio && -n $sfondo ]] && echo "ok   the installed drill mapped its start screen and background, with the icon at ${icone% }"
fi
# Anything on standard error, the notice of a missing Liberation Sans first, is a fault here.
[[ -s $lavoro/stderr ]] && errore "the drill wrote to standard error: $(cat "$lavoro/stderr")"
kill $xvfb
wait $xvfb 2>/dev/null
xvfb=""

# With no conffiles and no maintainer scripts, remove already takes everything away; the
# package is not even left in state "rc" for purge to finish.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$lavoro/contenuto"
rimasti() { # rimasti <after what>
  local f n=0
  while read -r f; do
    # Folders shared with other packages (usr/share/icons/...) may stay; none of ours.
    if [[ -L $radice$f || -f $radice$f ]] || [[ -d $radice$f && $f == *misure-di-massa* ]]; then
      errore "$f is left after $1"; n=$((n + 1))
    fi
  done <"$lavoro/contenuto"
  [[ $n == 0 ]] && echo "ok   nothing left of $(wc -l <"$lavoro/contenuto") paths after $1"
}
apt remove remove misure-di-massa || errore "apt-get remove"
stato=$(dentro dpkg-query -W -f='${db:Status-Abbrev}' misure-di-massa 2>/dev/null)
[[ -z $stato || $stato == un* ]] || errore "after apt-get remove the package is in state '$stato'"
rimasti "apt-get remove"
dentro dpkg --purge misure-di-massa >/dev/null 2>&1 || errore "dpkg --purge"
dentro dpkg-query -W misure-di-massa >/dev/null 2>&1 && errore "dpkg still knows the package after purge"
rimasti "purge"
altri=$(find "$radice" -xdev \( -name '*misure-di-massa*' -o -name 'it.velmaro.*' \) ! -path "$radice/tmp/*" | head -n 5)
[[ -z $altri ]] || errore "left in the system after purge: $altri"

# This release's lintian: no error or warning, and no other note than those NOTES explains.
apt lintian install lintian || { echo "FAIL apt-get install lintian"; exit 1; }
chroot --userspec=65534:65534 "$radice" /usr/bin/env -i PATH=$percorso HOME=/tmp LC_ALL=C.UTF-8 \
  lintian --pedantic --display-info --display-experimental "/tmp/$nome" >"$lavoro/lintian.out" 2>&1
echo "ok   $(dentro lintian --version 2>/dev/null) ran: $(grep -cE '^[EWIPXO]: ' "$lavoro/lintian.out") notes"
sed 's/^/  lintian: /' "$lavoro/lintian.out"
grep -qE '^[EW]: ' "$lavoro/lintian.out" && errore "lintian reports errors or warnings"
while read -r etichetta; do
  grep -qF "\`$etichetta\`" "$note_lintian" || errore "lintian note $etichetta is not explained in $note_lintian"
done < <(sed -n 's/^[IPXO]: [^ ]* \([a-z0-9-]*\).*/\1/p' "$lavoro/lintian.out" | sort -u)
echo "     ($SECONDS s from apt-get update to lintian)"
exit $fallito
