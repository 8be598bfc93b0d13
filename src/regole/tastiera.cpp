// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/tastiera.h"

Richiesta MappaTasti::traduci(int tasto, Qt::KeyboardModifiers modificatori, bool ripetuto)
{
    if (ripetuto || (modificatori & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    // A modifier on its own, Shift for a capital letter say, leaves a waiting "d" waiting.
    switch (tasto) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock: return {};
    default: break;
    }
    const bool dInAttesa = m_dInAttesa;
    m_dInAttesa = false;
    if (dInAttesa && tasto == Qt::Key_A)
        return {Comando::Simbolo, 3};
    if (dInAttesa && tasto == Qt::Key_G)
        return {Comando::Simbolo, 5};
    if (tasto >= Qt::Key_0 && tasto <= Qt::Key_9)
        return {Comando::Cifra, tasto - Qt::Key_0};
    switch (tasto) {
    case Qt::Key_Comma:
    case Qt::Key_Period: // the numeric keypad's decimal key, too
        return {Comando::Virgola};
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return {Comando::Cancella};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {Comando::Conferma};
    case Qt::Key_S: return {Comando::Si};
    case Qt::Key_N: return {Comando::No};
    case Qt::Key_K: return {Comando::Simbolo, 1};
    case Qt::Key_H: return {Comando::Simbolo, 2};
    case Qt::Key_G: return {Comando::Simbolo, 4};
    case Qt::Key_C: return {Comando::Simbolo, 6};
    case Qt::Key_M: return {Comando::Simbolo, 7};
    case Qt::Key_D: m_dInAttesa = true; return {Comando::Attesa};
    case Qt::Key_Escape: return {Comando::Esci};
    case Qt::Key_R: return {Comando::Ripeti};
    case Qt::Key_P: return {Comando::Punteggio};
    case Qt::Key_F1: return {Comando::Tasti};
    default: return {};
    }
}
