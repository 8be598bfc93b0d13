#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind learner's exercise, heard through Orca: the real program and Debian's Orca under
# Xvfb and openbox, with the accessibility bus, keys alone. Speech-dispatcher speaks into
# ALSA's null device; every line Orca speaks lands in a file (a handler added to Orca's
# "speech" log by orca-customizations.py, a second copy with times), and each step waits
# for what it must hear, as Orca says it: no role name before a sentence of ours.
#   - the start screen's hint, its keys on F1, the kind chosen with Up and Down;
#   - both menu bars, from F10 and from Alt: the bar and each entry's place, every entry
#     used, "?" as "Informazioni"; the companions' titles and contents;
#   - the question as a new exercise opens and after each "Nuova trasformazione", units in
#     words, within a second of the key and after at most 8 words; three number questions,
#     then three symbol questions;
#   - the answer so far from its second key on (the first is Orca's own echo), its clearing;
#     the keypad's keys Orca's flat review, with NumLock on and off;
#   - short verdicts with the next step; the help offer and its keys; the answer revealed
#     after "s"; the question again after "n"; "r" the question again, "p" the score;
#   - keys that do nothing saying why;
#   - flat review reading the screen as it is now: the help offer, shown after the window
#     was built, then gone again; the statistics with their headings;
#   - leaving an exercise says its score.
# usage: orca.sh <path to misure-di-massa> [folder to keep Orca's speech log in]
set -u
exe=$1 keep=${2:-}
source "$(dirname "$0")/aiuti_x11.sh"
needs SKIP Xvfb dbus-run-session orca speech-dispatcher python3
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
needs FAIL openbox xdotool xwininfo xprop
workspace parlato.log

cat >"$work/inner.sh" <<'INNER'
exe=$1
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
_tempi = logging.FileHandler("$work/tempi.log")
_tempi.setFormatter(logging.Formatter("%(created).3f %(message)s"))
logging.getLogger("speech").addHandler(_tempi)
CONF

pids=()
# Ours only, and gone before the next run: an Orca still ending would keep the next from starting.
stop() {
  kill "${pids[@]}" 2>/dev/null
  # Orca may not end on a TERM (seen while it waited on speech): ended outright after ten
  # seconds, never waited for forever.
  (sleep 10 && kill -KILL "${pids[@]}" 2>/dev/null) &
  local guardia=$!
  wait "${pids[@]}" 2>/dev/null
  kill "$guardia" 2>/dev/null
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
# A sentence of ours, as Orca speaks it: nothing before it, a full stop maybe added.
frase() { printf "^SPEECH OUTPUT: '%s\\.?'\$" "$(sed 's/[][\.*^$?+(){}|/]/\\&/g' <<<"$1")"; }
key() { mark; xdotool key --clearmodifiers "$@"; }
# says <what> <sentence> <keys...>: the keys, then that sentence heard
says() { local what=$1 s=$2; shift 2; key "$@"; heard "$what" "$(frase "$s")"; }

# ---- Questions and their answers ----
QUESTION="^SPEECH OUTPUT: '()(.+) uguale (quanti (.+)\\?|(.+), in quale unità\\?)'\$"
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
  promptly "$what"
}
# promptly <what>: the question heard since the mark came within a second of the key's echo
# and after at most 8 words (Orca's times, so a slow start of xdotool does not count).
promptly() {
  local esito
  esito=$(python3 - "$work/tempi.log" "$pos" "$QUESTION" <<'PY'
import re, sys
righe = open(sys.argv[1], encoding="utf-8").read().splitlines()[int(sys.argv[2]):]
domanda = re.compile(sys.argv[3])
eco, parole = None, []
for r in righe:
    t, testo = r.split(" ", 1)
    if eco is None:
        eco = float(t)  # the key's own echo comes first
        continue
    if domanda.search(testo):
        print("%.2f %d %s" % (float(t) - eco, len(parole), " ".join(parole)))
        break
    if not testo.endswith("{'established': False}"):  # other keys' echoes are not speech before it
        parole += re.sub(r"^SPEECH OUTPUT: '|'$", "", testo).split()
PY
)
  read -r secondi parole prima <<<"$esito"
  [ -n "$secondi" ] || fail "$1: no question in the timed log"
  # A second for the program as it is used (here an exercise opens in 0.3 to 0.6 s, a new
  # question comes in 0.15 to 0.45 s); a build under the sanitizers runs several times slower.
  local limite=1.0
  [ -z "${ASAN_OPTIONS:-}" ] || limite=3.0
  python3 -c "import sys; sys.exit(0 if float('$secondi') <= $limite else 1)" || fail "$1: the question came $secondi s after the key"
  [ "$parole" -le 8 ] || fail "$1: $parole words before the question: $prima"
  note "$1: the question $secondi s after the key, after $parole words ($prima)"
}
# answer: types the right answer, hearing the answer so far after each digit or symbol.
answer() {
  local k so_far=""
  if [ "$NUMBER" = 1 ]; then
    for k in $(keys_of "$ANSWER"); do
      [ "$k" = comma ] && so_far="$so_far," || so_far="$so_far$k"
      if [ ${#so_far} = 1 ]; then
        # Orca echoes the key; the answer so far would say the digit twice.
        key "$k"
        heard "key $k, Orca's echo" "^SPEECH OUTPUT: '$k ' "
      else
        says "key $k" "$(sed 's/,/ virgola /; s/ *$//' <<<"$so_far")" "$k"
      fi
    done
  else
    key $(keys_of "$ANSWER")
    heard "keys $(keys_of "$ANSWER")" "$(frase "$SAID")"
  fi
}
right() {
  local inizio=$pos
  answer
  says "Return, right" "Esatto! Invio: nuova domanda." Return
  [ "$NUMBER" = 0 ] || ! tail -n "+$((inizio + 1))" "$log" | grep -Eq "$(frase "${ANSWER:0:1}")" \
    || fail "the first digit was said twice"
  # Return within the double-click interval after a right answer is ignored, by design:
  # a second click on "Verifica" would land on "Nuova trasformazione".
  sleep 1
}
wrong() {
  # 0, unless the drawn number makes 0 the right answer
  local k=0
  [ "$ANSWER" != 0 ] || k=1
  key $k; heard "a wrong answer" "^SPEECH OUTPUT: '$k ' "
  says "Return, wrong" "Errato. Vuoi aiuto? S sì, N no." Return
}
# flat_review: Orca reads the whole window, line by line (KP_Add twice), then leaves flat review
flat_review() {
  key KP_Add KP_Add
  heard "flat review, to its last line" "^SPEECH OUTPUT: 'Numero estratto [0-9]+'\$"
  REVIEW=$(tail -n "+$((pos + 1))" "$log")
  key KP_Subtract
  heard "out of flat review" .
}
# companion <what> <its window title> <its first content> [<Down> <the next one>]: a menu entry
# started a companion, which says its title and its first content; Escape closes it.
companion() {
  heard "$1 opens" "^SPEECH OUTPUT: '$2"
  heard "$1, its first content" "^SPEECH OUTPUT: '$3"
  [ $# -lt 5 ] || { key "$4"; heard "$1, $4" "^SPEECH OUTPUT: '$5"; }
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
heard "the start screen's hint" "$(frase "Calcolo del risultato. Frecce per cambiare, Tab per la direzione, poi Invio. F1: i tasti.")"
start=$(wait_named '^TRASFORMAZIONI CON LE MISURE DI MASSA$')
[ -n "$start" ] || fail "the start screen was never mapped"
focus "$start" || fail "the start screen never had the focus"
says "F1, the keys" "Frecce: il tipo di esercizio; Tab: la direzione; Invio: inizia; F10: menu; F1: questi tasti." F1

# ---- 2. The kind, with Up and Down ----
says "Down in the list" "Calcolo del simbolo" Down
says "Up in the list" "Calcolo del risultato" Up

# ---- 3. The start screen's menu bar ----
says "F10" "Barra dei menu. Esci, 1 di 3" F10
says "Right, past the blank entry" "Informazioni, 2 di 3" Right
says "Right" "Avvertenza, 3 di 3" Right
says "Right, round the bar" "Esci, 1 di 3" Right
key Escape; heard "Escape, back on the list" "Calcolo del risultato"
says "Alt" "Barra dei menu. Esci, 1 di 3" Alt_L
says "Left, round the bar" "Avvertenza, 3 di 3" Left
key Return; companion "Avvertenza" "Avvertenza" "Agli insegnanti e ai genitori" Down "Il programma fa esercitare"
focus "$start" || fail "the start screen did not come back after Avvertenza"
key F10 Right; heard "F10 Right" "$(frase "Informazioni, 2 di 3")"
key Return; companion "Informazioni" "Informazioni" "Versione"
focus "$start" || fail "the start screen did not come back after Informazioni"

# ---- 4. Number questions ----
key Tab; heard "Tab" "Da unità maggiore a unità minore"
asked "the exercise opens" Return
exercise=$(wait_named '^TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g$')
[ "$NUMBER" = 1 ] || fail "a symbol question in a number exercise: $Q"
says "r, the question again" "$Q Scrivi il numero, poi Invio." r
says "a letter where a number is asked" "Qui servono le cifre." k
says "Return with nothing written" "Prima scrivi il numero." Return
says "s with no help offered" "S e N servono dopo un errore. Scrivi il numero, poi Invio." s
flat_review
# The numeric keypad's keys are Orca's in its desktop layout (flat review), with NumLock on or
# off: flat review begins on the window's first word, "Esci" in the menu bar; the keypad's 6
# reads the next word, its 4 the word before. The keys are named as with NumLock off (KP_Left
# is the 4): asked for "KP_4", xdotool would toggle NumLock itself. Whether the drill gets a
# key Orca took as well is up to Qt (its bridge waits 100 ms for Orca's word, then passes the
# key on): Backspace clears whatever it typed.
# keypad <on|off>: NumLock toggled to that, then the keypad's 6 and 4 read by flat review
keypad() {
  mark; xdotool key Num_Lock KP_Right; heard "NumLock $1, keypad 6: flat review's next word" "^SPEECH OUTPUT: 'Il ?'\$"
  mark; xdotool key KP_Left; heard "NumLock $1, keypad 4: flat review's word before" "^SPEECH OUTPUT: 'Esci ?'\$"
  says "Backspace, the whole answer" "Risposta cancellata" BackSpace
}
key 3; heard "key 3, Orca's echo" "^SPEECH OUTPUT: '3 ' "
keypad on
key 3; heard "key 3, Orca's echo" "^SPEECH OUTPUT: '3 ' "
says "6 from the main row" "36" 6
keypad off
wrong
says "a digit while the help is offered" "Prima rispondi: S sì, N no." 5
flat_review
grep -q "^SPEECH OUTPUT: '.*Ti aiuto ?" <<<"$REVIEW" || fail "flat review left out the help offer, shown after the window was built"
grep -q "^SPEECH OUTPUT: '.*No Sì" <<<"$REVIEW" || fail "flat review left out the help offer's buttons"
grep -Eq "^SPEECH OUTPUT: 'Operazione 1 Risposte esatte Risposte errate 1 Tempo parziale [0-9]+ Tempo totale [0-9]+'" <<<"$REVIEW" \
  || fail "flat review did not read the statistics with their headings"
note "flat review: the help offer and its buttons, the statistics with their headings"
says "s" "La risposta è $SAID. Invio: nuova domanda." s
says "a digit after the answer is shown" "Risposta già data. Invio: nuova domanda." 7
asked "Nuova trasformazione" Return
wrong
says "n" "Riprova. $Q" n
flat_review
! grep -q "Ti aiuto ?" <<<"$REVIEW" || fail "flat review still read the help offer after n: an old screen"
right
key p; heard "p, the score" "^SPEECH OUTPUT: 'Punteggio: esatte 1, errate 2\\. Ultima risposta [0-9]+ second[io], in tutto [0-9]+ second[io]\\.'\$"
asked "Nuova trasformazione" Return
right

# ---- 5. The exercise's menu bar ----
says "F10" "Barra dei menu. Esci, 1 di 2" F10
says "Right" "Il quadro, 2 di 2" Right
key Return; companion "Il quadro" "Il quadro delle misure di massa" "Chilogrammo: 1 chilogrammo uguale 10 ettogrammi" Right "Ettogrammo: 1 ettogrammo uguale 10 decagrammi"
focus "$exercise" || fail "the exercise did not come back after Il quadro"
says "F1, the keys" "Cifre e virgola per il numero; lettere k, h, d a, g, d g, c, m per l'unità; Invio verifica; Canc cancella; R ripete la domanda; P il punteggio; Esc esce." F1
says "Alt" "Barra dei menu. Esci, 1 di 2" Alt_L
says "Right" "Il quadro, 2 di 2" Right
says "Right, round the bar" "Esci, 1 di 2" Right
says "Esci: the score" "Esercizio finito: esatte 2, errate 2." Return

# ---- 6. Symbol questions ----
key shift+Tab; heard "Shift+Tab, to the list" "Calcolo del risultato"
says "Down" "Calcolo del simbolo" Down
key Tab; heard "Tab" "Da unità maggiore a unità minore"
asked "a new exercise opens" Return
[ "$NUMBER" = 0 ] || fail "a number question in a symbol exercise: $Q"
says "a digit where a unit is asked" "Qui servono le lettere: k, h, d a, g, d g, c, m." 5
says "Return with no unit chosen" "Prima scegli l'unità." Return
answer
says "Delete" "Risposta cancellata" Delete
right
asked "Nuova trasformazione" Return
right
asked "Nuova trasformazione" Return
right

# ---- 7. Out ----
says "Escape: the score" "Esercizio finito: esatte 3, errate 0." Escape
says "F10" "Barra dei menu. Esci, 1 di 3" F10
key Return
ends app 300 "Esci from the menu bar did not end the program"
! grep -qi "notifica" "$log" || fail "a sentence was said with its role name: $(grep -i -m 1 notifica "$log")"
stop
echo "PASS: with Orca and the keys alone: the start hint and keys, the kind, both menu bars with their places and every entry, the companions read, six questions of two kinds each within a second and after at most 8 words, the answer so far without a doubled digit, the keypad's keys Orca's flat review with NumLock on and off, short verdicts, the help offer, the revealed answer and a retry, the question again, the score, keys that do nothing saying why, flat review of the screen as it is, the score on leaving; no role name said"
INNER

for n in 1 2 3; do
  mkdir -m 700 "$work/run$n"
  XDG_RUNTIME_DIR=$work/run$n in_x 1024x768 "$exe"
  rc=$?
  [ "$rc" -ne 75 ] && exit "$rc"
done
echo "SKIP: no X server could be started"
exit 77
