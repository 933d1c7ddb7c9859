#pragma once
#include "core/CatalogueState.h"
#include "core/DeskMouse.h"
#include "core/DialogLaunchers.h"
#include "core/EditCommands.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "core/ModulePick.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "routes/RouteTable.h"
#include "support/TestDesk.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(Dialog)

// Catalogue indices of the test catalogue.
enum {
    Loeschen = 1, Auswahl = 2, Weiche = 3, Weiche90 = 4, Weiche180 = 5, Signal = 6, Taste = 7, Gerade = 8,
    Drei = 9, Anzeige = 10, Joy = 11, Zieltaste = 12, Signal2 = 13, Entkuppler = 14, Fahrregler = 15,
    FSSpeicherEl = 16,
};
// Base-plate indices.
enum { PWahl = 0, PLoeschen = 1, PModul = 2, PKreuz = 3, PPlatte = 4 };

// A 10 x 8 desk on the test catalogue above, edited as the user does it: every
// message box recorded and answered by `antwort`, every element dialog that a
// click would open recorded in `geoeffnet`.
struct DeskEditingTestDesk {
    QTemporaryDir verz;
    QList<MsgBoxAufruf> boxen;
    int antwort = Msg::Nein;   // of every message box
    QList<Dialog> geoeffnet;
    std::unique_ptr<MainWindow> fenster;   // its menus give the edit commands as the user chooses them

    static PultFeld& feld(int x, int y) { return TestDesk::feld(x, y); }
    static FlexGrid& plan() { return MainWin().Pult[0]; }

    static void waehle(int katalogIndex)
    {
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 6; ++r)
                if (ElementePalette[c][r] == katalogIndex) {
                    Elemente_Click(0, r, c);
                    return;
                }
        QFAIL("not in the palette");
    }
    static void klick(int x, int y, Qt::MouseButton knopf = Qt::LeftButton)
    {
        Pult_MouseDown(0, knopf, Qt::NoModifier, y, x);
        Pult_MouseUp(0, knopf, Qt::NoModifier, y, x);
    }
    static void setzeAn(int katalogIndex, int x, int y)
    {
        waehle(katalogIndex);
        klick(x, y);
    }
    static void markiere(int x1, int y1, int x2, int y2)
    {
        waehle(Auswahl);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, y1, x1);
        Pult_MouseMove(0, Qt::LeftButton, y2, x2);
        Pult_MouseUp(0, Qt::LeftButton, Qt::NoModifier, y2, x2);
    }
    // Marks the rectangle and copies (C) or cuts (X) it with Ctrl and taste.
    static void markiereUnd(int x1, int y1, int x2, int y2, Qt::Key taste)
    {
        markiere(x1, y1, x2, y2);
        Pult_KeyUp(taste, Qt::ControlModifier);
    }

    // The fields of the 10 x 8 desk, column by column.
    static qsizetype index(int x, int y) { return (x - 1) * 8 + y - 1; }
    static QList<PultFeld> pultInhalt()
    {
        QList<PultFeld> felder;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                felder << feld(x, y);
        return felder;
    }
    // The first field of the desk whose element, base plate, connection
    // number or LNCVs differ from those in vorher (as pultInhalt gave it),
    // named with wann; empty when every field is as it was.
    static QString ersteAbweichung(const QList<PultFeld>& vorher, const QString& wann)
    {
        const QList<PultFeld> nachher = pultInhalt();
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &n = nachher[index(x, y)], &v = vorher[index(x, y)];
                if (n.ElementIndex != v.ElementIndex || n.Grundplatte != v.Grundplatte || n.Anschluss != v.Anschluss
                    || n.LNCV != v.LNCV)
                    return QString("field (%1, %2), %3: element %4, plate %5, LNCV 0 = %6, LNCV 11 = %7")
                        .arg(x).arg(y).arg(wann).arg(n.ElementIndex).arg(n.Grundplatte).arg(n.LNCV[0])
                        .arg(n.LNCV[11]);
            }
        return {};
    }

    // What the track plan, the electrical view (picture, connection number)
    // and the address grid (picture, address lines) show of each field of
    // the 10 x 8 desk, column by column.
    static QStringList pultGezeigt()
    {
        const FlexGrid &elektrik = MainWin().Pult[1], &adr = MainWin().PultAdr;
        QStringList felder;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                felder << QStringList{plan().CellPicture(y, x), elektrik.CellPicture(y, x), elektrik.Text(y, x),
                                      adr.CellPicture(3 * y - 2, x), adr.Text(3 * y - 1, x), adr.Text(3 * y, x)}
                              .join(" | ");
        return felder;
    }
    // The first field that the grids show otherwise than vorher (as
    // pultGezeigt gave it), named with wann; empty when all agree.
    static QString ersteAnzeigeAbweichung(const QStringList& vorher, const QString& wann)
    {
        const QStringList jetzt = pultGezeigt();
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                if (jetzt[index(x, y)] != vorher[index(x, y)])
                    return QString("field (%1, %2) %3 shows \"%4\", before \"%5\"")
                        .arg(x).arg(y).arg(wann, jetzt[index(x, y)], vorher[index(x, y)]);
        return {};
    }

    // Loads the test catalogue and opens the main window once for all tests.
    void aufbauen()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.eintraege << "w.bmp,Weiche,54650,101,1,0,0" << "w90.bmp,Weiche 90,54650,102,0,101,0"
                    << "w180.bmp,Weiche 180,54650,103,0,101,0" << "s.bmp,Signal,54660,501,1,0,0"
                    << "t.bmp,Taste,54660,601,1,0,0" << "g.bmp,Gerade,0,10,1,0" << "d.bmp,Drei,54690,700,1,0"
                    << "a.bmp,Anzeige,54680,920,1,0" << "j.bmp,Joystick,54700,710,1,0"
                    << "z.bmp,Zieltaste,54660,402,1,0,0" << "s2.bmp,Signal 2,54660,801,1,0,0"
                    << "e.bmp,Entkuppler,54650,401,1,0,0" << "f.bmp,Fahrregler,54730,901,1,0,f0.bmp,f1.bmp,f2.bmp"
                    << "fs.bmp,Fahrstraßenspeicher,54670,930,1,0";
        k.grundplatten << "am.bmp,54430" << "kreuz.bmp,54640" << "platte.bmp,54642" << "am48.bmp,54480"
                       << "am49.bmp,54490" << "licht.bmp,54644" << "fp0.bmp,54730" << "fp1.bmp,54731"
                       << "fp2.bmp,54732";
        k.laden(verz.path() + "/");
        setzeMsgBoxResponder([this](const MsgBoxAufruf& a) {
            boxen << a;
            return antwort;
        });
        for (Dialog d : {Dialog::Weichen_Form, Dialog::Ausl_Form, Dialog::Signal_Form, Dialog::Tasten_Form,
                         Dialog::Zivra_Form, Dialog::T3Mod_Form, Dialog::LNCV_Tab, Dialog::Joy_Form,
                         Dialog::Fahrstr_Form})
            setzeDialogStarter(d, [this, d] { geoeffnet << d; });
        fenster = std::make_unique<MainWindow>();
        befehleVerbinden(*fenster);
    }

    // A new empty desk in the track plan mode, nothing marked, copied or asked.
    void leeren()
    {
        PultOptGPLocked = false;
        PultVerz = verz.path() + "/";
        TestDesk::neuesPult(10, 8);
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        EditModus = 1;
        ChangeEditMode();
        FSinArbeit = false;
        ModulWahl = ModulWahlOK = false;
        clipboardLeeren();
        Markiert = false;
        UndoMoeglich = 0;
        boxen.clear();
        antwort = Msg::Nein;
        geoeffnet.clear();
    }
};
