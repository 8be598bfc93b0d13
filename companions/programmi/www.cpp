// SPDX-License-Identifier: GPL-3.0-or-later
#include "informazioni.h"

int main(int argc, char* argv[])
{
    return compagni::avvia(argc, argv, [] { return new compagni::Informazioni; });
}
