#include "config/SupplyServices.h"

#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "platform/MsgBox.h"

namespace {
const PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

bool anschlussNummerVorhanden(int nummer)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (istAnschlussmodulPlatte(feld(x, y).Grundplatte) && feld(x, y).Anschluss == nummer)
                return true;
    return false;
}

// Every field but the connection modules starts the scan unfed.
void clearAnschluss()
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (!istAnschlussmodulPlatte(feld(x, y).Grundplatte))
                PultFelder[size_t(x)][size_t(y)].Anschluss = 0;
}

void ohneNummerMelden(int x, int y)
{
    MsgBox(QStringLiteral("Das Anschlussmodul an der Pos. Spalte:") + Zahl::mitVorzeichenstelle(x)
               + QStringLiteral(" Zeile:") + Zahl::mitVorzeichenstelle(y) + QStringLiteral(" hat keine Nummerierung")
               + QStringLiteral("\rBitte den Anschluss anklicken und nummerieren!"),
           Msg::NurOk, QStringLiteral("Achtung!"));
}
} // namespace

bool istAnschlussmodulPlatte(int32_t grundplatte)
{
    return grundplatte == 54430 || grundplatte == 54480 || grundplatte == 54490;
}

int32_t get_artnr(int x, int y)
{
    if (!imPult(x, y))
        return 0;
    const PultFeld& f = feld(x, y);
    if (f.Grundplatte != 0)
        return istAnschlussmodulPlatte(f.Grundplatte) ? 54430 : f.Grundplatte;
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return 0;
    return ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
}

int get_next_anschluss_nummer()
{
    for (int n = 1; n <= AnschlussMax; ++n)
        if (!anschlussNummerVorhanden(n))
            return n;
    return 0;
}

// Until the walks of the supply through the desk are written, the scan clears
// the connection numbers of the fed parts, checks the connection modules and
// reports no current for any supply; the start-up delays stay as they were.
void auto_scan()
{
    clearAnschluss();
    Strom.fill(0.0);
    int module = 0;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (get_artnr(x, y) == 54430) {
                ++module;
                if (feld(x, y).Anschluss == 0)
                    ohneNummerMelden(x, y);
            }
    if (module == 0)
        MsgBox(QStringLiteral("Kein Anschlussmodul vorhanden!\rBitte fügen Sie ein Anschlusmodul ein!"), Msg::NurOk,
               QStringLiteral("Achtung!"));
}
