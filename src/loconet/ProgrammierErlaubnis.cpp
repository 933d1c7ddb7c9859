#include "loconet/ProgrammierErlaubnis.h"

int ProgrammierErlaubnis(bool ersteProgrammierung, bool pultInit, bool kennungGleich, int16_t neuerWert,
                         int16_t programmierteKopie)
{
    const bool geaendert = neuerWert != programmierteKopie;
    if (ersteProgrammierung) {
        // After an initialisation every module holds 0, except where a value
        // was written or read since (its copy says so); without one its
        // content is unknown and only the module itself can tell.
        if (!pultInit)
            return Erlaubnis::LesenVergleichen;
        return neuerWert != 0 || geaendert ? Erlaubnis::Schreiben : Erlaubnis::Ueberspringen;
    }
    if (!kennungGleich)
        return Erlaubnis::LesenVergleichen;
    return geaendert ? Erlaubnis::Schreiben : Erlaubnis::Ueberspringen;
}
