#include "print/TextPages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

TextSeiten::TextSeiten(DruckArt a)
    : art(a)
{
}

void TextSeiten::NeueSeite()
{
    QStringList zeilen;
    for (int n = 0; n <= SeitenZeilen; ++n)
        zeilen << QString();
    const QString nummer = QString::number(anzahl() + 1);
    if (art == DruckArt::Fahrstrassen)
        zeilen[1] = QStringLiteral(" --- Fahrstraßen Liste --- Seite: ") + nummer + QStringLiteral(" ---");
    else if (art == DruckArt::ModulProg)
        zeilen[1] = QStringLiteral(" --- Modul Programmierung --- Seite: ") + nummer + QStringLiteral(" ---");
    seiten.push_back(zeilen);
    AktZeile = 3;
}

void TextSeiten::PrtTxt(const QString& text)
{
    if (anzahl() == 0)
        NeueSeite();
    seiten.back()[AktZeile] = text;
    if (++AktZeile > SeitenZeilen)
        NeueSeite();
}

QString Zustand(int code)
{
    switch (code) {
    case 0: return QStringLiteral(" rot   ");
    case 1: return QStringLiteral(" grün  ");
    case 2: return QStringLiteral(" frei  ");
    case 3: return QStringLiteral(" belegt");
    default: return {};
    }
}

void textSchriftSetzen(QPainter& p, const AusgabeZiel& ziel)
{
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    // The preview shows the page shrunk as a whole, so its lines keep their length.
    schrift.setPixelSize(std::max(1, qRound(10 * TwipsProPunkt * (ziel.drucker ? 1.0 : ziel.skala))));
    p.setFont(schrift);
    p.setPen(Qt::black);
}

void prt_z(QPainter& p, const AusgabeZiel& ziel, int n, const QString& text)
{
    if (text.isEmpty())
        return;
    const double x = ziel.drucker ? 800.0 : 400.0 * ziel.skala;
    const double y = ziel.drucker ? 300.0 * n : 300.0 * n * ziel.skala - 100.0;
    // The position is the top of the line, as the text cursor of a page has it.
    p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), text);
}

void TextListe::seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const
{
    if (seite < 1 || seite > seiten.anzahl())
        return;
    textSchriftSetzen(p, ziel);
    const QStringList& zeilen = seiten.seite(seite);
    for (int n = 1; n <= SeitenZeilen; ++n)
        prt_z(p, ziel, n, zeilen[n]);
}
