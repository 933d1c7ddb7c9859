#include "routes/RouteEditorModel.h"

#include "core/Words.h"
#include "routes/RouteCommands.h"

namespace {
QString zwei(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString vier(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString zustandText(int z)
{
    switch (z) {
    case 0: return QStringLiteral(" rot    ");
    case 1: return QStringLiteral(" grün   ");
    case 2: return QStringLiteral(" frei   ");
    case 3: return QStringLiteral(" belegt ");
    default: return {};
    }
}

QString kommandoText(int code)
{
    switch (code) {
    case 0: return QStringLiteral(" rot   ");
    case 1: return QStringLiteral(" grün");
    case 2: return QStringLiteral(" frei   ");
    case 3: return QStringLiteral(" besetzt");
    default: return {};
    }
}

QString feldText(const std::array<int16_t, 5>& gruppe)
{
    return QStringLiteral("X= ") + zwei(gruppe[0]) + QStringLiteral(" Y= ") + zwei(gruppe[1]);
}

using Liste = std::array<RouteBefehl, BefehlMax + 1>;

Liste& liste(int r, int s)
{
    return FSDaten[size_t(r)].Route[size_t(s)];
}

// A link of list s of route r as a slot, -1 for the chain's end or a damaged link.
int glied(int r, int s, int16_t link)
{
    return befehlBelegt(r, s, link) ? int(link) : -1;
}
} // namespace

QStringList fstComboEintraege()
{
    QStringList eintraege;
    for (int r = 0; r <= FSAnzahl && r <= FSMax; ++r)
        eintraege << FSDaten[size_t(r)].Name + QStringLiteral(" - Festlegen")
                  << FSDaten[size_t(r)].Name + QStringLiteral(" - Auflösen");
    return eintraege;
}

QString fstBefehlText(int r, int s, int e)
{
    const RouteBefehl& b = liste(r, s)[size_t(e)];
    const QString a = vier(Get_Route_Adr(r, s, e));
    const QString z = zustandText(b[Befehl::Zustand]);
    switch (b[Befehl::Befehlsart]) {
    case Befehlsart::Ausleuchtung: return QStringLiteral("         Ausleuchtung schalten, Adr.= ") + a + z;
    case Befehlsart::Weiche: return QStringLiteral("              Weiche schalten,  Adr.= ") + a + z;
    case Befehlsart::Vorsignal1: return QStringLiteral("          Vorsignal schalten, 1.Adr.= ") + a + z;
    case Befehlsart::Vorsignal2: return QStringLiteral("          Vorsignal schalten, 2.Adr.= ") + a + z;
    case Befehlsart::VorsignalKopplung:
        return QStringLiteral(" Vorsig.") + zwei(b[Befehl::Wert]) + QStringLiteral(",") + zwei(b[Befehl::Zustand])
             + QStringLiteral(" verknüpfen m. Sig.Adr.= ") + a;
    case Befehlsart::Rangiersignal: return QStringLiteral("        Rangiersignal schalten, Adr.= ") + a + z;
    case Befehlsart::Hauptsignal1: return QStringLiteral("        Hauptsignal schalten, 1.Adr.= ") + a + z;
    case Befehlsart::Hauptsignal2: return QStringLiteral("        Hauptsignal schalten, 2.Adr.= ") + a + z;
    case Befehlsart::Pause: return QStringLiteral("     Pause für Zugfahrt in Sekunden = ") + a + QStringLiteral(" s");
    case Befehlsart::Freimeldung: return QStringLiteral("     Rückm. zum Auflösen der Fahrstr= ") + a + z;
    case Befehlsart::NutzerMagnetartikel: return QStringLiteral("    Benutzer:Magnetartikelbef.  Adr.= ") + a + z;
    case Befehlsart::NutzerRueckmeldung: return QStringLiteral("    Benutzer:Rückmeldebefehl    Adr.= ") + a + z;
    case Befehlsart::NutzerPause: return QStringLiteral("    Benutzer:Pause einfügen           ") + a + QStringLiteral(" s");
    case Befehlsart::NutzerFSAufruf:
        return (b[Befehl::Zustand] == 1 ? QStringLiteral("    Benutzer:Fahrst.per belegt aufruf.")
                                        : QStringLiteral("    Benutzer:Fahrst.per frei aufrufen "))
             + a + QStringLiteral("(Rückm.adr.)");
    case Befehlsart::NutzerFSNummer:
        switch (b[Befehl::Zustand]) {
        case 1: return QStringLiteral("    Benutzer:Fahrstraßennummer:       ") + a;
        case 2: return QStringLiteral("    Benutzer:Fahrstraße verriegeln:   ") + a;
        default: return QStringLiteral("    Benutzer:Fahrstraße entriegeln:   ") + a;
        }
    default: return QStringLiteral("    Befehlsart ") + QString::number(b[Befehl::Befehlsart]);
    }
}

QList<FstZeile> fstListenZeilen(int r, int s)
{
    const Fahrstrasse& fs = FSDaten[size_t(r)];
    const int ziel = Get_Ziel_Zust(r);
    const int frei = fs.Aufloesen[3];
    QList<FstZeile> zeilen{
        FstZeile{QStringLiteral("Name       :") + fs.Name, FstZeilenWert::Name},
        {QStringLiteral("Starttaste : ") + feldText(fs.Start) + QStringLiteral(" Fahrstr.Nr.: ") + zwei(fs.Start[2]),
         FstZeilenWert::Start},
        {QStringLiteral("Zieltaste  : ") + feldText(fs.Ziel) + QStringLiteral(" Adr: ") + vier(Get_Ziel_Adr(r))
             + (ziel == 0 ? QStringLiteral(" rot    ") : ziel == 1 ? QStringLiteral(" grün   ") : QString()),
         FstZeilenWert::Ziel},
        {QStringLiteral("Auflösen   : ") + feldText(fs.Aufloesen) + QStringLiteral(" Adr: ")
             + vier(Get_Aufloesen_Adr(r))
             + (frei == 2 ? QStringLiteral(" frei   ") : frei == 3 ? QStringLiteral(" besetzt") : QString()),
         FstZeilenWert::Aufloesen},
        {QStringLiteral("LocoNet-Kom. für den Fahrstraßenaufruf: "), FstZeilenWert::LocoNet},
        {QStringLiteral("    ") + vier(Int_to_UWord(fs.Rueckmeldeadressen[size_t(2 * s)]))
             + kommandoText(fs.Rueckmeldeadressen[size_t(2 * s + 1)]),
         FstZeilenWert::LocoNet},
        {QStringLiteral("Route :"), FstZeilenWert::Ueberschrift},
        {QStringLiteral(" X= Y= Befehlsdaten:"), FstZeilenWert::Ueberschrift},
    };
    for (int e : RouteKette(r, s)) {
        const RouteBefehl& b = fs.Route[size_t(s)][size_t(e)];
        const bool feld = b[Befehl::X] != 0 && b[Befehl::Y] != 0;
        zeilen.append({QStringLiteral(" ") + (feld ? zwei(b[Befehl::X]) : QStringLiteral("--")) + QStringLiteral(" ")
                           + (feld ? zwei(b[Befehl::Y]) : QStringLiteral("--")) + QStringLiteral(" ")
                           + fstBefehlText(r, s, e),
                       e});
    }
    return zeilen;
}

bool fstZeileAenderbar(int r, int s, int zeile, int wert)
{
    if (zeile >= FstKopfZeilen) {
        if (!befehlBelegt(r, s, wert))
            return false;
        const int art = liste(r, s)[size_t(wert)][Befehl::Befehlsart];
        return art == Befehlsart::Weiche || art >= Befehlsart::NutzerMagnetartikel;
    }
    return zeile == 0 || zeile == 3 || zeile == 5;
}

bool fstBefehlVerschieben(int r, int s, int e, bool hoch)
{
    if (!fahrstrasseVorhanden(r) || (s != 0 && s != 1))
        return false;
    Liste& l = liste(r, s);
    if (!befehlBelegt(r, s, e))
        return false;
    auto& b = l[size_t(e)];
    const int p = glied(r, s, b[Befehl::Vorgaenger]);
    const int n = glied(r, s, b[Befehl::Nachfolger]);
    auto link = [](int slot) { return int16_t(slot > 0 ? slot : KeinGlied); };
    if (hoch) {
        if (p < 0)
            return false;
        const int pp = glied(r, s, l[size_t(p)][Befehl::Vorgaenger]);
        if (pp > 0)
            l[size_t(pp)][Befehl::Nachfolger] = int16_t(e);
        if (n > 0)
            l[size_t(n)][Befehl::Vorgaenger] = int16_t(p);
        b[Befehl::Vorgaenger] = link(pp);
        b[Befehl::Nachfolger] = int16_t(p);
        l[size_t(p)][Befehl::Vorgaenger] = int16_t(e);
        l[size_t(p)][Befehl::Nachfolger] = link(n);
    } else {
        if (n < 0)
            return false;
        const int nn = glied(r, s, l[size_t(n)][Befehl::Nachfolger]);
        if (p > 0)
            l[size_t(p)][Befehl::Nachfolger] = int16_t(n);
        if (nn > 0)
            l[size_t(nn)][Befehl::Vorgaenger] = int16_t(e);
        b[Befehl::Vorgaenger] = int16_t(n);
        b[Befehl::Nachfolger] = link(nn);
        l[size_t(n)][Befehl::Vorgaenger] = link(p);
        l[size_t(n)][Befehl::Nachfolger] = int16_t(e);
    }
    return true;
}

void fstAlleLoeschen()
{
    while (FSAnzahl >= 0)
        DelFS(FSAnzahl);
}
