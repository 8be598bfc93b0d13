// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>

// A library opened at run time rather than linked, so nothing of it loads at start.
namespace dinamica {

// One of its functions, looked up by name, with the type its header gives it
// (decltype(&nome)); false when the library has none of that name.
template <typename F>
bool cerca(QLibrary& libreria, const char* nome, F& funzione)
{
    funzione = reinterpret_cast<F>(libreria.resolve(nome));
    return funzione != nullptr;
}

} // namespace dinamica
