#pragma once
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "project/PendingLncvDeletions.h"
#include "routes/RouteTable.h"
#include "support/Meldungen.h"
#include "support/TestDesk.h"

#include <QTemporaryDir>
#include <QTest>

// A 10 x 10 desk on a small catalogue whose indices the tests name, with every
// message box recorded and answered by `antwort`.
struct PlacementTestDesk : Meldungen {
    enum Index : int16_t {
        Leer = 0, Loeschen = 1, Auswahl = 2, Gleis = 3, Weiche = 4, Signal = 5, FSSpeicherEl = 6, Fahrregler = 7,
        Zugnummer = 8, DreiTasten = 9, SignalHsRs = 10, Rangiersignal = 11, WeicheZusatz = 12, SignalLinks = 13,
        Vorsignal = 14, WeicheNegativ = 15,
    };

    QTemporaryDir konf, projekt;

    PlacementTestDesk() : Meldungen(Msg::Ja) {}

    void aufbauen()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.eintraege << "g.bmp,Gleis,54642,1,1,0"
                    << "w.bmp,Weiche,54650,101,1,0,5"
                    << "s.bmp,Signal,54660,501,1,0,3"
                    << "fs.bmp,Fahrstraßenspeicher,54670,930,1,0"
                    << "fr.bmp,Fahrregler,54730,901,1,0,fr0.bmp,fr1.bmp,fr2.bmp"
                    << "zn.bmp,Zugnummernanzeige,54680,920,1,0"
                    << "t3.bmp,3-Tasten-Modul,54690,700,1,0"
                    << "s2.bmp,Signal HS RS,54660,521,0,501,7"
                    << "s3.bmp,Rangiersignal,54660,541,1,0,0"
                    << "w2.bmp,Weiche 2,54650,102,0,101,1234"
                    << "sl.bmp,Signal links,54710,502,1,0,65535"
                    << "vs.bmp,Vorsignal,54660,551,1,0,0"
                    << "w3.bmp,Weiche 3,54650,103,0,101,-1005";
        k.grundplatten << "gp_w.bmp,54650" << "gp_s.bmp,54660" << "gp_fr0.bmp,54730" << "gp_fr1.bmp,54731"
                       << "gp_fr2.bmp,54732" << "gp_k.bmp,54640" << "gp_am.bmp,54430"
                       << "gp_am48.bmp,54480" << "gp_am49.bmp,54490";
        k.laden(konf.path() + "/");
        QCOMPARE(ElementKatalog[WeicheNegativ].ElementNr, int16_t(103));

        PultVerz = projekt.path() + "/";
        TestDesk::neuesPult(10, 10);
        vormerkungenVerwerfen();
        UndoMoeglich = 0;
        neu(Msg::Ja);
    }

    static PultFeld& feld(int x, int y) { return TestDesk::feld(x, y); }

    static void setze(int x, int y, int16_t index)
    {
        MainWin().Pult[0].setzeZelle(y, x);
        SetzePultElement(index);
    }

    QString bild(const QString& name) const { return KonfVerz + name; }

    QString datei(const QString& name) const { return PultVerz + name; }

    void dateiAnlegen(const QString& name) const
    {
        QFile f(datei(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
};
