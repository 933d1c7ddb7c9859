// Fills a full 99 x 99 desk with a mix of addressed elements and track pieces,
// numbers every address group as "Alles Starten" does, clears them again and
// prints how long each step took (goal: numbering under 100 ms).
#include "BenchSupport.h"
#include "config/AddressOptions.h"
#include "config/NumberingForm.h"
#include "config/NumberingGroups.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/EditModes.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

namespace {
// Every group stays within its maximum on a full desk: one element in four is a track piece.
void pultFuellen()
{
    static const int codes[] = {52, 101, 51, 1, 301, 402, 1, 503, 610, 1, 531, 401, 2, 551, 821,
                                3,  700, 603, 4, 710, 201, 1, 1,   604, 1, 812, 52,  110, 51, 5};
    int n = 0;
    for (int y = 1; y <= PultdimensionenY; ++y)
        for (int x = 1; x <= PultdimensionenX; ++x) {
            MainWin().Pult[0].setzeZelle(y, x);
            SetzePultElement(katalogIndex(codes[n++ % int(std::size(codes))]));
        }
}

KonfAdrEingabe bereiche()
{
    KonfAdrEingabe e;
    e.konfAdr[0] = QStringLiteral("1");
    e.konfAdr[1] = QStringLiteral("2");
    // Equal range starts never collide, so the run asks nothing.
    for (int i = 2; i < KonfAdrBoxen; ++i) {
        e.konfAdr[size_t(i)] = QStringLiteral("1");
        e.startAdr[size_t(i)] = QStringLiteral("1");
    }
    e.ersetzen = true;
    return e;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    KonfVerz = programmVerz() + QStringLiteral("Tessaro_Conf/");
    QString fehler;
    if (!neues_pult_setzen(&fehler)) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    adressGruppenBenennen();
    int meldungen = 0;
    setzeMsgBoxResponder([&](const MsgBoxAufruf& a) {
        std::fprintf(stderr, "%s\n", qPrintable(a.text));
        ++meldungen;
        return int(Msg::Ok);
    });
    PultdimensionenX = PultdimensionenY = 99;
    pult_leeren();
    messen("place 9801 elements (setup)", pultFuellen);

    const KonfAdrEingabe e = bereiche();
    for (int runde = 0; runde < 8; ++runde) {
        Read_Form_Einstellungen(e);
        AdrOpt.AdrOpt_OptNummerierung = int16_t(runde);
        AutoAdrSetzen = true;
        const QByteArray text = "number all groups, order " + QByteArray::number(runde);
        messen(text.constData(), [] {
            for (int knopf : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14})
                AutoInc_Clr(knopf);
        });
    }
    EditModus = 3;   // the address grid shows the turnout addresses
    messen("\"Alles Starten\" with address grid refresh", [&] { knopfAusfuehren(e, -1, true); });
    for (int g : AdrGruppe::Benutzt)
        std::printf("  %-28s last address %7.1f\n", qPrintable(AdrBereichName[size_t(g)]),
                    double(AdrOpt.AdrOpt_StartAdr[size_t(g)] + AdrOpt.AdrOpt_AdrOff[size_t(g)]));
    messen("clear all groups with address grid refresh", [&] {
        for (int knopf : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14})
            knopfAusfuehren(e, knopf, false);
    });
    std::printf("messages shown: %d\n", meldungen);
    return meldungen == 0 ? 0 : 2;
}
