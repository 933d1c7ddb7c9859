// Saving and loading a full 99 x 99 desk with a turnout module on every field
// (9,801 LNCV files), each beside the time that plain file copies need to
// write and read the same bytes. The goal is at most three times that.
// Creating thousands of files varies a lot with the disk, so every step runs
// three times (into fresh folders where it creates files) and the fastest run
// counts.
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
    constexpr int Laeufe = 3;
    bool ok = true;
    double neu = 1e9, ersetzt = 1e9, laden = 1e9;
    std::vector<Datei> dateien;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        QTemporaryDir projekt;
        PultVerz = projekt.path() + QLatin1Char('/');
        PultDatei = QStringLiteral("Bench.plt");
        neu = std::min(neu, ms([&] { ok = Save_plt() && ok; }));
        ersetzt = std::min(ersetzt, ms([&] { ok = Save_plt() && ok; }));
        laden = std::min(laden, ms([&] { ok = Load_plt() && ok; }));
        dateien = alleDateien(PultVerz);
    }
    if (!ok)
        return 1;

    double schreiben = 1e9, lesen = 1e9;
    qint64 bytes = 0;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        QTemporaryDir kopie;
        const QString ziel = kopie.path() + QLatin1Char('/');
        schreiben = std::min(schreiben, ms([&] {
            for (const Datei& d : dateien) {
                QFile f(ziel + d.name);
                f.open(QIODevice::WriteOnly);
                f.write(d.inhalt);
            }
        }));
        bytes = 0;
        lesen = std::min(lesen, ms([&] {
            for (const Datei& d : dateien) {
                QFile f(ziel + d.name);
                f.open(QIODevice::ReadOnly);
                bytes += f.readAll().size();
            }
        }));
    }
    std::printf("%zu files, %lld bytes, fastest of %d runs\n", dateien.size(), bytes, Laeufe);
    vergleich("save (new folder)", neu, schreiben);
    vergleich("save (files replaced)", ersetzt, schreiben);
    vergleich("load", laden, lesen);
    return 0;
}
