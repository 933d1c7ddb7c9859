#include "print/RouteList.h"

#include "core/Desk.h"
#include "core/Words.h"
#include "print/ListFormat.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

namespace {
// Words of a command.
enum Wort { X = 0, Y = 1, Wert = 2, Zst = 3, Art = 4, LncvNr = 5, Vorgaenger = 6, Nachfolger = 7 };
constexpr int KettenEnde = 65535;
constexpr int SlotMax = 100;

using Kommando = std::array<int16_t, 8>;

int wort(int16_t w) { return Int_to_UWord(w); }

// LNCV n of desk field (x, y) as 0..65535; 0 outside the desk or the module.
int feldLncv(int x, int y, int n)
{
    if (!imPult(x, y) || n < 0 || n >= 128)
        return 0;
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

// The address a command switches: read from its element's LNCV, or its own value.
int befehlsAdresse(const Kommando& b)
{
    const int n = b[LncvNr];
    if (n == -1)
        return wort(b[Wert]);
    if (n < 0)
        return 0;
    const int v = feldLncv(b[X], b[Y], n);
    switch (b[Art]) {
    case 4: return v + 1;
    case 8: return PultDaten.PultOpt_HS_FolgeAdr == 1 ? v + 1 : wort(b[Wert]);
    default: return v;
    }
}

int zielAdresse(const Fahrstrasse& f)
{
    return f.Ziel[4] == -1 ? wort(f.Ziel[2]) : feldLncv(f.Ziel[0], f.Ziel[1], f.Ziel[4]) / 10;
}

int zielZustand(const Fahrstrasse& f)
{
    return f.Ziel[4] == -1 ? f.Ziel[3] : feldLncv(f.Ziel[0], f.Ziel[1], f.Ziel[4]) % 10;
}

int aufloesenAdresse(const Fahrstrasse& f)
{
    return f.Aufloesen[4] == -1 ? wort(f.Aufloesen[2]) : feldLncv(f.Aufloesen[0], f.Aufloesen[1], f.Aufloesen[4]);
}

// Lowest slot whose link word `link` ends the chain; -1 when there is none.
int kettenEnde(const Fahrstrasse& f, int s, int link)
{
    for (int e = 1; e <= SlotMax; ++e)
        if (wort(f.Route[size_t(s)][size_t(e)][size_t(link)]) == KettenEnde)
            return e;
    return -1;
}

QString zwei(int wert) { return mitNullen(wert, 2); }

QString beschreibung(const Kommando& b)
{
    const QString a = mitNullen(befehlsAdresse(b), 4);
    const QString z = Zustand(b[Zst]);
    switch (b[Art]) {
    case 1: return QStringLiteral("Ausleuchtung schalten, Adr.= ") + a + z;
    case 2: return QStringLiteral("Weiche schalten,  Adr.= ") + a + z;
    case 3: return QStringLiteral("Vorsignal schalten, 1.Adr.= ") + a + z;
    case 4: return QStringLiteral("Vorsignal schalten, 2.Adr.= ") + a + z;
    case 5:
        return QStringLiteral("Vorsig. ") + zwei(b[Wert]) + QLatin1Char(',') + zwei(b[Zst])
            + QStringLiteral(" verknüpfen mit Signal= ") + a;
    case 6: return QStringLiteral("Rangiersignal schalten, Adr.= ") + a + z;
    case 7: return QStringLiteral("Hauptsignal schalten, 1.Adr.= ") + a + z;
    case 8: return QStringLiteral("Hauptsignal schalten, 2.Adr.= ") + a + z;
    // The two commands a release feedback typed by hand adds to the set list.
    case 9: return QStringLiteral("Pause für Zugfahrt ") + QString::number(befehlsAdresse(b)) + QLatin1Char('s');
    case 10: return QStringLiteral("Rückmeldung für 'Fahrstraße auflösen' Adr.= ") + a + z;
    case 21: return QStringLiteral("Benutzer def. Magnetartikel Adr.= ") + a + z;
    case 22: return QStringLiteral("Benutzer def. Rückmeldung Adr.= ") + a + z;
    case 23: return QStringLiteral("Benutzer def. Pause ") + QString::number(befehlsAdresse(b)) + QLatin1Char('s');
    case 24: return QStringLiteral("Benutzer def. Fahrstraßenaufruf (54670) durch ") + a + QLatin1Char(' ') + z;
    case 25:
        switch (b[Zst]) {
        case 1: return QStringLiteral("Benutzer def. Fahrstraßennummer (54670): ") + a;
        case 2: return QStringLiteral("Benutzer def. Fahrstraße verriegeln (54670): ") + a;
        case 0: return QStringLiteral("Benutzer def. Fahrstraße entriegeln (54670): ") + a;
        default: break;
        }
        break;
    default: break;
    }
    return QStringLiteral("unbekannter Befehl, Art ") + QString::number(b[Art]);
}

QString befehlsZeile(const Kommando& b)
{
    const bool hatFeld = b[X] != 0 && b[Y] != 0;
    const QString x = hatFeld ? zwei(b[X]) : QStringLiteral("--");
    const QString y = hatFeld ? zwei(b[Y]) : QStringLiteral("--");
    return QLatin1Char(' ') + x + QLatin1Char(' ') + y + QStringLiteral("  ") + beschreibung(b);
}

// The commands of list s in chain order. A chain visits at most 100 slots, so
// a damaged link (a loop, a slot out of range) cannot run on for ever.
void befehleDrucken(TextSeiten& t, const Fahrstrasse& f, int s)
{
    if (kettenEnde(f, s, Nachfolger) <= 0)
        return;
    int e = kettenEnde(f, s, Vorgaenger);
    for (int schritt = 0; schritt < SlotMax && e >= 1 && e <= SlotMax; ++schritt) {
        const Kommando& b = f.Route[size_t(s)][size_t(e)];
        t.PrtTxt(befehlsZeile(b));
        e = wort(b[Nachfolger]);
    }
}

void fahrstrasseDrucken(TextSeiten& t, int r)
{
    const Fahrstrasse& f = FSDaten[size_t(r)];
    t.NeueSeite();
    t.PrtTxt(QStringLiteral("FS_Fahrstraße: ") + QString::number(r));
    t.PrtTxt(QStringLiteral("FS_Name: ") + f.Name);
    t.PrtTxt(QStringLiteral(" Start   : X=") + zwei(f.Start[0]) + QStringLiteral(" Y=") + zwei(f.Start[1])
             + QStringLiteral(" Rückmeldeadr. für Fahrstraßenaufruf = ") + QString::number(wort(f.Start[2])));
    t.PrtTxt(QStringLiteral(" Ziel    : X=") + zwei(f.Ziel[0]) + QStringLiteral(" Y=") + zwei(f.Ziel[1])
             + QStringLiteral(" Mag.art.Adr. des Zieltasters = ") + QString::number(zielAdresse(f))
             + Zustand(zielZustand(f)));
    t.PrtTxt(QStringLiteral(" Auflösen: X=") + zwei(f.Aufloesen[0]) + QStringLiteral(" Y=") + zwei(f.Aufloesen[1])
             + QStringLiteral(" Rückmeldeadr. für 'Fahrstraße auflösen' = ") + QString::number(aufloesenAdresse(f))
             + Zustand(f.Aufloesen[3]));
    t.PrtTxt(QStringLiteral(" Rückmeldeadressen zum Aufruf im Fahrstraßenspeicher 54670 : "));
    t.PrtTxt(QStringLiteral("     Fahrstraße festlegen: ") + QString::number(wort(f.Rueckmeldeadressen[0]))
             + Zustand(f.Rueckmeldeadressen[1]));
    t.PrtTxt(QStringLiteral("     Fahrstraße auflösen : ") + QString::number(wort(f.Rueckmeldeadressen[2]))
             + Zustand(f.Rueckmeldeadressen[3]));
    for (int s = 0; s <= 1; ++s) {
        t.PrtTxt(QString());
        t.PrtTxt(s == 0 ? QStringLiteral(" Liste der Fahrstraßenbefehle für 'Fahrstraße festlegen':")
                        : QStringLiteral(" Liste der Fahrstraßenbefehle für 'Fahrstraße auflösen':"));
        t.PrtTxt(QStringLiteral(" X: Y:  Beschreibung:"));
        befehleDrucken(t, f, s);
    }
}
} // namespace

TextSeiten fahrstrassenListe()
{
    TextSeiten t(DruckArt::Fahrstrassen);
    if (FSAnzahl < 0) {
        t.NeueSeite();
        t.PrtTxt(QStringLiteral(" -- keine Fahrstraßen vorhanden! -- "));
        return t;
    }
    for (int r = 0; r <= std::min<int>(FSAnzahl, FSMax); ++r)
        fahrstrasseDrucken(t, r);
    return t;
}
