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
#include "project/ModuleFiles.h"
#include "project/SaveJournal.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteTable.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

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

// One LNCV file to write, with the value that takes the change mark once
// the save has succeeded (null when the module carries no mark).
struct LncvAusgabe {
    QString pfad;
    QByteArray inhalt;
    int x = 0, y = 0;
    int16_t* marke = nullptr;
};

// The values to write, with the mark set in the copy when the module carries it.
LncvAusgabe ausgabe(const ModulDatei& d)
{
    LncvAusgabe a{PultVerz + d.name, {}, d.x, d.y, nullptr};
    std::vector<int16_t> werte(d.lncv, d.lncv + std::max(d.n, d.markeNr + 1));
    if (aenderungZuMarkieren(d.lncv, d.kopie, d.n)) {
        werte[size_t(d.markeNr)] = AenderungsMarke;
        a.marke = &d.lncv[d.markeNr];
    }
    a.inhalt = lncvDateiInhalt(d.artikel / 10, werte.data(), d.n, beschreibung(d.x, d.y));
    return a;
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

// The LNCV files of the connection modules, written only by their dialog,
// as files of the new folder.
bool anschlussDateienLesen(const QString& altVerz, const QString& neuVerz, std::vector<DateiAuftrag>& dateien,
                           QString& fehler)
{
    if (altVerz.isEmpty() || QDir(altVerz).canonicalPath() == QDir(neuVerz).canonicalPath())
        return true;
    const QDir alt(altVerz);
    for (const QString& name : alt.entryList({QStringLiteral("*.lcv")}, QDir::Files)) {
        if (!istAnschlussModulDatei(name))
            continue;
        dateien.push_back({neuVerz + name, {}});
        if (!dateiLesen(alt.filePath(name), MaxLncvDateiBytes, dateien.back().inhalt, fehler))
            return false;
    }
    return true;
}

// The other project files of the folder, by the name that the description
// lines of their LNCV files give them: a character that Windows-1252 lacks
// is a "?" there, so that names differing only in such characters share one.
QMultiHash<QString, QString> andereProjekte()
{
    QMultiHash<QString, QString> projekte;
    for (const QString& name : QDir(PultVerz).entryList({QStringLiteral("*.plt")}, QDir::Files))
        if (name != PultDatei)
            projekte.insert(projektNameInModulDatei(name), name);
    return projekte;
}

// The other project files of the folder whose LNCV files the save would replace.
QStringList fremdeProjekte(const std::vector<DateiAuftrag>& dateien)
{
    static const QRegularExpression projekt(QStringLiteral("aus (.+?)(?: an Pos\\.|\\s*$)"));
    const QMultiHash<QString, QString> andere = andereProjekte();
    QStringList fremde;
    for (const DateiAuftrag& d : dateien)
        for (const QString& name : andere.values(projekt.match(lncvBeschreibung(d.pfad)).captured(1)))
            if (!fremde.contains(name))
                fremde << name;
    return fremde;
}

bool fremdeDateienErsetzen(const std::vector<DateiAuftrag>& dateien)
{
    const QStringList fremde = fremdeProjekte(dateien);
    if (fremde.isEmpty())
        return true;
    const QString frage = QStringLiteral("Im Ordner ") + QDir::toNativeSeparators(PultVerz)
        + QStringLiteral(" liegt ein anderes Projekt:\r\n") + aufzaehlung(fremde, MaxGemeldeteDoppel)
        + QStringLiteral("\r\nSpeichern als ") + PultDatei
        + QStringLiteral(" ersetzt LNCV-Dateien, die zu diesem Projekt gehören; beim nächsten Laden erhielte es "
                         "die Werte von ")
        + PultDatei + QStringLiteral(".\r\nTrotzdem speichern?");
    return MsgBox(frage, Msg::JaNein | Msg::Frage, QStringLiteral("Pult speichern unter")) == Msg::Ja;
}

// Writes the project file and the LNCV files of the desk, with the files
// given, as one save.
bool speichern(std::vector<DateiAuftrag> dateien, bool unter)
{
    InfoTxt_anzeigen(1, QStringLiteral("Speichern"));
    fsCodeNachfuehren();
    const std::vector<ModulDatei> module = modulDateien();
    std::vector<LncvAusgabe> lncv;
    lncv.reserve(module.size());
    for (const ModulDatei& d : module)
        lncv.push_back(ausgabe(d));
    const QStringList doppel = doppelteDateienAussortieren(lncv);
    if (!doppel.isEmpty() && !trotzdemSpeichern(doppel))
        return false;
    dateien.reserve(dateien.size() + lncv.size() + 1);
    for (const LncvAusgabe& a : lncv)
        dateien.push_back({a.pfad, a.inhalt});
    if (unter && !fremdeDateienErsetzen(dateien))
        return false;
    QStringList zeilen = projektDateiZeilen(module);
    zeilen.prepend(dateiKopf());
    dateien.push_back({PultVerz + PultDatei, Cp1252::datei(zeilen)});
    QString fehler;
    FeldFortschritt fortschritt;
    const bool ok = alleDateienSchreiben(dateien, PultVerz + PultDatei, fehler, [&](size_t fertig) {
        if (fertig > 0 && fertig <= lncv.size())
            fortschritt.zeigen(lncv[fertig - 1].x, lncv[fertig - 1].y);
    });
    fortschritt.fertig();
    if (!ok)
        return fehlschlag(fehler);
    for (const LncvAusgabe& a : lncv)
        if (a.marke)
            *a.marke = AenderungsMarke;
    vorgemerkteLncvDateienLoeschen();
    projektAlsGespeichertMerken();
    return true;
}
} // namespace

bool Save_plt()
{
    return speichern({}, false);
}

bool pultSpeichernUnter(const QString& pfad)
{
    const qsizetype strich = pfad.lastIndexOf(QLatin1Char('/'));
    const QString neuVerz = pfad.left(strich + 1), neueDatei = pfad.mid(strich + 1);
    QString fehler;
    std::vector<DateiAuftrag> anschluesse;
    if (!anschlussDateienLesen(PultVerz, neuVerz, anschluesse, fehler))
        return fehlschlag(fehler);
    const QString altVerz = PultVerz, altDatei = PultDatei;
    PultVerz = neuVerz;
    PultDatei = neueDatei;
    if (speichern(std::move(anschluesse), true))
        return true;
    PultVerz = altVerz;
    PultDatei = altDatei;
    return false;
}
