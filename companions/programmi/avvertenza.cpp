// SPDX-License-Identifier: GPL-3.0-or-later
#include "avvertenza.h"

int main(int argc, char* argv[])
{
    return compagni::avvia(argc, argv, [] { return new compagni::Avvertenza; });
}
