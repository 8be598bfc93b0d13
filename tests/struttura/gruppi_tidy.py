#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a compile database for clang-tidy in which the sources come in groups of those
# compiled alike: clang-tidy spends most of its time walking the Qt headers a translation unit
# includes, so the fewer units, the less time. The sources of a library share a group as they
# would a unity build, so names private to one file are unique in its library. A program's
# main file (a test suite's too) stands whole in a namespace of its own inside its group, so
# two programs' helpers never meet; the headers it includes come first, outside.
# usage: gruppi_tidy.py <compile_commands.json> <output folder> <source>...
import json
import os
import re
import shlex
import sys

PER_GRUPPO = 6
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"][^>"]+[>"])', re.M)
MAIN = re.compile(r'^(int main|QTEST_(\w+_)?MAIN)\(', re.M)


def argomenti(voce):
    if 'arguments' in voce:
        return list(voce['arguments'])
    return shlex.split(voce['command'])


def main():
    origine, uscita, *sorgenti = sys.argv[1:]
    sorgenti = {os.path.realpath(s) for s in sorgenti}
    voci = json.load(open(origine))
    simili = {}
    for voce in voci:
        file = os.path.realpath(os.path.join(voce['directory'], voce['file']))
        if file not in sorgenti:
            continue
        testo = open(file, encoding='utf-8').read()
        # A program's main file (a test suite's too) stands in a namespace of its own.
        programma = MAIN.search(testo) is not None
        # What the file is compiled with, but its own name, output and include folders.
        a = argomenti(voce)
        cartelle, definizioni, resto = [], {}, []
        salta = False
        for x in a:
            if salta:
                salta = False
                continue
            if x in ('-o', '-c'):
                salta = True
                continue
            if x.startswith('-I'):
                cartelle.append(x)
            elif x.startswith('-D'):
                nome = x[2:].split('=', 1)[0]
                definizioni[nome] = x
            elif os.path.realpath(os.path.join(voce['directory'], x)) == file:
                continue
            else:
                resto.append(x)
        # A library's sources are grouped with the sources compiled exactly as they are.
        chiave = (programma, voce['directory'], tuple(resto), () if programma else tuple(cartelle))
        simili.setdefault(chiave, []).append((file, testo, cartelle, definizioni, voce))

    os.makedirs(uscita, exist_ok=True)
    nuove = []
    n = 0
    for (avvolto, cartella, resto, _), membri in simili.items():
        # Groups whose definitions agree: a name defined two ways parts them.
        gruppi = []
        for m in membri:
            for g in gruppi:
                if len(g['membri']) < PER_GRUPPO and all(
                        g['definizioni'].get(k, v) == v for k, v in m[3].items()):
                    break
            else:
                g = {'membri': [], 'definizioni': {}, 'cartelle': []}
                gruppi.append(g)
            g['membri'].append(m)
            g['definizioni'].update(m[3])
            g['cartelle'] += [c for c in m[2] if c not in g['cartelle']]
        for g in gruppi:
            if len(g['membri']) == 1:
                nuove.append(g['membri'][0][4])
                continue
            n += 1
            testate = []
            for _, testo, _, _, _ in (g['membri'] if avvolto else []):
                for inc in INCLUDE.findall(testo):
                    if not inc.endswith('.moc"') and inc not in testate:
                        testate.append(inc)
            righe = ['// Made by gruppi_tidy.py for clang-tidy; never compiled.']
            # What moc's output includes, ahead of the namespaces too.
            if avvolto:
                righe += ['#include ' + t for t in testate + ['<memory>', '<QtCore/qmetatype.h>']]
            for i, (file, _, _, _, _) in enumerate(g['membri']):
                inc = '#include "%s" // NOLINT(bugprone-suspicious-include)' % file
                righe += ['namespace gruppo_%d {' % i, inc, '}'] if avvolto else [inc]
            nome = os.path.join(uscita, 'gruppo_%d.cpp' % n)
            with open(nome, 'w', encoding='utf-8') as f:
                f.write('\n'.join(righe) + '\n')
            a = list(resto[:1]) + g['cartelle'] + list(g['definizioni'].values()) + list(resto[1:])
            a += ['-c', nome]
            nuove.append({'directory': cartella, 'file': nome, 'arguments': a})
    with open(os.path.join(uscita, 'compile_commands.json'), 'w', encoding='utf-8') as f:
        json.dump(nuove, f, indent=1)
    for voce in nuove:
        print(os.path.realpath(os.path.join(voce['directory'], voce['file'])))


main()
