#include "print/ModuleList.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/Words.h"
#include "print/ListFormat.h"

namespace {
constexpr int LetzteListenLncv = 118;   // 119..127 hold the identity stamp and are not listed

bool gelistetesModul(const PultFeld& f)
{
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return false;
    const int32_t artikel = ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
    return artikel == 54650 || artikel == 54660 || artikel == 54710;
}

QString fahrstrassenSlotText(int n)
{
    static const char* const teile[4] = {
        "Starttaste Magnetartikeladresse und Zustand",
        "LocoNet Message für 'Fahrstr. festlegen'",
        "Rückmeldeadresse und Zustand für 'Fahrstr auflösen'",
        "LocoNet Message für 'Fahrstr. auflösen'",
    };
    return QStringLiteral(" -  Fahrstr. ") + QString::number((n - 41) / 4 + 1) + QStringLiteral(": ")
        + QString::fromUtf8(teile[(n - 41) % 4]);
}

void modulDrucken(TextSeiten& t, int x, int y, const PultFeld& f)
{
    t.PrtTxt(QStringLiteral(" Modul in Zeile= ") + mitNullen(y, 2) + QStringLiteral(", Spalte= ") + mitNullen(x, 2));
    for (int n = 0; n <= LetzteListenLncv; ++n) {
        const int wert = Int_to_UWord(f.LNCV[size_t(n)]);
        if (wert != 0)
            t.PrtTxt(QLatin1Char(' ') + mitNullen(n, 2) + QStringLiteral(" = ") + mitNullen(wert, 3) + LNCV_Erkl(n));
    }
    t.PrtTxt(QString());
}
} // namespace

QString LNCV_Erkl(int n)
{
    if (n >= 41 && n <= 80)
        return fahrstrassenSlotText(n);
    const char* text = nullptr;
    switch (n) {
    case 0: text = "Moduladresse"; break;
    case 1: text = "Software-Version"; break;
    case 2: text = "Helligkeit"; break;
    case 3: text = "Modul-Konfiguration"; break;
    case 4: text = "Startup-Zeit"; break;
    case 5: text = "Dauer des Tastendrucks bis zum Prog.modus"; break;
    case 7: text = "Gruppentaste: Fahrt/Halt"; break;
    case 8: text = "Gruppentaste: Rangierfahrt/Fahrstraßen auflösen"; break;
    case 11: text = "Weichenadresse 1"; break;
    case 12: text = "Weichenadresse 2"; break;
    case 13: text = "Rückmeldeadresse für Weichenbelegung"; break;
    case 14: text = "Weichenkonfiguration 1"; break;
    case 15: text = "Weichenkonfiguration 2"; break;
    case 21: text = "Fahrwegausleuchtung Magnetartikeladresse extern 1"; break;
    case 22: text = "Fahrwegausleuchtung Rückmeldeadresse extern 1"; break;
    case 23: text = "Fahrwegausleuchtung Magnetartikeladresse extern 2"; break;
    case 24: text = "Fahrwegausleuchtung Rückmeldeadresse extern 2"; break;
    case 25: text = "Fahrwegausleuchtung Magnetartikeladresse intern 1"; break;
    case 26: text = "Fahrwegausleuchtung Rückmeldeadresse intern 1"; break;
    case 27: text = "Fahrwegausleuchtung Magnetartikeladresse intern 2"; break;
    case 28: text = "Fahrwegausleuchtung Rückmeldeadresse intern 2"; break;
    case 31: text = "Hauptsignal Magnetartikeladresse"; break;
    case 32: text = "Vorsignal Magnetartikeladresse"; break;
    case 33: text = "Rangiersignal Magnetartikeladresse"; break;
    case 37: text = "ZIVRA Empfänger Adresse"; break;
    case 38: text = "Signal Konfiguration"; break;
    case 39: text = "Gruppen- oder Zieltaster Magnetartikeladresse und Zustand"; break;
    case 40: text = "Tastensperre Magnetartikeladresse"; break;
    default: return {};
    }
    return QStringLiteral(" -  ") + QString::fromUtf8(text);
}

TextSeiten modulProgrammierListe()
{
    TextSeiten t(DruckArt::ModulProg);
    t.NeueSeite();
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            const PultFeld& f = PultFelder[size_t(x)][size_t(y)];
            if (gelistetesModul(f))
                modulDrucken(t, x, y, f);
        }
    return t;
}
