#!/usr/bin/env bash
# A blind learner's exercise, heard through Orca: the real program and Debian's Orca under
# Xvfb and openbox, with the accessibility bus, keys alone. Speech-dispatcher speaks into
# ALSA's null device; every line Orca speaks lands in a file (a handler added to Orca's
# "speech" log by orca-customizations.py), and each step waits for what it must hear:
#   - the kind chosen with Up and Down on the start screen;
#   - both menu bars, from F10 and from Alt, each entry as it is reached, every entry used;
#   - the question as a new exercise opens and after each "Nuova trasformazione", units
#     in words; three number questions, then three symbol questions;
#   - the answer so far on each key, its clearing with Backspace and Delete;
#   - the verdict with the counts and the time; after a wrong one, the help offer and its
#     keys; the answer revealed after "s"; the question again after "n";
#   - flat review reading the help offer, shown after the window was built, and the
#     statistics with their headings.
# usage: orca.sh <path to misure-di-massa> [folder to keep Orca's speech log in]
set -u
exe=$1
keep=${2:-}
for tool in Xvfb dbus-run-session orca speech-dispatcher python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/deps.sh test installs it)"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
for tool in openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh test installs it)"; exit 1; }
done

work=$(mktemp -d)
cleanup() {
  if [ -n "$keep" ]; then mkdir -p "$keep" && cp "$work/parlato.log" "$keep/" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/inner.sh" <<'INNER'
set -u
exe=$1
work=$2
source "$3"
# The X server answers, or the run is tried again.
xprop -root >/dev/null 2>&1 || exit 75
export LC_ALL=C.UTF-8 LANGUAGE=it
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/orca"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "it"
LogDir "$work/speechd"
CONF
log=$work/parlato.log
: >"$log"
cat >"$work/orca/orca-customizations.py" <<CONF
import logging
_file = logging.FileHandler("$log")
_file.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_file)
CONF

pids=()
# Ours only, and gone before the next run: an Orca still ending would keep the next from starting.
stop() {
  kill "${pids[@]}" 2>/dev/null
  wait "${pids[@]}" 2>/dev/null
}
fail() {
  echo "FAIL: $*"
  echo "---- the last lines Orca spoke:"
  tail -n 25 "$log"
  stop
  exit 1
}
note() { echo "  $*"; }

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
start_wm || fail "openbox did not start"
pids+=("$WM_PID")
# Orca refuses to start while another of the same user runs (one of another test, say):
# wait for it to end, then try again.
for _ in 1 2 3 4 5; do
  until_true 3000 sh -c '! pgrep -u "$(id -u)" -x orca >/dev/null' || fail "another Orca kept running for five minutes"
  orca -u "$work/orca" >"$work/orca.out" 2>&1 &
  orca=$!
  until_true 600 sh -c "[ -s '$log' ] || ! kill -0 $orca 2>/dev/null"
  kill -0 "$orca" 2>/dev/null && break
done
kill -0 "$orca" 2>/dev/null || fail "Orca did not start: $(cat "$work/orca.out")"
pids+=("$orca")

# ---- What Orca says ----
pos=0
mark() { pos=$(wc -l <"$log"); }
# heard <what> <extended regex>: waits for a line spoken since the mark that matches it
heard() {
  local riga
  for _ in $(seq 1 600); do
    riga=$(tail -n "+$((pos + 1))" "$log" | grep -E -m 1 -- "$2")
    [ -n "$riga" ] && { note "$1: ${riga#SPEECH OUTPUT: }"; return 0; }
    sleep 0.1
  done
  fail "$1: Orca said nothing matching /$2/ within a minute"
}
# A sentence of ours, as Orca speaks a notification: its role first, a full stop maybe added.
frase() { printf "^SPEECH OUTPUT: '([[:alpha:]]+ )?%s\\.?'\$" "$(sed 's/[][\.*^$?+(){}|/]/\\&/g' <<<"$1")"; }
key() { mark; xdotool key --clearmodifiers "$@"; }
# says <what> <sentence> <keys...>: the keys, then that sentence heard
says() { local what=$1 s=$2; shift 2; key "$@"; heard "$what" "$(frase "$s")"; }

# ---- Questions and their answers ----
QUESTION="^SPEECH OUTPUT: '([[:alpha:]]+ )?(.+) uguale (quanti (.+)\\?|(.+), in quale unità\\?)'\$"
# asked <what> <keys...>: the keys, then a question heard; sets Q (its sentence), NUMBER (1 for
# a number question), ANSWER (the right answer as typed: a quantity text or a unit symbol) and
# SAID (the answer on its side in words, number and unit).
asked() {
  local what=$1 riga
  shift
  key "$@"
  heard "$what" "$QUESTION"
  riga=$(tail -n "+$((pos + 1))" "$log" | grep -E -m 1 -- "$QUESTION")
  [[ $riga =~ $QUESTION ]] || fail "$what: cannot read the question in: $riga"
  Q=${BASH_REMATCH[2]}
  if [ -n "${BASH_REMATCH[4]}" ]; then Q="$Q uguale quanti ${BASH_REMATCH[4]}?"; else Q="$Q uguale ${BASH_REMATCH[5]}, in quale unità?"; fi
  read -r NUMBER ANSWER SAID <<<"$(python3 - "$Q" <<'PY'
import re, sys
from decimal import Decimal
units = ["chilogramm", "ettogramm", "decagramm", "gramm", "decigramm", "centigramm", "milligramm"]
symbols = ["kg", "hg", "dag", "g", "dg", "cg", "mg"]
unit = lambda w: units.index(w[:-1])
number = lambda w: Decimal(w.replace(" virgola ", "."))
text = lambda d: format(d.normalize(), "f").replace(".", ",")
words = lambda t: t.replace(",", " virgola ")
q = sys.argv[1]
m = re.fullmatch(r"(.+) (\w+) uguale quanti (\w+)\?", q)
if m:
    v = number(m[1]) * Decimal(10) ** (unit(m[3]) - unit(m[2]))
    print(1, text(v), words(text(v)) + " " + (m[3][:-1] + "o" if text(v) == "1" else m[3]))
else:
    m = re.fullmatch(r"(.+) (\w+) uguale (.+), in quale unità\?", q)
    if number(m[1]) == 0:
        u = unit(m[2])  # "0 kg = 0 ?": every unit is right
    else:
        u = unit(m[2]) - int((number(m[1]) / number(m[3])).log10())
    name = units[u] + ("o" if m[3] == "1" else "i")
    print(0, symbols[u], m[3] + " " + name)
PY
)"
  [ -n "$SAID" ] || fail "$what: no answer worked out for: $Q"
}
# The keys of an answer: digits and commas, or the letters of a unit symbol.
keys_of() {
  case $1 in
    kg) echo k ;; hg) echo h ;; dag) echo d a ;; g) echo g ;; dg) echo d g ;; cg) echo c ;; mg) echo m ;;
    *) sed 's/./& /g; s/,/comma/g' <<<"$1" ;;
  esac
}
# answer: types the right answer, hearing the answer so far after each digit or symbol.
answer() {
  local k so_far=""
  if [ "$NUMBER" = 1 ]; then
    for k in $(keys_of "$ANSWER"); do
      [ "$k" = comma ] && so_far="$so_far," || so_far="$so_far$k"
      says "key $k" "$(sed 's/,/ virgola /; s/ *$//' <<<"$so_far")" "$k"
    done
  else
    key $(keys_of "$ANSWER")
    heard "keys $(keys_of "$ANSWER")" "$(frase "$SAID")"
  fi
}
VERDICT="Risposte esatte %d, errate %d\\. Tempo [0-9]+ second[io]\\. "
right() { # right <right count> <wrong count>
  answer
  key Return
  heard "Return, right" "^SPEECH OUTPUT: '([[:alpha:]]+ )?Esatto\\. $(printf "$VERDICT" "$1" "$2")Invio per una nuova trasformazione\\.'\$"
  # Return within the double-click interval after a right answer is ignored, by design:
  # a second click on "Verifica" would land on "Nuova trasformazione".
  sleep 1
}
wrong() { # wrong <right count> <wrong count>
  says "a wrong answer" "0" 0
  key Return
  heard "Return, wrong" "^SPEECH OUTPUT: '([[:alpha:]]+ )?Errato\\. $(printf "$VERDICT" "$1" "$2")Ti aiuto\\? S per sì, N per no\\.'\$"
}
# flat_review: Orca reads the whole window, line by line (KP_Add twice), then leaves flat review
flat_review() {
  key KP_Add KP_Add
  heard "flat review, to its last line" "^SPEECH OUTPUT: 'Numero estratto [0-9]+'\$"
  REVIEW=$(tail -n "+$((pos + 1))" "$log")
  key KP_Subtract
  heard "out of flat review" .
}
# companion <what> <its window title>: a menu entry started a companion; Escape closes it.
companion() {
  heard "$1 opens" "^SPEECH OUTPUT: '$2"
  local w
  w=$(wait_named "^$2\$")
  [ -n "$w" ] || fail "$1: no window titled $2"
  focus "$w" || fail "$1: its window never had the focus"
  key Escape
  until_true 200 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^$2\$' 2>/dev/null)\" ]" || fail "$1 stayed open after Escape"
}

# ---- 1. Orca, then the program ----
pos=0
heard "Orca started" .
# No sound card here: the chime is not tried on ALSA, which would complain at each right answer.
# Under AddressSanitizer, no leak check in this run alone: while a screen reader listens to
# keys, Qt's bridge holds a copy of each key until the screen reader answers, and the copies
# of the keys that end the program are never freed.
CANBERRA_DRIVER=null ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=xcb "$exe" &
app=$!
pids+=($app)
heard "the start screen, on the list of kinds" "Calcolo del risultato"
start=$(wait_named '^TRASFORMAZIONI CON LE MISURE DI MASSA$')
[ -n "$start" ] || fail "the start screen was never mapped"
focus "$start" || fail "the start screen never had the focus"

# ---- 2. The kind, with Up and Down ----
says "Down in the list" "Calcolo del simbolo" Down
says "Up in the list" "Calcolo del risultato" Up

# ---- 3. The start screen's menu bar ----
key F10; heard "F10" "^SPEECH OUTPUT: 'Esci\\.?'"
key Right; heard "Right, past the blank entry" "^SPEECH OUTPUT: '\\?\\.?'"
key Right; heard "Right" "^SPEECH OUTPUT: 'Avvertenza\\.?'"
key Right; heard "Right, round the bar" "^SPEECH OUTPUT: 'Esci\\.?'"
key Escape; heard "Escape, back on the list" "Calcolo del risultato"
key Alt_L; heard "Alt" "^SPEECH OUTPUT: 'Esci\\.?'"
key Left; heard "Left, round the bar" "^SPEECH OUTPUT: 'Avvertenza\\.?'"
key Return; companion "Avvertenza" "Avvertenza"
focus "$start" || fail "the start screen did not come back after Avvertenza"
key F10 Right; heard "F10 Right" "^SPEECH OUTPUT: '\\?\\.?'"
key Return; companion "?" "Informazioni"
focus "$start" || fail "the start screen did not come back after ?"

# ---- 4. Number questions ----
key Tab; heard "Tab" "Da unità maggiore a unità minore"
asked "the exercise opens" Return
exercise=$(wait_named '^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$')
[ "$NUMBER" = 1 ] || fail "a symbol question in a number exercise: $Q"
flat_review
first=$(keys_of "$ANSWER" | cut -d' ' -f1)
says "key $first" "$first" "$first"
says "Backspace" "Risposta cancellata" BackSpace
wrong 0 1
flat_review
grep -q "^SPEECH OUTPUT: '.*Ti aiuto ?" <<<"$REVIEW" || fail "flat review left out the help offer, shown after the window was built"
grep -q "^SPEECH OUTPUT: '.*No Sì" <<<"$REVIEW" || fail "flat review left out the help offer's buttons"
grep -Eq "^SPEECH OUTPUT: 'Operazione 1 Risposte esatte Risposte errate 1 Tempo parziale [0-9]+ Tempo totale [0-9]+'" <<<"$REVIEW" \
  || fail "flat review did not read the statistics with their headings"
note "flat review: the help offer and its buttons, the statistics with their headings"
says "s" "La risposta è $SAID. Invio per una nuova trasformazione." s
asked "Nuova trasformazione" Return
wrong 0 2
says "n" "Riprova. $Q" n
right 1 2
asked "Nuova trasformazione" Return
right 2 2

# ---- 5. The exercise's menu bar ----
key F10; heard "F10" "^SPEECH OUTPUT: 'Esci\\.?'"
key Right; heard "Right" "^SPEECH OUTPUT: 'Il quadro\\.?'"
key Return; companion "Il quadro" "Il quadro delle misure di massa"
focus "$exercise" || fail "the exercise did not come back after Il quadro"
key Alt_L; heard "Alt" "^SPEECH OUTPUT: 'Esci\\.?'"
key Right; heard "Right" "^SPEECH OUTPUT: 'Il quadro\\.?'"
key Right; heard "Right, round the bar" "^SPEECH OUTPUT: 'Esci\\.?'"
key Return; heard "Esci, back to the start screen" "Da unità maggiore a unità minore"

# ---- 6. Symbol questions ----
key shift+Tab; heard "Shift+Tab, to the list" "Calcolo del risultato"
says "Down" "Calcolo del simbolo" Down
key Tab; heard "Tab" "Da unità maggiore a unità minore"
asked "a new exercise opens" Return
[ "$NUMBER" = 0 ] || fail "a number question in a symbol exercise: $Q"
answer
says "Delete" "Risposta cancellata" Delete
right 1 0
asked "Nuova trasformazione" Return
right 2 0
asked "Nuova trasformazione" Return
right 3 0

# ---- 7. Out, from the menus ----
key Escape; heard "Escape, back to the start screen" "Da unità maggiore a unità minore"
key F10; heard "F10" "^SPEECH OUTPUT: 'Esci\\.?'"
key Return
until_true 300 sh -c "! kill -0 $app 2>/dev/null" || fail "Esci from the menu bar did not end the program"
wait "$app"
rc=$?
[ "$rc" -eq 0 ] || fail "the program ended with status $rc"
stop
echo "PASS: with Orca and the keys alone: the kind, both menu bars and every entry, six questions of two kinds, the answer so far, clearing, verdicts with counts and time, the help offer, the revealed answer and a retry, flat review of controls shown later"
INNER

aiuti="$(cd "$(dirname "$0")" && pwd)/aiuti_x11.sh"
for n in 1 2 3; do
  mkdir -m 700 "$work/run$n"
  XDG_RUNTIME_DIR=$work/run$n dbus-run-session -- bash "$(cd "$(dirname "$0")/../support" && pwd)/xvfb.sh" -s "-screen 0 1024x768x24" bash "$work/inner.sh" "$exe" "$work" "$aiuti"
  rc=$?
  [ "$rc" -ne 75 ] && exit "$rc"
done
echo "SKIP: no X server could be started"
exit 77
