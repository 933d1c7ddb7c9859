#include "project/ProjectFileSave.h"

#include "core/CatalogueState.h"
#include "core/Cp1252.h"
#include "core/Desk.h"
#include "core/InfoLines.h"
#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "project/MessageList.h"
#include "project/PendingLncvDeletions.h"
#include "project/ProjectFileIo.h"
#include "project/ProjectFileState.h"
#include "project/ProjectFileWriter.h"
#include "routes/RouteTable.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {
constexpr int MaxGemeldeteDoppel = 5;

bool fehlschlag(const QString& text)
{
    MsgBox(text, Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler beim Speichern"));
    return false;
}

QString beschreibung(int x, int y)
{
    return QStringLiteral(" Modul aus ") + PultDatei + QStringLiteral(" an Pos. (x,y)= ") + QString::number(x)
        + QStringLiteral(", ") + QString::number(y);
}

// The values to write with the mark set in the copy when the module carries it.
template <size_t N>
LncvAusgabe ausgabe(int x, int y, int32_t artikel, std::array<int16_t, N>& lncv, const std::array<int16_t, N>& kopie,
                    int n, int markeNr)
{
    LncvAusgabe a{lncvModulDatei(artikel, lncv[0]), {}, x, y, nullptr};
    std::array<int16_t, N> werte = lncv;
    if (aenderungZuMarkieren(lncv.data(), kopie.data(), n)) {
        werte[size_t(markeNr)] = AenderungsMarke;
        a.marke = &lncv[size_t(markeNr)];
    }
    a.inhalt = lncvDateiInhalt(artikel / 10, werte.data(), n, beschreibung(x, y));
    return a;
}

void feldAusgaben(int x, int y, std::vector<LncvAusgabe>& liste)
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    const KatalogEintrag& e = ElementKatalog[size_t(f.ElementIndex)];
    if (e.ArtikelNr == FSSpeicherArtikel) {
        for (FSSpeicherModul& m : FSSpeicher)
            if (m.X == x && m.Y == y)
                liste.push_back(ausgabe(x, y, e.ArtikelNr, m.LNCV, m.ProgKopie, LncvAnzahlFSSpeicher, MarkeLncvFSSpeicher));
    } else if (hatLncvDatei(e.ArtikelNr)) {
        const int n = std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul);
        liste.push_back(ausgabe(x, y, e.ArtikelNr, f.LNCV, f.ProgKopie, n, MarkeLncvModul));
    }
}

QString position(const LncvAusgabe& a)
{
    return QStringLiteral("(") + QString::number(a.x) + QStringLiteral(",") + QString::number(a.y) + QStringLiteral(")");
}

// Modules with the same article and address would write the same file: the
// first of them keeps it. Each shared file with the positions of its modules.
QStringList doppelteDateienAussortieren(std::vector<LncvAusgabe>& liste)
{
    QHash<QString, QString> positionen;
    QStringList reihenfolge;
    std::vector<LncvAusgabe> einmal;
    for (LncvAusgabe& a : liste) {
        if (!positionen.contains(a.pfad)) {
            positionen.insert(a.pfad, position(a));
            einmal.push_back(std::move(a));
            continue;
        }
        if (!reihenfolge.contains(a.pfad))
            reihenfolge << a.pfad;
        positionen[a.pfad] += QStringLiteral(", ") + position(a);
    }
    liste = std::move(einmal);
    QStringList doppel;
    for (const QString& pfad : reihenfolge)
        doppel << QFileInfo(pfad).fileName() + QStringLiteral(": Pos. ") + positionen.value(pfad);
    return doppel;
}

bool trotzdemSpeichern(const QStringList& doppel)
{
    const QString frage = QStringLiteral("Mehrere Module würden dieselbe LNCV-Datei schreiben:\r\n")
        + aufzaehlung(doppel, MaxGemeldeteDoppel)
        + QStringLiteral("\r\nJede dieser Dateien kann nur die Werte des zuerst genannten Moduls aufnehmen. "
                         "Beim nächsten Laden erhalten die anderen genannten Module ebenfalls diese Werte; "
                         "ihre eigenen Werte gehen verloren.\r\n"
                         "Geben Sie den Modulen verschiedene Moduladressen (LNCV 0), um das zu vermeiden.\r\n"
                         "Trotzdem speichern?");
    return MsgBox(frage, Msg::JaNein | Msg::Frage, QStringLiteral("Speichern")) == Msg::Ja;
}

bool lncvDateienSchreiben(const std::vector<LncvAusgabe>& liste, QString& fehler)
{
    std::vector<DateiAuftrag> auftraege;
    auftraege.reserve(liste.size());
    for (const LncvAusgabe& a : liste)
        auftraege.push_back({a.pfad, a.inhalt});
    FeldFortschritt fortschritt;
    const bool ok = dateienSchreiben(auftraege, fehler, [&](size_t fertig) {
        if (fertig > 0)
            fortschritt.zeigen(liste[fertig - 1].x, liste[fertig - 1].y);
    });
    fortschritt.fertig();
    return ok;
}

// The LNCV files of the connection modules: article 54480 or 54490, "_", address.
bool anschlussDateienMitnehmen(const QString& altVerz, const QString& neuVerz, QString& fehler)
{
    if (altVerz.isEmpty() || QDir(altVerz).canonicalPath() == QDir(neuVerz).canonicalPath())
        return true;
    const QDir alt(altVerz);
    for (const QString& name : alt.entryList({QStringLiteral("54480_*.lcv"), QStringLiteral("54490_*.lcv")}, QDir::Files)) {
        QByteArray inhalt;
        if (!dateiLesen(alt.filePath(name), inhalt, fehler) || !dateiSchreiben(neuVerz + name, inhalt, fehler))
            return false;
    }
    return true;
}
} // namespace

std::vector<LncvAusgabe> lncvAusgaben()
{
    std::vector<LncvAusgabe> liste;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            feldAusgaben(x, y, liste);
    return liste;
}

bool Save_plt()
{
    InfoTxt_anzeigen(1, QStringLiteral("Speichern"));
    std::vector<LncvAusgabe> lncv = lncvAusgaben();
    const QStringList doppel = doppelteDateienAussortieren(lncv);
    if (!doppel.isEmpty() && !trotzdemSpeichern(doppel))
        return false;
    QString fehler;
    QStringList zeilen = projektDateiZeilen();
    zeilen.prepend(dateiKopf());
    if (!lncvDateienSchreiben(lncv, fehler)
        || !dateienSchreiben({{PultVerz + PultDatei, Cp1252::datei(zeilen)}}, fehler))
        return fehlschlag(fehler);
    for (const LncvAusgabe& a : lncv)
        if (a.marke)
            *a.marke = AenderungsMarke;
    vorgemerkteLncvDateienLoeschen();
    projektAlsGespeichertMerken();
    return true;
}

bool pultSpeichernUnter(const QString& pfad)
{
    const qsizetype strich = pfad.lastIndexOf(QLatin1Char('/'));
    const QString neuVerz = pfad.left(strich + 1), neueDatei = pfad.mid(strich + 1);
    QString fehler;
    if (!anschlussDateienMitnehmen(PultVerz, neuVerz, fehler))
        return fehlschlag(fehler);
    const QString altVerz = PultVerz, altDatei = PultDatei;
    PultVerz = neuVerz;
    PultDatei = neueDatei;
    if (Save_plt())
        return true;
    PultVerz = altVerz;
    PultDatei = altDatei;
    return false;
}
