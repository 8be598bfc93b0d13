#include "start/programma.h"

#include "start/frm_inizio_sfondo.h"

void avviaProgramma() { FrmInizioSfondo::istanza(); }
