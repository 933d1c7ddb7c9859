#include "print/RouteList.h"

#include "core/Words.h"
#include "print/ListFormat.h"
#include "routes/RouteCommands.h"

#include <algorithm>

namespace {
int wort(int16_t w) { return Int_to_UWord(w); }

QString zwei(int wert) { return mitNullen(wert, 2); }

// The readable description of command e of list s of route r.
QString beschreibung(int r, int s, int e)
{
    using namespace Befehlsart;
    const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
    const int32_t adresse = Get_Route_Adr(r, s, e);
    const QString a = mitNullen(adresse, 4);
    const QString z = Zustand(b[Befehl::Zustand]);
    switch (b[Befehl::Befehlsart]) {
    case Ausleuchtung: return QStringLiteral("Ausleuchtung schalten, Adr.= ") + a + z;
    case Weiche: return QStringLiteral("Weiche schalten,  Adr.= ") + a + z;
    case Vorsignal1: return QStringLiteral("Vorsignal schalten, 1.Adr.= ") + a + z;
    case Vorsignal2: return QStringLiteral("Vorsignal schalten, 2.Adr.= ") + a + z;
    case VorsignalKopplung:
        return QStringLiteral("Vorsig. ") + zwei(b[Befehl::Wert]) + QLatin1Char(',') + zwei(b[Befehl::Zustand])
            + QStringLiteral(" verknüpfen mit Signal= ") + a;
    case Rangiersignal: return QStringLiteral("Rangiersignal schalten, Adr.= ") + a + z;
    case Hauptsignal1: return QStringLiteral("Hauptsignal schalten, 1.Adr.= ") + a + z;
    case Hauptsignal2: return QStringLiteral("Hauptsignal schalten, 2.Adr.= ") + a + z;
    // The two commands a release feedback typed by hand adds to the set list.
    case Pause: return QStringLiteral("Pause für Zugfahrt ") + QString::number(adresse) + QLatin1Char('s');
    case Freimeldung: return QStringLiteral("Rückmeldung für 'Fahrstraße auflösen' Adr.= ") + a + z;
    case NutzerMagnetartikel: return QStringLiteral("Benutzer def. Magnetartikel Adr.= ") + a + z;
    case NutzerRueckmeldung: return QStringLiteral("Benutzer def. Rückmeldung Adr.= ") + a + z;
    case NutzerPause: return QStringLiteral("Benutzer def. Pause ") + QString::number(adresse) + QLatin1Char('s');
    case NutzerFSAufruf: return QStringLiteral("Benutzer def. Fahrstraßenaufruf (54670) durch ") + a + QLatin1Char(' ') + z;
    case NutzerFSNummer:
        switch (b[Befehl::Zustand]) {
        case 1: return QStringLiteral("Benutzer def. Fahrstraßennummer (54670): ") + a;
        case 2: return QStringLiteral("Benutzer def. Fahrstraße verriegeln (54670): ") + a;
        case 0: return QStringLiteral("Benutzer def. Fahrstraße entriegeln (54670): ") + a;
        default: break;
        }
        break;
    default: break;
    }
    return QStringLiteral("unbekannter Befehl, Art ") + QString::number(b[Befehl::Befehlsart]);
}

QString befehlsZeile(int r, int s, int e)
{
    const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
    const bool hatFeld = b[Befehl::X] != 0 && b[Befehl::Y] != 0;
    const QString x = hatFeld ? zwei(b[Befehl::X]) : QStringLiteral("--");
    const QString y = hatFeld ? zwei(b[Befehl::Y]) : QStringLiteral("--");
    return QLatin1Char(' ') + x + QLatin1Char(' ') + y + QStringLiteral("  ") + beschreibung(r, s, e);
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
             + QStringLiteral(" Mag.art.Adr. des Zieltasters = ") + QString::number(Get_Ziel_Adr(r))
             + Zustand(Get_Ziel_Zust(r)));
    t.PrtTxt(QStringLiteral(" Auflösen: X=") + zwei(f.Aufloesen[0]) + QStringLiteral(" Y=") + zwei(f.Aufloesen[1])
             + QStringLiteral(" Rückmeldeadr. für 'Fahrstraße auflösen' = ") + QString::number(Get_Aufloesen_Adr(r))
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
        // The chain walk is bounded: a damaged list prints each of its slots once at most.
        if (LastRouteIdx(r, s) > 0)
            for (int e : RouteKette(r, s))
                t.PrtTxt(befehlsZeile(r, s, e));
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
