// Saving and loading a full 99 x 99 desk with a turnout module on every field
// (9,801 LNCV files), each beside the time that plain file copies need to
// write and read the same bytes. The goal is at most three times that. A
// save into a new folder is bound by the cost of creating, syncing and
// renaming one temporary file per LNCV file, printed as the last line.
#include "BenchSupport.h"

#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <vector>

namespace {
struct Datei {
    QString name;
    QByteArray inhalt;
};

double ms(const std::function<void()>& schritt)
{
    QElapsedTimer uhr;
    uhr.start();
    schritt();
    return uhr.nsecsElapsed() / 1e6;
}

std::vector<Datei> alleDateien(const QString& verz)
{
    std::vector<Datei> dateien;
    for (const QString& name : QDir(verz).entryList(QDir::Files)) {
        QFile f(verz + name);
        f.open(QIODevice::ReadOnly);
        dateien.push_back({name, f.readAll()});
    }
    return dateien;
}

void vergleich(const char* was, double zeit, double kopie)
{
    std::printf("%-40s %8.1f ms   plain copies %8.1f ms   ratio %5.2f\n", was, zeit, kopie, zeit / kopie);
}

bool pultAufbauen()
{
    int weiche = -1;
    for (int i = 0; i < KatalogAnzahl && weiche < 0; ++i)
        if (ElementKatalog[size_t(i)].ArtikelNr == 54650)
            weiche = i;
    if (weiche < 0)
        return false;
    PultDaten.PultOpt_ZS_AdrOpt = 1;
    PultDaten.PultName = QStringLiteral("Bench");
    PultdimensionenX = PultdimensionenY = 99;
    pult_leeren();
    for (int x = 1; x <= 99; ++x)
        for (int y = 1; y <= 99; ++y) {
            MainWin().Pult[0].setzeZelle(y, x);
            SetzePultElement(int16_t(weiche));
        }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    ohneBildschirm();
    QApplication app(argc, argv);
    setzeMsgBoxResponder([](const MsgBoxAufruf& a) {
        std::fprintf(stderr, "%s\n", qPrintable(a.text));
        return int(Msg::Nein);
    });
    if (!katalogLaden() || !pultAufbauen())
        return 1;
    QTemporaryDir projekt, kopie;
    PultVerz = projekt.path() + QLatin1Char('/');
    PultDatei = QStringLiteral("Bench.plt");

    bool ok = true;
    const double ersteSpeicherung = ms([&] { ok = Save_plt() && ok; });
    const double zweiteSpeicherung = ms([&] { ok = Save_plt() && ok; });
    const double laden = ms([&] { ok = Load_plt() && ok; });
    if (!ok)
        return 1;

    const std::vector<Datei> dateien = alleDateien(PultVerz);
    const QString ziel = kopie.path() + QLatin1Char('/');
    const double schreiben = ms([&] {
        for (const Datei& d : dateien) {
            QFile f(ziel + d.name);
            f.open(QIODevice::WriteOnly);
            f.write(d.inhalt);
        }
    });
    // What writing through a temporary file costs by itself (create, sync, rename).
    const QString sicher = ziel + QStringLiteral("sicher/");
    QDir().mkpath(sicher);
    const double nurSaveFile = ms([&] {
        for (const Datei& d : dateien) {
            QSaveFile f(sicher + d.name);
            f.open(QIODevice::WriteOnly);
            f.write(d.inhalt);
            f.commit();
        }
    });
    qint64 bytes = 0;
    const double lesen = ms([&] {
        for (const Datei& d : dateien) {
            QFile f(ziel + d.name);
            f.open(QIODevice::ReadOnly);
            bytes += f.readAll().size();
        }
    });
    std::printf("%zu files, %lld bytes\n", dateien.size(), bytes);
    vergleich("save (new folder)", ersteSpeicherung, schreiben);
    vergleich("save (files replaced)", zweiteSpeicherung, schreiben);
    vergleich("load", laden, lesen);
    vergleich("QSaveFile alone, one after the other", nurSaveFile, schreiben);
    return 0;
}
