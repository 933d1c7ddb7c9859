#include "project/LncvFile.h"

#include "core/Cp1252.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "project/ProjectFileIo.h"

#include <QDir>
#include <algorithm>

#include <cstdio>

namespace {
constexpr int MaxStellen = 5;   // 65535 and index 2047 need at most five digits

// "  0=   203 ; ": the number in 3 places, the value in 5, five entries a line.
void eintragAnhaengen(QByteArray& b, int i, int16_t wert)
{
    char eintrag[24];
    const int laenge = std::snprintf(eintrag, sizeof eintrag, "%3d= %5d %s", i, int(Int_to_UWord(wert)),
                                     i % 5 == 4 ? "\r\n" : "; ");
    b.append(eintrag, laenge);
}

// A number being read digit by digit.
struct Ziffern {
    int wert = 0;
    int stellen = 0;
    bool leer() const { return stellen == 0; }
    void leeren() { wert = stellen = 0; }
};

// Walks the characters of the file as the module files have always been read.
class LncvLeser {
public:
    LncvLeser(int n, LncvInhalt& ziel) : n(n), ziel(ziel), gegeben(size_t(std::max(n, 0))) {}

    bool zeichen(char c)
    {
        const bool zeilenEnde = c == '\r' || c == '\n';
        switch (zustand) {
        case Zwischen: return zwischen(c, zeilenEnde);
        case Wert: return wert(c, zeilenEnde);
        case Beschreibung:
            if (ueberspringen > 0)
                --ueberspringen;
            else if (zeilenEnde)
                zustand = Zwischen;
            else
                beschreibung += c;
            return true;
        case Kommentar:
            if (zeilenEnde)
                zustand = Zwischen;
            return true;
        }
        return true;
    }

    bool ende()
    {
        if (zustand == Wert && !wertSpeichern())
            return false;
        if (!artikelGelesen)
            return fehler(QStringLiteral("Die Zeile mit der Artikelnummer fehlt."));
        ziel.text += Cp1252::decode(beschreibung);
        return true;
    }

    QString meldung;

private:
    enum Zustand { Zwischen, Wert, Beschreibung, Kommentar };

    bool fehler(const QString& text)
    {
        meldung = text;
        return false;
    }

    bool ziffer(Ziffern& z, char c)
    {
        z.wert = z.wert * 10 + (c - '0');
        return ++z.stellen <= MaxStellen
            || fehler(QStringLiteral("Die Zahl ") + QString::number(z.wert) + QStringLiteral("... ist zu lang."));
    }

    bool zwischen(char c, bool zeilenEnde)
    {
        if (c >= '0' && c <= '9')
            return ziffer(index, c);
        if (c == '=') {
            if (index.leer())
                return fehler(QStringLiteral("Ein Eintrag hat keine LNCV-Nummer."));
            i = index.wert;
            index.leeren();
            if (i >= n)
                return fehler(QStringLiteral("Die LNCV-Nummer ") + QString::number(i)
                              + QStringLiteral(" liegt außerhalb von 0 bis ") + QString::number(n - 1) + '.');
            zustand = Wert;
        } else if (c == ':') {
            ziel.artikelNr = index.wert;
            artikelGelesen = true;
            index.leeren();
        } else if (c == '/') {
            zustand = Kommentar;
        } else if (zeilenEnde || c == ';') {
            index.leeren();
        } else if (c == '!') {
            index.leeren();
            ueberspringen = 2;
            zustand = Beschreibung;
        }
        return true;
    }

    bool wert(char c, bool zeilenEnde)
    {
        if (c >= '0' && c <= '9')
            return ziffer(wertZiffern, c);
        if (!zeilenEnde && c != ';' && c != '/')
            return true;
        if (!wertSpeichern())
            return false;
        zustand = c == '/' ? Kommentar : Zwischen;
        if (c == ';')
            index.leeren();
        return true;
    }

    bool wertSpeichern()
    {
        if (wertZiffern.leer())
            return fehler(QStringLiteral("LNCV ") + QString::number(i) + QStringLiteral(" hat keinen Wert."));
        const int w = wertZiffern.wert;
        wertZiffern.leeren();
        if (w > 65535)
            return fehler(QStringLiteral("Der Wert ") + QString::number(w) + QStringLiteral(" von LNCV ")
                          + QString::number(i) + QStringLiteral(" ist größer als 65535."));
        ziel.werte[size_t(i)] = int16_t(UWord_to_Int(w));
        if (!gegeben[size_t(i)]) {
            gegeben[size_t(i)] = true;
            ++ziel.anzahl;
        }
        return true;
    }

    const int n;
    LncvInhalt& ziel;
    Zustand zustand = Zwischen;
    Ziffern index, wertZiffern;
    QByteArray beschreibung;
    std::vector<bool> gegeben;
    int i = 0;
    int ueberspringen = 0;
    bool artikelGelesen = false;
};
} // namespace

bool hatLncvDatei(int32_t artikel)
{
    switch (artikel) {
    case 54650: case 54660: case 54670: case 54680: case 54690: case 54700: case 54710:
        return true;
    default:
        return false;
    }
}

QByteArray lncvDateiInhalt(int32_t artikelNr, const int16_t* werte, int n, const QString& text)
{
    QByteArray b;
    b.reserve(120 + n * 14);
    b += Cp1252::encode(dateiKopf()) + "\r\n";
    b += "!: " + Cp1252::encode(text) + "\r\n";
    b += QByteArray::number(artikelNr) + ":\r\n";
    for (int i = 0; i < n; ++i)
        eintragAnhaengen(b, i, werte[i]);
    return b;
}

bool save_lncv(int32_t artikelNr, const int16_t* werte, int n, const QString& datei, const QString& text,
               QString& fehler)
{
    return dateiSchreiben(datei, lncvDateiInhalt(artikelNr, werte, n, text), fehler);
}

bool lncvLesen(const QByteArray& bytes, int n, LncvInhalt& ziel, QString& fehler)
{
    ziel = LncvInhalt{};
    ziel.werte.assign(size_t(std::max(n, 0)), 0);
    LncvLeser leser(n, ziel);
    for (char c : bytes)
        if (!leser.zeichen(c)) {
            fehler = leser.meldung;
            return false;
        }
    if (leser.ende())
        return true;
    fehler = leser.meldung;
    return false;
}

bool lncvDateiLesen(const QString& datei, int n, LncvInhalt& ziel, QString& fehler)
{
    QByteArray bytes;
    if (!dateiLesen(datei, MaxLncvDateiBytes, bytes, fehler))
        return false;
    QString grund;
    if (lncvLesen(bytes, n, ziel, grund))
        return true;
    fehler = QStringLiteral("Die LNCV-Datei ") + QDir::toNativeSeparators(datei) + QStringLiteral(" ist fehlerhaft:\r\n")
        + grund;
    return false;
}

QString lncvBeschreibung(const QString& datei)
{
    for (const QString& zeile : Cp1252::zeilen(dateiAnfang(datei, 1024)))
        if (zeile.startsWith(QStringLiteral("!:")))
            return zeile;
    return {};
}

bool lncvArtikelPruefen(const QString& datei, const LncvInhalt& inhalt, int32_t lncvArtikel, QString& fehler)
{
    if (inhalt.artikelNr == lncvArtikel)
        return true;
    fehler = QStringLiteral("Die LNCV-Datei ") + QDir::toNativeSeparators(datei)
        + QStringLiteral(" gehört nicht zu diesem Modul:\r\nsie nennt den Artikel ") + QString::number(inhalt.artikelNr)
        + QStringLiteral(" statt ") + QString::number(lncvArtikel) + QLatin1Char('.');
    return false;
}

bool load_lncv(int32_t& artikelNr, int16_t* werte, int n, const QString& datei, QString& text, QString& fehler)
{
    LncvInhalt inhalt;
    if (!lncvDateiLesen(datei, n, inhalt, fehler))
        return false;
    artikelNr = inhalt.artikelNr;
    std::copy(inhalt.werte.begin(), inhalt.werte.end(), werte);
    text += inhalt.text;
    return true;
}

bool File_exist(const QString& datei)
{
    QString fehler;
    switch (dateiPruefen(datei, fehler)) {
    case DateiZustand::Da: return true;
    case DateiZustand::Fehlt: return false;
    case DateiZustand::Fehler: break;
    }
    MsgBox(fehler, Msg::NurOk | Msg::Kritisch, QStringLiteral("Laden_und_Speichern : File_exist"));
    return false;
}
