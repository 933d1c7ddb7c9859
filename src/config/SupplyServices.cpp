#include "config/SupplyServices.h"

#include "config/SupplyScan.h"
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

void auto_scan()
{
    const Versorgungsscan scan = versorgung_scannen();
    for (const QPoint& modul : scan.ohneNummer)
        ohneNummerMelden(modul.x(), modul.y());
    switch (scan.befund) {
    case VersorgungsBefund::KeinAnschlussmodul:
        MsgBox(QStringLiteral("Kein Anschlussmodul vorhanden!\rBitte fügen Sie ein Anschlusmodul ein!"), Msg::NurOk,
               QStringLiteral("Achtung!"));
        break;
    case VersorgungsBefund::DoppeltGespeist:
        MsgBox(QStringLiteral("Es gibt Pultteile, die von 2 Versorgungen gespeist werden!"), Msg::NurOk | Msg::Kritisch,
               QStringLiteral("Fehler"));
        break;
    case VersorgungsBefund::NichtGespeist:
        MsgBox(QStringLiteral("Es gibt Pultteile, die nicht gespeist werden!"), Msg::NurOk | Msg::Kritisch,
               QStringLiteral("Fehler"));
        break;
    case VersorgungsBefund::Berechnet:
        break;
    }
}
