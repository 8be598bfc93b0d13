#include "exercise/stato.h"

StatoProgramma& stato()
{
    static StatoProgramma s;
    return s;
}
