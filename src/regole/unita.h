// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units of mass, from the largest to the smallest: each is ten times the next. Their
// symbols as the screens show them, their names as a screen reader says them.
namespace misure {

struct Unita {
    const char* simbolo;
    const char* singolare;
    const char* plurale;
};

inline constexpr Unita ElencoUnita[] = {
    {"kg", "chilogrammo", "chilogrammi"}, {"hg", "ettogrammo", "ettogrammi"},
    {"dag", "decagrammo", "decagrammi"},  {"g", "grammo", "grammi"},
    {"dg", "decigrammo", "decigrammi"},   {"cg", "centigrammo", "centigrammi"},
    {"mg", "milligrammo", "milligrammi"},
};

// The drill works with the first four.
inline constexpr int UnitaDellEsercizio = 4;

} // namespace misure
