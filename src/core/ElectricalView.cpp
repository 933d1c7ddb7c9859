#include "core/ElectricalView.h"

#include "config/SupplyServices.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "core/ModulePick.h"
#include "loconet/ModulDialoge.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"

namespace {
PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

int32_t elementArtikel(int x, int y)
{
    return ElementKatalog[size_t(feld(x, y).ElementIndex)].ArtikelNr;
}

// The electrical view shows the picture of the base plates of that article.
void grundplatteZeigen(int x, int y, int32_t artikel)
{
    for (const GrundplattenEintrag& g : Grundplatten)
        if (g.ArtikelNr == artikel && !g.Bild.isEmpty())
            MainWin().Pult[1].setCellPicture(y, x, KonfVerz + g.Bild);
}

void anschlussnummerEntfernen(int x, int y)
{
    feld(x, y).Anschluss = 0;
    MainWin().Pult[1].setText(y, x, QString());
}

void platteLegen(int x, int y, int32_t platte)
{
    // The upper fields of a throttle carry its part codes as base plates; a
    // board would take the part's place as removing the plate would.
    const int32_t e = elementArtikel(x, y);
    if ((e != 0 && !(platte == 54640 && e == 54644)) || istFahrreglerOberteil(feld(x, y).Grundplatte))
        return;
    if (istAnschlussmodulPlatte(feld(x, y).Grundplatte))
        anschlussnummerEntfernen(x, y);
    feld(x, y).Grundplatte = platte;
    feld(x, y).Geaendert = 1;
    grundplatteZeigen(x, y, platte);
}

// Configures the connection module on field (x, y); its dialog may choose the
// module's version, which changes the field's base plate and picture.
void anschlussmodulKonfigurieren(int x, int y)
{
    const int32_t vorher = feld(x, y).Grundplatte;
    AnschlussProgX = int16_t(x);
    AnschlussProgY = int16_t(y);
    Anschlussmodul_konfigurieren();
    if (feld(x, y).Grundplatte != vorher) {
        feld(x, y).Geaendert = 1;
        elektrische_Verbindungen_setzen(x, y);
    }
}

void anschlussmodulAnbieten(int x, int y)
{
    const int antwort = MsgBox(QStringLiteral("Das Anschlussmodul hat die Modulnummer ")
                                   + QString::number(feld(x, y).Anschluss) + QStringLiteral("\r")
                                   + QStringLiteral("Soll das Modul jetzt programmiert werden?"),
                               Msg::JaNein, QStringLiteral("Achtung!"));
    if (antwort == Msg::Ja)
        anschlussmodulKonfigurieren(x, y);
}

void anschlussmodulLegen(int x, int y)
{
    if (elementArtikel(x, y) == 0 && feld(x, y).Grundplatte == 0) {
        const int nummer = get_next_anschluss_nummer();
        if (nummer == 0) {
            MsgBox(QStringLiteral("Es können höchstens 20 Anschlussmodule benutzt werden!"),
                   Msg::NurOk | Msg::Kritisch, QStringLiteral("Achtung!"));
            return;
        }
        feld(x, y).Grundplatte = 54430;
        feld(x, y).Geaendert = 1;
        grundplatteZeigen(x, y, 54430);
        feld(x, y).Anschluss = int16_t(nummer);
        MainWin().Pult[1].setText(y, x, QString::number(nummer));
    }
    if (get_artnr(x, y) == 54430)
        anschlussmodulAnbieten(x, y);
}

void platteEntfernen(int x, int y)
{
    // The upper fields of a throttle carry its part codes as base plates; they
    // go only with the throttle itself.
    const int32_t platte = feld(x, y).Grundplatte;
    if (platte == 0 || istFahrreglerOberteil(platte))
        return;
    const int32_t e = elementArtikel(x, y);
    if (e == 54644) {
        feld(x, y).Grundplatte = 0;
        feld(x, y).Geaendert = 1;
        grundplatteZeigen(x, y, 54644);
    } else if (e == 0 || istAnschlussmodulPlatte(e)) {
        if (istAnschlussmodulPlatte(feld(x, y).Grundplatte))
            MainWin().Pult[1].setText(y, x, QStringLiteral("   "));
        feld(x, y).Grundplatte = 0;
        feld(x, y).Anschluss = 0;
        feld(x, y).Geaendert = 1;
        MainWin().Pult[1].setCellPicture(y, x, QString());
    }
}
} // namespace

void elektrikKlick(int x, int y)
{
    const int32_t platte = Grundplatten[size_t(AuswahlElement)].ArtikelNr;
    if (platte == -1) {
        if (istAnschlussmodulPlatte(feld(x, y).Grundplatte))
            anschlussmodulKonfigurieren(x, y);
        return;
    }
    if (PultOptGPLocked)
        return;
    if (platte == 54640 || platte == 54642)
        platteLegen(x, y, platte);
    else if (platte == 54430)
        anschlussmodulLegen(x, y);
    else if (platte == -99)
        platteEntfernen(x, y);
}
