#include "routes/UserCommand.h"

#include "core/BasicText.h"
#include "core/Words.h"
#include "routes/RouteCommands.h"

#include <algorithm>

namespace {
bool imBereich(int wert, int anzahl)
{
    return wert >= 0 && wert < anzahl;
}
} // namespace

const NutzerBefehlArt& nutzerBefehlArt(int art)
{
    static const std::array<NutzerBefehlArt, NutzerArtAnzahl> arten{{
        {QStringLiteral("Magnetartikel"), QStringLiteral("Magnetartikeladresse:"), 2047,
         {QStringLiteral("Rot"), QStringLiteral("Grün"), QString()}},
        {QStringLiteral("Rückmeldung"), QStringLiteral("Rückmeldeadresse:"), 4095,
         {QStringLiteral("Frei"), QStringLiteral("Belegt"), QString()}},
        {QStringLiteral("Pause"), QStringLiteral("Pauselänge in Sek.:"), 255, {}},
        {QStringLiteral("Fahrstraße aufrufen"), QStringLiteral("Rückm.-adr. der Fahrstr.:"), 4095,
         {QStringLiteral("mit Zustand 'Frei' aufrufen"), QStringLiteral("mit Zustand 'Belegt' aufrufen"), QString()}},
        {QStringLiteral("Fahrstraßenverriegelung"), QStringLiteral("Nummer der Fahrstraße:"), 255,
         {QStringLiteral("Fahrstraße entriegeln"), QStringLiteral("Fahrstraße nummerieren"),
          QStringLiteral("Fahrstraße verriegeln")}},
    }};
    return arten[size_t(imBereich(art, NutzerArtAnzahl) ? art : 0)];
}

bool nutzerZustandAngeboten(int art, int zustand)
{
    return imBereich(art, NutzerArtAnzahl) && imBereich(zustand, NutzerZustandAnzahl)
        && !nutzerBefehlArt(art).zustaende[size_t(zustand)].isEmpty();
}

bool nutzerEingabeGueltig(const NutzerEingabe& e)
{
    if (!imBereich(e.art, NutzerArtAnzahl) || Zahl::lies(e.wert) > nutzerBefehlArt(e.art).maximum)
        return false;
    return e.art == NutzerArtPause || nutzerZustandAngeboten(e.art, e.zustand);
}

NutzerEingabe Put_UBest_Form_Values(int r, int s, int e)
{
    const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
    NutzerEingabe eingabe;
    eingabe.art = b[Befehl::Befehlsart] - Befehlsart::NutzerMagnetartikel;
    eingabe.zustand = b[Befehl::Zustand] - (b[Befehl::Befehlsart] == Befehlsart::NutzerRueckmeldung ? 2 : 0);
    if (!imBereich(eingabe.art, NutzerArtAnzahl))
        eingabe.art = -1;
    if (!nutzerZustandAngeboten(eingabe.art, eingabe.zustand))
        eingabe.zustand = -1;
    eingabe.wert = QString::number(Get_Route_Adr(r, s, e));
    return eingabe;
}

void Get_UBest_Form_Values(int r, int s, int e, const NutzerEingabe& eingabe)
{
    RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
    const int art = Befehlsart::NutzerMagnetartikel + std::max(eingabe.art, 0);
    b[Befehl::X] = 0;
    b[Befehl::Y] = 0;
    b[Befehl::Wert] = alsWort(int32_t(Zahl::liesGanz(eingabe.wert, 0, 65535)));
    b[Befehl::LNCVNr] = LNCVNrImWert;
    b[Befehl::Zustand] = int16_t(std::max(eingabe.zustand, 0) + (art == Befehlsart::NutzerRueckmeldung ? 2 : 0));
    b[Befehl::Befehlsart] = int16_t(art);
}
