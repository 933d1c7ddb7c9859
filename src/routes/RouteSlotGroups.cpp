#include "routes/RouteSlotGroups.h"

#include "routes/RouteSlots.h"

bool fsGruppeBietetCode(int g, int code)
{
    switch (g) {
    case 0: return code == 0 || code == 1;
    case 1:
    case 3: return code >= 0 && code <= 3;
    case 2: return code == 2 || code == 3;
    default: return false;
    }
}

int fsGruppeMaximum(int g, int code)
{
    const bool rueckmeldung = g == 2 || ((g == 1 || g == 3) && (code == 2 || code == 3));
    return rueckmeldung ? FSRueckmeldeAdrMax : 2047;
}

FSGruppenWert fsGruppeZeigen(int g, int32_t wort)
{
    const int code = int(wort % 10);
    return {int(wort / 10), wort > 0 && fsGruppeBietetCode(g, code) ? code : -1};
}

int32_t fsGruppeWort(int g, const FSGruppenWert& wert, int32_t alt)
{
    if (wert == fsGruppeZeigen(g, alt))
        return alt;
    return int32_t(wert.adresse) * 10 + (wert.code >= 0 ? wert.code : 0);
}
