#include "regole/stato.h"

StatoProgramma& stato()
{
    static StatoProgramma s;
    return s;
}
