#include "print/PartsOrderList.h"

#include "core/PartsList.h"
#include "print/TextPages.h"
#include "project/DeskRecord.h"

namespace {
struct Bestellartikel {
    int32_t artikel;
    const char* beschreibung;
};

const Bestellartikel artikelTabelle[18] = {
    {54530, "6 Kunststoffsegment"},
    {54640, "2 Kreuz-Verbindungsplatinen"},
    {54642, "4 Verbindungsplatinen"},
    {54644, "2 Verbindungsplatinen mit Ausleuchtung"},
    {54650, "1 Weichenplatine"},
    {54660, "1 Signalplatine"},
    {54670, "1 Fahrstraßenspeicher"},
    {54680, "1 Zugnummernanzeige"},
    {54730, "1 Fahrregler"},
    {54430, "Tessaro Basis-Set"},
    {54440, "Tessaro Erweiterungs-Set"},
    {54690, "3-Tastensegment"},
    {54700, "Joystick"},
    {54710, "Signalpaltine Linksverkehr"},
    {54432, "Tessaro Basis-Set Linksverkehr"},
    {54442, "Tessaro Erweiterungs-Set Linksver."},
    {54480, "Speiseteil (alt, nicht mehr lieferbar)"},
    {54490, "Speiseteil"},
};

constexpr int druckReihenfolge[18] = {0, 1, 2, 3, 4, 5, 13, 6, 7, 8, 11, 12, 9, 10, 14, 15, 16, 17};
constexpr int Beschreibungsbreite = 40;

void schreiben(QStringList& zeilen, int n, const QString& text)
{
    while (zeilen.size() <= n)
        zeilen << QString();
    zeilen[n] = text;
}

QString posten(int klasse, int32_t anzahl, bool mitArtikel)
{
    int32_t artikel = 0;
    QString beschreibung;
    prt_bestell(klasse, artikel, beschreibung);
    const QString vorn = mitArtikel ? QStringLiteral("  ") + QString::number(artikel) + QStringLiteral("    ")
                                    : QStringLiteral("           ");
    return vorn + beschreibung.leftJustified(Beschreibungsbreite) + QStringLiteral("  :  ") + QString::number(anzahl);
}
} // namespace

void prt_bestell(int klasse, int32_t& artikel, QString& beschreibung)
{
    if (klasse < 0 || klasse > 17)
        return;
    artikel = artikelTabelle[klasse].artikel;
    beschreibung = QString::fromUtf8(artikelTabelle[klasse].beschreibung);
}

QStringList prt_stk_list()
{
    calc_stueckliste();
    QStringList zeilen;
    schreiben(zeilen, 1, QStringLiteral(" Tessaro Editor "));
    schreiben(zeilen, 2, QStringLiteral("              Projekt: ") + PultDaten.PultName);
    schreiben(zeilen, 4, QStringLiteral("           Stückliste: "));
    schreiben(zeilen, 5, QStringLiteral("           Bezeichnung des Einzelteils                Anzahl"));
    int n = 6;
    for (int k : druckReihenfolge)
        if (StkAnzahl[size_t(k)] > 0)
            schreiben(zeilen, ++n, posten(k, StkAnzahl[size_t(k)], false));
    n += 2;
    schreiben(zeilen, n, QStringLiteral("           unverbindliche Bestellliste: "));
    schreiben(zeilen, ++n, QStringLiteral(" Art.Nr.:  Artikelbezeichnung:                        Anzahl"));
    schreiben(zeilen, ++n, QString());
    for (int k : druckReihenfolge)
        if (StkBestell[size_t(k)] > 0)
            schreiben(zeilen, ++n, posten(k, StkBestell[size_t(k)], true));
    return zeilen;
}

void StuecklistenListe::seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const
{
    if (seite != 1)
        return;
    textSchriftSetzen(p, ziel);
    const QStringList zeilen = prt_stk_list();
    for (int n = 1; n < zeilen.size(); ++n)
        prt_z(p, ziel, n, zeilen[n]);
}
