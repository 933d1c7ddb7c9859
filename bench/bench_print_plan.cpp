// Prints the track plan of a full 99 x 99 desk into a PDF file, as "Alles
// drucken" does without a printer, and prints how long it took.
#include "BenchSupport.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "print/PrintJob.h"
#include "print/TrackPlanDrawing.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <numeric>

int main(int argc, char* argv[])
{
    ohneBildschirm();
    QApplication app(argc, argv);
    if (!katalogLaden())
        return 1;
    QTemporaryDir verz;
    const QString pdf = verz.path() + QStringLiteral("/gleisplan.pdf");
    Druckausgabe::setzeDruckerName(QString());
    Druckausgabe::setzePdfDateiWahl([&] { return pdf; });

    PultdimensionenX = PultdimensionenY = 99;
    pult_leeren();
    HauptFenster& w = MainWin();
    {
        FlexGrid::Stapel stapel(w.Pult[0]);
        for (int x = 1; x <= 99; ++x)
            for (int y = 1; y <= 99; ++y) {
                const int index = 3 + (x + y) % 20;
                PultFelder[size_t(x)][size_t(y)].ElementIndex = int16_t(index);
                w.Pult[0].setCellPicture(y, x, KonfVerz + ElementKatalog[size_t(index)].Bild);
            }
    }
    const Seitenmass mass = grafikSeitenmass(papierTwips(Druckausgabe::seitenformat(), true), schirmHoeheTwips());
    const Zeichnung plan(DruckArt::Gleisplan, mass);
    QList<int> seiten(plan.seitenAnzahl());
    std::iota(seiten.begin(), seiten.end(), 1);
    bool gedruckt = false;
    messen("track plan 99 x 99 into a PDF file (all pages)", [&] { gedruckt = seitenDrucken(plan, seiten); });
    std::printf("%d pages, %lld bytes%s\n", plan.seitenAnzahl(), QFileInfo(pdf).size(), gedruckt ? "" : " -- FAILED");
    if (argc > 1)
        QFile::copy(pdf, QString::fromLocal8Bit(argv[1]));
    return gedruckt ? 0 : 1;
}
