#include "core/Catalogue.h"

#include "core/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <map>

// A catalogue file is a sequence of items separated by commas or line ends;
// the line ends carry no structure of their own. The reader walks the items
// record by record and refuses the file at the first item that does not fit,
// naming the record so that the file can be mended.

namespace {

struct Posten {
    QString text;
    int zeile = 0;
};

QString katalogFehler(const QString& pfad, const QString& text)
{
    return QStringLiteral("Fehler in der Katalogdatei \"%1\":\r\n%2").arg(QDir::toNativeSeparators(pfad), text);
}

bool istLeerzeichen(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Splits one line into items. Blanks around an item are dropped; an item in
// double quotes keeps its commas and blanks; a record may go on in the next
// line after a comma. False on an unclosed quote or on
// text between a closing quote and the next comma.
// Every character is looked at a fixed number of times, so the time grows
// with the length of the line.
bool zerlegeZeile(const QString& zeile, int nr, QList<Posten>& posten)
{
    const qsizetype n = zeile.size();
    // Past the last character that is not white space the line has nothing more.
    qsizetype sichtbar = n;
    while (sichtbar > 0 && zeile[sichtbar - 1].isSpace())
        --sichtbar;
    if (sichtbar == 0)
        return true;
    qsizetype i = 0;
    for (;;) {
        while (i < n && istLeerzeichen(zeile[i]))
            ++i;
        if (i < n && zeile[i] == QLatin1Char('"')) {
            const qsizetype ende = zeile.indexOf(QLatin1Char('"'), i + 1);
            if (ende < 0)
                return false;
            posten.append({zeile.mid(i + 1, ende - i - 1), nr});
            i = ende + 1;
            while (i < n && istLeerzeichen(zeile[i]))
                ++i;
            if (i < n && zeile[i] != QLatin1Char(','))
                return false;
        } else {
            qsizetype ende = zeile.indexOf(QLatin1Char(','), i);
            if (ende < 0)
                ende = n;
            posten.append({zeile.mid(i, ende - i).trimmed(), nr});
            i = ende;
        }
        if (i >= n)
            return true;
        ++i; // the comma; one at the end of the line only ends the item
        if (i >= sichtbar)
            return true;
    }
}

class KatalogLeser {
public:
    KatalogLeser(const QString& pfad, QString& fehler) : pfad_(pfad), fehler_(fehler) {}

    bool zerlege(const QByteArray& inhalt);
    bool liesElemente(std::vector<KatalogEintrag>& eintraege);
    bool liesGrundplatten(std::vector<GrundplattenEintrag>& platten);
    bool pruefeElemente(const std::vector<KatalogEintrag>& eintraege);

private:
    bool melde(const QString& text);
    bool meldeHier(const QString& text) { return melde(ort_ + QStringLiteral(": ") + text); }
    bool ende() const { return pos_ >= posten_.size(); }
    bool text(QString& ziel, const char* was);
    bool zahl(qint64& ziel, const char* was, qint64 min, qint64 max);
    template <typename T> bool zahl(T& ziel, const char* was, qint64 min, qint64 max)
    {
        qint64 wert = 0;
        if (!zahl(wert, was, min, max))
            return false;
        ziel = static_cast<T>(wert);
        return true;
    }
    bool liesElement(KatalogEintrag& e, int nr);
    bool liesZusatz(KatalogEintrag& e);
    void setzeOrt(const QString& art, int nr, int zeile, const QString& name);

    QString pfad_;
    QString& fehler_;
    QList<Posten> posten_;
    qsizetype pos_ = 0;
    QString ort_;
};

bool KatalogLeser::melde(const QString& text)
{
    fehler_ = katalogFehler(pfad_, text);
    return false;
}

void KatalogLeser::setzeOrt(const QString& art, int nr, int zeile, const QString& name)
{
    ort_ = QStringLiteral("%1 %2 (Zeile %3, \"%4\")").arg(art).arg(nr).arg(zeile).arg(name);
}

bool KatalogLeser::zerlege(const QByteArray& inhalt)
{
    const QStringList zeilen = Cp1252::zeilen(inhalt);
    for (int i = 0; i < zeilen.size(); ++i)
        if (!zerlegeZeile(zeilen[i], i + 1, posten_))
            return melde(QStringLiteral("Zeile %1: ein Anführungszeichen ist nicht richtig geschlossen.").arg(i + 1));
    return true;
}

bool KatalogLeser::text(QString& ziel, const char* was)
{
    if (ende())
        return meldeHier(QStringLiteral("Der Eintrag ist unvollständig, die Datei endet vor der Angabe \"%1\".")
                             .arg(QLatin1String(was)));
    ziel = posten_[pos_++].text;
    return true;
}

bool KatalogLeser::zahl(qint64& ziel, const char* was, qint64 min, qint64 max)
{
    QString t;
    if (!text(t, was))
        return false;
    // Only digits after an optional minus: a stray character (a NUL byte
    // included) must not cut the number short.
    const QStringView ziffern = t.startsWith(QLatin1Char('-')) ? QStringView(t).mid(1) : QStringView(t);
    const bool nurZiffern = !ziffern.isEmpty()
        && std::all_of(ziffern.begin(), ziffern.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    ziel = nurZiffern ? t.toLongLong(&ok) : 0;
    if (!ok)
        return meldeHier(QStringLiteral("Die Angabe \"%1\" ist keine Zahl: \"%2\".").arg(QLatin1String(was), t));
    if (ziel < min || ziel > max)
        return meldeHier(QStringLiteral("Die Angabe \"%1\" liegt nicht zwischen %2 und %3: %4.")
                             .arg(QLatin1String(was)).arg(min).arg(max).arg(ziel));
    return true;
}

// The items after DrehBasis depend on the article of the element.
bool KatalogLeser::liesZusatz(KatalogEintrag& e)
{
    switch (e.ArtikelNr) {
    case 54650:
    case 54660:
    case 54710:
        e.LNCVAnzahl = 128;
        return zahl(e.ZusatzWert, "ZusatzWert", INT32_MIN, INT32_MAX);
    case 54670:
        e.LNCVAnzahl = 2048;
        return true;
    case 54680:
    case 54690:
    case 54700:
        e.LNCVAnzahl = 128;
        return true;
    case 54730:
        e.Hoehe = 3;
        for (int i = 0; i < e.Breite * e.Hoehe; ++i)
            if (!text(e.Namen[i], "Namen"))
                return false;
        return true;
    default:
        return true;
    }
}

bool KatalogLeser::liesElement(KatalogEintrag& e, int nr)
{
    e.Breite = 1;
    e.Hoehe = 1;
    const int zeile = posten_[pos_].zeile;
    setzeOrt(QStringLiteral("Element-Eintrag"), nr, zeile, posten_[pos_].text);
    if (!text(e.Bild, "Bild") || !text(e.Name, "Name"))
        return false;
    setzeOrt(QStringLiteral("Element-Eintrag"), nr, zeile, e.Name);
    return zahl(e.ArtikelNr, "ArtikelNr", INT32_MIN, INT32_MAX) && zahl(e.ElementNr, "ElementNr", INT16_MIN, INT16_MAX)
        && zahl(e.InPalette, "InPalette", 0, 1) && zahl(e.DrehBasis, "DrehBasis", INT16_MIN, INT16_MAX)
        && liesZusatz(e);
}

bool KatalogLeser::liesElemente(std::vector<KatalogEintrag>& eintraege)
{
    for (int nr = 1;; ++nr) {
        if (ende())
            return melde(QStringLiteral("Das Ende der Elementliste \"###\" fehlt."));
        if (posten_[pos_].text == QLatin1String("###")) {
            ++pos_;
            return true;
        }
        KatalogEintrag e;
        if (!liesElement(e, nr))
            return false;
        if (nr > KatalogMaxEintraege)
            return meldeHier(QStringLiteral("Mehr als %1 Element-Einträge passen nicht in den Katalog.")
                                 .arg(KatalogMaxEintraege));
        eintraege.push_back(e);
    }
}

bool KatalogLeser::liesGrundplatten(std::vector<GrundplattenEintrag>& platten)
{
    int angeboten = 0;
    for (int nr = 1;; ++nr) {
        if (ende())
            return melde(QStringLiteral("Das Ende der Grundplattenliste \"###\" fehlt."));
        if (posten_[pos_].text == QLatin1String("###"))
            return true;
        setzeOrt(QStringLiteral("Grundplatte"), nr, posten_[pos_].zeile, posten_[pos_].text);
        GrundplattenEintrag g;
        if (!text(g.Bild, "Bild") || !zahl(g.ArtikelNr, "ArtikelNr", INT32_MIN, INT32_MAX))
            return false;
        if (nr > GrundplattenMax)
            return meldeHier(QStringLiteral("Mehr als %1 Grundplatten passen nicht in die Liste.").arg(GrundplattenMax));
        if (inGrundplattenPalette(g.ArtikelNr) && ++angeboten > GrundplattenPaletteMax)
            return meldeHier(QStringLiteral("Mehr als %1 Grundplatten passen nicht in die Grundplatten-Palette.")
                                 .arg(GrundplattenPaletteMax));
        platten.push_back(g);
    }
}

QString eintragName(const std::vector<KatalogEintrag>& eintraege, size_t i)
{
    return QStringLiteral("Element-Eintrag %1 (\"%2\")").arg(i + 1).arg(eintraege[i].Name);
}

// The limits of the palette and of the rotation sequences, and the empty element.
bool KatalogLeser::pruefeElemente(const std::vector<KatalogEintrag>& eintraege)
{
    std::map<int, int> folgeLaenge; // DrehBasis -> entries joining it
    for (const KatalogEintrag& e : eintraege)
        if (e.DrehBasis != 0)
            ++folgeLaenge[e.DrehBasis];
    int palette = 0;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].InPalette == 0)
            continue;
        if (++palette > PaletteMaxEintraege)
            return melde(eintragName(eintraege, i)
                         + QStringLiteral(": mehr als %1 Elemente passen nicht in die Palette.").arg(PaletteMaxEintraege));
        if (folgeLaenge[eintraege[i].ElementNr] > DrehFolgeMax)
            return melde(eintragName(eintraege, i)
                         + QStringLiteral(": mehr als %1 Elemente schließen sich seiner Drehfolge an (DrehBasis %2).")
                               .arg(DrehFolgeMax)
                               .arg(eintraege[i].ElementNr));
    }
    for (const KatalogEintrag& e : eintraege)
        if (e.Name == QLatin1String("Leer"))
            return true;
    return melde(QStringLiteral("Es gibt keinen Element-Eintrag mit dem Namen \"Leer\"."));
}

QString fehlendesBild(const QDir& ordner, const QString& bild)
{
    return QFileInfo(ordner.filePath(bild)).isFile() ? QString()
                                                     : QStringLiteral("das Bild \"%1\" fehlt im Ordner \"%2\".")
                                                           .arg(bild, QDir::toNativeSeparators(ordner.path()));
}

// Every picture a record names must lie in the folder of the file.
QString pruefeBilder(const KatalogDatei& datei, const QDir& ordner)
{
    const auto& el = datei.eintraege;
    for (size_t i = 0; i < el.size(); ++i) {
        QStringList bilder{el[i].Bild};
        const int teile = el[i].Breite * el[i].Hoehe;
        for (int t = 0; teile > 1 && t < teile; ++t)
            bilder << el[i].Namen[t];
        for (const QString& b : bilder)
            if (const QString f = fehlendesBild(ordner, b); !f.isEmpty())
                return eintragName(el, i) + QStringLiteral(": ") + f;
    }
    for (size_t j = 0; j < datei.grundplatten.size(); ++j)
        if (const QString f = fehlendesBild(ordner, datei.grundplatten[j].Bild); !f.isEmpty())
            return QStringLiteral("Grundplatte %1 (Artikel %2): ").arg(j + 1).arg(datei.grundplatten[j].ArtikelNr) + f;
    return {};
}

} // namespace

QString katalogDateiName(int verkehr)
{
    switch (verkehr) {
    case 1:
        return QStringLiteral("Elemente_Linksverkehr.cfg");
    case 2:
        return QStringLiteral("Elemente_Beides.cfg");
    default:
        return QStringLiteral("Elemente_Rechtsverkehr.cfg");
    }
}

QString hervorgehobenesBild(const QString& bild)
{
    return bild.section(QLatin1Char('.'), 0, 0) + QStringLiteral("_ausw.bmp");
}

bool liesKatalogEintraege(const QString& pfad, KatalogDatei& ziel, QString& fehler)
{
    ziel = KatalogDatei{};
    KatalogLeser leser(pfad, fehler);
    QFile datei(pfad);
    if (!datei.exists()) {
        fehler = QStringLiteral("Die Katalogdatei \"%1\" fehlt.").arg(QDir::toNativeSeparators(pfad));
        return false;
    }
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler = QStringLiteral("Die Katalogdatei \"%1\" kann nicht gelesen werden:\r\n%2")
                     .arg(QDir::toNativeSeparators(pfad), datei.errorString());
        return false;
    }
    return leser.zerlege(datei.readAll()) && leser.liesElemente(ziel.eintraege)
        && leser.liesGrundplatten(ziel.grundplatten) && leser.pruefeElemente(ziel.eintraege);
}

bool liesKatalogDatei(const QString& pfad, KatalogDatei& ziel, QString& fehler)
{
    if (!liesKatalogEintraege(pfad, ziel, fehler))
        return false;
    const QString bildFehler = pruefeBilder(ziel, QFileInfo(pfad).absoluteDir());
    if (bildFehler.isEmpty())
        return true;
    fehler = katalogFehler(pfad, bildFehler);
    return false;
}
