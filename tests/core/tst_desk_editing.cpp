#include "config/LncvTable.h"
#include "config/SupplyServices.h"
#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/Cp1252.h"
#include "core/DeskMouse.h"
#include "core/DeskReset.h"
#include "core/DialogLaunchers.h"
#include "core/EditCommands.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "core/ModulePick.h"
#include "core/Placement.h"
#include "core/Rotation.h"
#include "platform/MsgBox.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/DeskSettings.h"
#include "project/NewDesk.h"
#include "project/PendingLncvDeletions.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "routes/RouteCommands.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteTable.h"
#include "routes/RouteWarning.h"
#include "support/TestDesk.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(Dialog)

// Catalogue indices of the test catalogue.
enum {
    Loeschen = 1, Auswahl = 2, Weiche = 3, Weiche90 = 4, Weiche180 = 5, Signal = 6, Taste = 7, Gerade = 8,
    Drei = 9, Anzeige = 10, Joy = 11, Zieltaste = 12, Signal2 = 13, Entkuppler = 14, Fahrregler = 15,
    FSSpeicherEl = 16,
};
// Base-plate indices.
enum { PWahl = 0, PLoeschen = 1, PModul = 2, PKreuz = 3, PPlatte = 4 };

// One action of the user: a click on field (x, y) of the track plan with
// palette entry `wahl`, a click on the electrical view with base plate
// `wahl` (a palette column), or Ctrl+Z with the select tool.
struct Schritt {
    enum Art { Plan, Elektrik, Zurueck } art = Plan;
    int wahl = 0, x = 0, y = 0;
};
Q_DECLARE_METATYPE(Schritt)

class TestDeskEditing : public QObject {
    Q_OBJECT
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

    // The ways a throttle comes onto a desk field: a click on field (x, y),
    // Ctrl+V of the clipboard with (x, y) the top left field, and Ctrl+Z of a
    // deleted one, wherever the cursor stands.
    enum Weg { Klick, Einsetzen, Rueckgaengig };
    static void platziereFahrregler(Weg weg, int x, int y)
    {
        if (weg == Klick) {
            setzeAn(Fahrregler, x, y);
            return;
        }
        waehle(Auswahl);
        if (weg == Einsetzen)
            plan().setzeZelle(y, x);
        Pult_KeyUp(weg == Einsetzen ? Qt::Key_V : Qt::Key_Z, Qt::ControlModifier);
    }

    // An edit of the track plan that asks the route warning, at field (3, 5):
    // by mouse and keys, or Delete, cut and paste chosen in the menu "Bearbeiten".
    enum Bearbeitung {
        PlatzKlick, FahrreglerKlick, Entfernen, Ausschneiden, Einfuegen,
        MenueEntfernen, MenueAusschneiden, MenueEinfuegen,
    };
    // The edit by mouse and keys that a menu entry does.
    static Bearbeitung wirkung(Bearbeitung b)
    {
        switch (b) {
        case MenueEntfernen: return Entfernen;
        case MenueAusschneiden: return Ausschneiden;
        case MenueEinfuegen: return Einfuegen;
        default: return b;
        }
    }
    // The menu entry `eintrag`, or the key with the modifiers.
    void befehl(bool ueberMenue, const char* eintrag, Qt::Key taste, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        if (ueberMenue)
            fenster->findChild<QAction*>(eintrag)->trigger();
        else
            Pult_KeyUp(taste, mods);
    }
    void bearbeite(Bearbeitung b)
    {
        const bool ueberMenue = wirkung(b) != b;
        switch (wirkung(b)) {
        case PlatzKlick:
            setzeAn(Weiche, 3, 5);
            break;
        case FahrreglerKlick:
            setzeAn(Fahrregler, 3, 5);
            break;
        case Entfernen:
            waehle(Auswahl);
            plan().setzeZelle(5, 3);
            befehl(ueberMenue, "DelMenu", Qt::Key_Delete, Qt::NoModifier);
            break;
        case Ausschneiden:
            markiere(3, 5, 3, 6);
            befehl(ueberMenue, "CutMenu", Qt::Key_X);
            break;
        default:   // paste
            markiereUnd(8, 1, 8, 2, Qt::Key_C);   // a turnout and the empty field below it
            plan().setzeZelle(5, 3);
            befehl(ueberMenue, "PasteMenu", Qt::Key_V);
            break;
        }
    }

    // What the user does while the route warning waits for its answer.
    enum Inzwischen {
        Nichts, FeldKlick, PaletteWechsel, AuswahlWerkzeug, Kopieren, Laden, NeuesPult, Einstellungen,
        EinstellungenAbgelehnt, Sperre, Modus
    };
    void inzwischen(Inzwischen was)
    {
        switch (was) {
        case Nichts:
            break;
        case FeldKlick:   // with the tool chosen: a second edit, refused, or only a look
            klick(6, 4);
            break;
        case PaletteWechsel:
            waehle(Signal2);
            break;
        case AuswahlWerkzeug:
            waehle(Auswahl);
            break;
        case Kopieren:   // a block larger than any edited, of another shape
            markiereUnd(4, 2, 7, 4, Qt::Key_C);
            break;
        case Laden:
            PultDatei = "Pult.plt";
            QVERIFY(Save_plt());
            QVERIFY(Load_plt());
            break;
        case NeuesPult: {
            const NeuesPultVorgabe v = neuesPultVorgabe(PultVerz, "Neu.plt");
            PultEingabe e = neuesPultEingabe(v, {});
            e.projektName = "Neu";
            e.radr = "1";
            QVERIFY(neuesPultAnlegen(v, e));
            FSAnzahl = 0;   // so that a second question would be asked
            break;
        }
        case Einstellungen:
            QVERIFY(einstellungenUebernehmen(einstellungenEingabe()));
            break;
        case EinstellungenAbgelehnt: {
            PultEingabe e = einstellungenEingabe();
            e.spalten = "100";
            QVERIFY(!einstellungenUebernehmen(e));
            break;
        }
        case Sperre:
            GPLockMenu_Click();
            GPLockMenu_Click();
            break;
        case Modus:
            EditMode_Click(3);
            EditMode_Click(1);
            break;
        }
    }

    // What the track plan, the electrical view and the address grid show of field (x, y).
    static QString bilder(int x, int y)
    {
        return plan().CellPicture(y, x) + " | " + MainWin().Pult[1].CellPicture(y, x) + " | "
            + MainWin().PultAdr.CellPicture(3 * y - 2, x);
    }

    // Edits the saved project file by hand, line by line; false when it cannot be read or written.
    static bool pultDateiAendern(const std::function<void(QStringList&)>& aendern)
    {
        QFile datei(PultVerz + PultDatei);
        if (!datei.open(QIODevice::ReadOnly))
            return false;
        QStringList zeilen = Cp1252::zeilen(datei.readAll());
        datei.close();
        aendern(zeilen);
        const QByteArray inhalt = Cp1252::datei(zeilen);
        return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size();
    }
    // Its line `alt` becomes `neu`; false when it has no such line.
    static bool zeileErsetzen(const QString& alt, const QString& neu)
    {
        bool da = false;
        return pultDateiAendern([&](QStringList& zeilen) {
                   const qsizetype i = zeilen.indexOf(alt);
                   if ((da = i >= 0))
                       zeilen[i] = neu;
               })
            && da;
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

    // The first field of the desk whose element, base plate or LNCVs differ
    // from those in vorher (as pultInhalt gave it), named with the load it
    // follows; empty when every field is as it was.
    static QString ersteAbweichung(const QList<PultFeld>& vorher, int durchgang)
    {
        const QList<PultFeld> nachher = pultInhalt();
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &n = nachher[index(x, y)], &v = vorher[index(x, y)];
                if (n.ElementIndex != v.ElementIndex || n.Grundplatte != v.Grundplatte || n.LNCV != v.LNCV)
                    return QString("field (%1, %2), load %3: element %4, plate %5, LNCV 0 = %6, LNCV 11 = %7")
                        .arg(x).arg(y).arg(durchgang).arg(n.ElementIndex).arg(n.Grundplatte).arg(n.LNCV[0])
                        .arg(n.LNCV[11]);
            }
        return {};
    }

    // The picture the track plan and the first row of the address grid give
    // a field: its element's (a throttle's bottom part), or on an empty field
    // the throttle part its base plate names.
    static QString elementBild(const PultFeld& f)
    {
        const KatalogEintrag& regler = ElementKatalog[Fahrregler];
        if (f.ElementIndex == LeerIndex) {
            const int teil = f.Grundplatte - regler.ArtikelNr;
            return teil == 1 || teil == 2 ? KonfVerz + regler.Namen[size_t(teil)] : QString();
        }
        const KatalogEintrag& e = ElementKatalog[size_t(f.ElementIndex)];
        return KonfVerz + (e.Hoehe > 1 ? e.Namen[0] : e.Bild);
    }
    // The picture the electrical view gives a field: its base plate's, else
    // its element article's; none for article 0.
    static QString plattenBild(const PultFeld& f)
    {
        const int32_t artikel = f.Grundplatte != 0 ? f.Grundplatte : ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
        QString bild;
        for (const GrundplattenEintrag& g : Grundplatten)
            if (artikel != 0 && g.ArtikelNr == artikel)
                bild = KonfVerz + g.Bild;
        return bild;
    }
    // Where the three grids show field (x, y) otherwise than its record says,
    // one line per difference; empty when they agree. Compared are the
    // element or throttle-part picture in the track plan and the address
    // grid, the base plate and connection number in the electrical view, and
    // the address lines of the current edit mode.
    static QString anzeigeAbweichung(int x, int y)
    {
        const PultFeld& f = feld(x, y);
        const bool modul = f.Grundplatte == 54430 || f.Grundplatte == 54480 || f.Grundplatte == 54490;
        const AdressZeilen z = adressZeilen(f, EditModus);
        const FlexGrid &elektrik = MainWin().Pult[1], &adr = MainWin().PultAdr;
        const QList<std::tuple<const char*, QString, QString>> vergleiche = {
            {"track plan", plan().CellPicture(y, x), elementBild(f)},
            {"address grid picture", adr.CellPicture(3 * y - 2, x), elementBild(f)},
            {"electrical view", elektrik.CellPicture(y, x), plattenBild(f)},
            {"connection number", elektrik.Text(y, x).trimmed(),
             modul && f.Anschluss != 0 ? QString::number(f.Anschluss) : QString()},
            {"address line 2", adr.Text(3 * y - 1, x), z.zweite},
            {"address line 3", adr.Text(3 * y, x), z.dritte},
        };
        QString text;
        for (const auto& [was, gezeigt, gehalten] : vergleiche)
            if (gezeigt != gehalten)
                text += QString("field (%1, %2) %3 shows \"%4\", the field holds \"%5\"\n")
                            .arg(x).arg(y).arg(was, gezeigt, gehalten);
        return text;
    }
    // The same for every field of the desk, plus the route memory slots:
    // each slot taken belongs to a field with a route memory that names it.
    static QString pultAbweichungen()
    {
        QString text;
        for (int x = 1; x <= PultdimensionenX; ++x)
            for (int y = 1; y <= PultdimensionenY; ++y)
                text += anzeigeAbweichung(x, y);
        for (int s = 0; s < FSSpeicherMax; ++s) {
            const FSSpeicherModul& m = FSSpeicher[size_t(s)];
            if ((m.X != 0 || m.Y != 0)
                && (feld(m.X, m.Y).ElementIndex != FSSpeicherEl || feld(m.X, m.Y).LNCV[0] != s))
                text += QString("route memory slot %1 held by field (%2, %3) without it\n").arg(s).arg(m.X).arg(m.Y);
        }
        return text;
    }

    // Does step s as the user does it; a module placed gets LNCV 37 := 10 x column + row.
    static void ausfuehren(const Schritt& s)
    {
        switch (s.art) {
        case Schritt::Plan: {
            setzeAn(s.wahl, s.x, s.y);
            const int32_t artikel = ElementKatalog[size_t(s.wahl)].ArtikelNr;
            if (artikel >= 54650 && artikel < 54711 && artikel != 54670)
                feld(s.x, s.y).LNCV[37] = int16_t(10 * s.x + s.y);
            break;
        }
        case Schritt::Elektrik:
            EditModus = 2;
            ChangeEditMode();
            Elemente_Click(1, 0, s.wahl);
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, s.y, s.x);
            EditModus = 1;
            ChangeEditMode();
            break;
        case Schritt::Zurueck:
            waehle(Auswahl);
            Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
            break;
        }
    }

    // Edits of a module through the program's own paths, as rows give them.
    // Setzen: catalogue index, column, row (a click in the track plan);
    // Tippen: column, row, LNCV, value (typed into the LNCV table that a click
    // in mode 10 opens); AdressenAus: the desk settings with "Moduladressierung
    // gemäß Spalte und Zeile" off; Speichern: "Pult speichern"; Route: one
    // route with one command, its code built as the route editor's OK does.
    enum ModulBearbeitung { Setzen, Tippen, AdressenAus, Speichern, Route };
    // What happens to the saved project before it is loaded: nothing; a stale
    // file made the newest; a file removed; the project file without its file
    // names, as saved before they were kept; that and a file without its
    // description line.
    enum Danach { Unveraendert, AlteDateiNeuer, DateiFehlt, AlterStand, OhneBeschreibung };
    void schritt(const QList<int>& s)
    {
        switch (s[0]) {
        case Setzen:
            setzeAn(s[1], s[2], s[3]);
            break;
        case Tippen: {
            EditModus = 10;
            ChangeEditMode();
            klick(s[1], s[2]);
            QCOMPARE((QList<int>{AktFeldX, AktFeldY}), (QList<int>{s[1], s[2]}));
            LncvTabelle tabelle;
            QVERIFY(tabelle.fuellen(AktFeldX, AktFeldY));
            tabelle.zelleWaehlen(s[3] / 10 + 1, s[3] % 10 + 1);
            for (int i = 0; i < 5; ++i)
                tabelle.tasteLosgelassen(Qt::Key_Backspace);
            for (QChar c : QString::number(s[4])) {
                tabelle.tasteGedrueckt(c);
                tabelle.tasteLosgelassen(c.unicode());
            }
            QCOMPARE(int(feld(s[1], s[2]).LNCV[size_t(s[3])]), s[4]);
            EditModus = 1;
            ChangeEditMode();
            break;
        }
        case AdressenAus: {
            PultEingabe e = einstellungenEingabe();
            e.modAdr = false;
            QVERIFY(einstellungenUebernehmen(e));
            break;
        }
        case Speichern:
            QVERIFY(Save_plt());
            break;
        default: {
            FSAnzahl = 0;
            FSDaten[0] = LeerFahrstrasse;
            FSDaten[0].Name = "Nord";
            FSDaten[0].Rueckmeldeadressen = {100, 1, 0, 0, 0};
            const int e = FindNewRouteElement(0, 0);
            QVERIFY(e > 0);
            FSDaten[0].Route[0][size_t(e)][Befehl::Wert] = 123;
            FSDaten[0].Route[0][size_t(e)][Befehl::Zustand] = 1;
            FSDaten[0].Route[0][size_t(e)][Befehl::Befehlsart] = Befehlsart::NutzerMagnetartikel;
            FSDaten[0].Route[0][size_t(e)][Befehl::LNCVNr] = LNCVNrImWert;
            make_54670_code();
        }
        }
    }

    // The route memory images by the field of their route memory.
    using FSBild = decltype(FSSpeicherModul::LNCV);
    static QMap<QPair<int, int>, FSBild> fsBilder()
    {
        QMap<QPair<int, int>, FSBild> bilder;
        for (const FSSpeicherModul& m : FSSpeicher)
            if (m.X != 0 && m.Y != 0)
                bilder.insert({m.X, m.Y}, m.LNCV);
        return bilder;
    }

    // The project file without the LNCV file names and slots of its modules,
    // as the program wrote it before it kept them.
    static void ohneModulDateien()
    {
        QVERIFY(pultDateiAendern([](QStringList& zeilen) {
            zeilen.removeIf([](const QString& z) {
                return z.startsWith("LNCV_Datei:") || z.startsWith("Fahrstraßenspeicher:");
            });
        }));
    }

private slots:
    void initTestCase()
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

    void init()
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

    void placingMarksTheFieldAndSelectingDoesNot()
    {
        setzeAn(Weiche, 3, 2);
        QCOMPARE(feld(3, 2).ElementIndex, int16_t(Weiche));
        QCOMPARE(feld(3, 2).Geaendert, int16_t(1));
        QCOMPARE(plan().CellPicture(2, 3), KonfVerz + "w.bmp");
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  2 - Spalte:  3  : Weiche"));
        waehle(Auswahl);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 5, 5);
        QCOMPARE(feld(5, 5).Geaendert, int16_t(0));
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  5 - Spalte:  5  : "));
        QVERIFY(!MainWin()["EleDrehenMenu"].Enabled);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 2, 3);
        QVERIFY(MainWin()["EleDrehenMenu"].Enabled);
    }

    // "Leer" (the selection after every mode change) and the select tool only
    // look at a field: no changed flag, no route warning.
    void lookingAtAFieldChangesNothing_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::newRow("Leer") << -1;
        QTest::newRow("Auswahl") << int(Auswahl);
    }
    void lookingAtAFieldChangesNothing()
    {
        QFETCH(int, auswahl);
        setzeAn(Weiche, 3, 2);
        feld(3, 2).Geaendert = 0;   // as loaded
        ChangeEditMode();
        if (auswahl >= 0)
            waehle(auswahl);
        const PultFeld vorher = feld(3, 2);
        FSAnzahl = 0;   // a route exists
        klick(3, 2);
        klick(5, 5);
        FSAnzahl = -1;
        QCOMPARE(feld(3, 2), vorher);
        QCOMPARE(feld(5, 5).Geaendert, int16_t(0));
        QVERIFY(boxen.isEmpty());
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  5 - Spalte:  5  : "));
    }

    void placingAThrottleDescribesItsTopmostPart()
    {
        setzeAn(Fahrregler, 4, 5);
        QCOMPARE(feld(4, 5).ElementIndex, int16_t(Fahrregler));
        QCOMPARE(plan().Row, 3);
        QCOMPARE(feld(4, 3).Geaendert, int16_t(1));
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  3 - Spalte:  4  : "));
        QVERIFY(!MainWin()["EleDrehenMenu"].Enabled);   // a rotation would act on the empty top part
    }

    // A throttle also takes the two fields above its own: elements there (a
    // signal on an even row, a turnout on an odd one) are removed only after
    // the user said "Ja", be the throttle placed by a click, pasted or brought
    // back by undo; "Nein" leaves the desk as it was. A paste fills its block
    // without asking, so only elements beyond the block are named, in one
    // question for all throttles of the paste.
    void placingAThrottleOverElementsAsksFirst_data()
    {
        QTest::addColumn<int>("weg");             // Klick, Einsetzen or Rueckgaengig
        QTest::addColumn<int>("zeile");           // the throttle's own row, column 4
        QTest::addColumn<QList<int>>("belegt");   // rows holding an element, in each throttle's column
        QTest::addColumn<int>("regler");          // throttles pasted side by side from column 4
        QTest::addColumn<int>("markiert");        // rows of the pasted block above the throttle's own
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QStringList>("genannt"); // fields the question names; none when not asked
        const int ja = Msg::Ja, nein = Msg::Nein;
        const QString s4 = "   Zeile 4, Spalte 4: Signal", w3 = "   Zeile 3, Spalte 4: Weiche";
        QTest::newRow("click: free above, placed without a question")
            << int(Klick) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("click: element in the field above, Nein")
            << int(Klick) << 5 << QList<int>{4} << 1 << 0 << nein << QStringList{s4};
        QTest::newRow("click: element two fields above, Nein")
            << int(Klick) << 5 << QList<int>{3} << 1 << 0 << nein << QStringList{w3};
        QTest::newRow("click: elements in both fields, Ja")
            << int(Klick) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        QTest::newRow("click: element three fields above stays, no question")
            << int(Klick) << 5 << QList<int>{2} << 1 << 0 << nein << QStringList{};
        QTest::newRow("click: row 2, only the field above, Nein")
            << int(Klick) << 2 << QList<int>{1} << 1 << 0 << nein << QStringList{"   Zeile 1, Spalte 4: Weiche"};
        QTest::newRow("paste: free above, pasted without a question")
            << int(Einsetzen) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("paste: element three fields above stays, no question")
            << int(Einsetzen) << 5 << QList<int>{2} << 1 << 0 << nein << QStringList{};
        QTest::newRow("paste: elements in both fields, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 0 << nein << QStringList{s4, w3};
        QTest::newRow("paste: elements in both fields, Ja")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        // The throttle's upper parts copied along are empty fields: they leave what stands there.
        QTest::newRow("paste: field above inside the block, both named, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 1 << nein << QStringList{s4, w3};
        QTest::newRow("paste: field above inside the block, both named, Ja")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 1 << ja << QStringList{s4, w3};
        QTest::newRow("paste: the whole throttle's block, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 2 << nein << QStringList{s4, w3};
        QTest::newRow("paste: two throttles, one question naming all, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 2 << 0 << nein
            << QStringList{s4, w3, "   Zeile 4, Spalte 5: Signal", "   Zeile 3, Spalte 5: Weiche"};
        QTest::newRow("paste: two throttles, one question naming all, Ja")
            << int(Einsetzen) << 5 << QList<int>{4} << 2 << 0 << ja
            << QStringList{s4, "   Zeile 4, Spalte 5: Signal"};
        QTest::newRow("undo: free above, restored without a question")
            << int(Rueckgaengig) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("undo: element in the field above, Nein")
            << int(Rueckgaengig) << 5 << QList<int>{4} << 1 << 0 << nein << QStringList{s4};
        QTest::newRow("undo: elements in both fields, Ja")
            << int(Rueckgaengig) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        QTest::newRow("undo: row 2, only the field above, Nein")
            << int(Rueckgaengig) << 2 << QList<int>{1} << 1 << 0 << nein << QStringList{"   Zeile 1, Spalte 4: Weiche"};
    }

    void placingAThrottleOverElementsAsksFirst()
    {
        QFETCH(int, weg);
        QFETCH(int, zeile);
        QFETCH(QList<int>, belegt);
        QFETCH(int, regler);
        QFETCH(int, markiert);
        QFETCH(int, antwort);
        QFETCH(QStringList, genannt);
        if (weg == Einsetzen) {
            // The throttles' own fields in columns 2 and 3 (the second one empty for one throttle).
            for (int x = 2; x < 2 + regler; ++x)
                setzeAn(Fahrregler, x, zeile);
            markiere(2, zeile - markiert, 3, zeile);
            Cntrl_C_X(0);
        } else if (weg == Rueckgaengig) {
            setzeAn(Fahrregler, 4, zeile);
            setzeAn(Loeschen, 4, zeile);
        }
        const QList<int> spalten = regler == 2 ? QList<int>{4, 5} : QList<int>{4};
        for (int x : spalten)
            for (int r : belegt) {
                setzeAn(r % 2 == 0 ? Signal : Weiche, x, r);
                feld(x, r).LNCV[11] = int16_t(100 * x + r);
            }
        boxen.clear();
        vormerkungenVerwerfen();
        const QList<PultFeld> vorher = pultInhalt();
        this->antwort = antwort;
        const auto cursor = weg == Rueckgaengig ? std::pair{9, 8} : std::pair{4, zeile - markiert};
        plan().setzeZelle(cursor.second, cursor.first);
        const QString info = MainWin().InfoTxt1;
        platziereFahrregler(Weg(weg), 4, zeile - markiert);

        QCOMPARE(boxen.size(), genannt.isEmpty() ? 0 : 1);
        if (!genannt.isEmpty()) {
            // One throttle is asked about in the singular, throttles in two columns in the plural.
            const bool mehrere = !genannt.filter("Spalte 5").isEmpty();
            const QString frage = "Ein Fahrregler ist 3 Felder hoch und nimmt auch die Felder über dem Feld ein, "
                                  "auf das er gesetzt wird.\r\n"
                                  "Diese Elemente darüber werden mit ihren LNCV-Werten entfernt:\r\n"
                + genannt.join("\r\n")
                + (mehrere ? "\r\nSollen die Fahrregler trotzdem gesetzt werden?"
                           : "\r\nSoll der Fahrregler trotzdem gesetzt werden?");
            QCOMPARE(boxen[0].text, frage);
            QCOMPARE(boxen[0].titel, QString("Gleisplan"));
            QCOMPARE(boxen[0].stil, Msg::JaNein | Msg::Frage);
        }
        if (!genannt.isEmpty() && antwort == Msg::Nein) {
            QVERIFY(pultInhalt() == vorher);
            QCOMPARE((std::pair{plan().Col, plan().Row}), cursor);
            QCOMPARE(MainWin().InfoTxt1, info);
            QVERIFY(vorgemerkteLncvDateien().isEmpty());
            if (weg == Rueckgaengig) {   // the step stays and can be taken later
                QVERIFY(MainWin()["UndoMenu"].Enabled);
                this->antwort = Msg::Ja;
                platziereFahrregler(Rueckgaengig, 4, zeile);
                QCOMPARE(feld(4, zeile).ElementIndex, int16_t(Fahrregler));
            }
            return;
        }
        qsizetype entfernt = 0;
        for (int x : spalten) {
            QCOMPARE(feld(x, zeile).ElementIndex, int16_t(Fahrregler));
            for (int r = 1; r < zeile; ++r) {
                const int teil = zeile - r;   // 1 middle, 2 top
                if (teil <= 2)
                    QCOMPARE(feld(x, r).Grundplatte, 54730 + teil);
                else
                    QCOMPARE(feld(x, r), vorher[index(x, r)]);
                entfernt += teil <= 2 && belegt.contains(r);
            }
        }
        QCOMPARE(vorgemerkteLncvDateien().size(), entfernt);
    }

    // A desk saved and loaded again is field by field the desk the user left:
    // what stands on a throttle's upper fields, placed there after the
    // throttle, keeps its place and values, and an upper part the user
    // cleared stays cleared. The edits are clicks in the given order; each
    // module placed gets an LNCV 31 that differs from field to field. Fields
    // left empty whose saved lines are then given an element code the
    // catalogue lacks stay empty as well: the load names each such line, and
    // no throttle part stays drawn on them.
    void aSavedDeskLoadsAsItWasSaved_data()
    {
        using Klick = QList<int>;   // catalogue index, column, row
        QTest::addColumn<QList<Klick>>("klicks");
        QTest::addColumn<QList<QPoint>>("unbekannt");   // empty fields whose lines get code 777 after the save
        const QList<Klick> geleert = {{Fahrregler, 4, 5}, {Loeschen, 4, 4}, {Fahrregler, 6, 5}, {Loeschen, 6, 3}};
        QTest::newRow("throttle with its parts untouched")
            << QList<Klick>{{Fahrregler, 4, 5}, {Signal, 2, 2}, {Fahrregler, 7, 8}} << QList<QPoint>{};
        QTest::newRow("signal on the middle part, turnout on the top part")
            << QList<Klick>{{Fahrregler, 4, 5}, {Signal, 4, 4}, {Fahrregler, 6, 5}, {Weiche, 6, 3}}
            << QList<QPoint>{};
        QTest::newRow("upper parts cleared") << geleert << QList<QPoint>{};
        QTest::newRow("unknown codes on a cleared middle and top part") << geleert << QList<QPoint>{{4, 4}, {6, 3}};
        QTest::newRow("throttle on another throttle's middle part")
            << QList<Klick>{{Fahrregler, 4, 6}, {Fahrregler, 4, 5}, {Signal, 4, 3}} << QList<QPoint>{};
        QTest::newRow("throttle on row 2 under a turnout on row 1")
            << QList<Klick>{{Weiche, 5, 1}, {Fahrregler, 5, 2}, {Weiche, 5, 1}} << QList<QPoint>{};
    }

    void aSavedDeskLoadsAsItWasSaved()
    {
        QFETCH(QList<QList<int>>, klicks);
        QFETCH(QList<QPoint>, unbekannt);
        antwort = Msg::Ja;   // a throttle may cover what stands above it
        for (const QList<int>& k : klicks) {
            setzeAn(k[0], k[1], k[2]);
            if (k[0] == Signal || k[0] == Weiche)   // modules, whose values go into their LNCV files
                feld(k[1], k[2]).LNCV[31] = int16_t(100 * k[1] + k[2]);
        }
        const QList<PultFeld> vorher = pultInhalt();
        QStringList bilderVorher;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                bilderVorher << bilder(x, y);
        PultDatei = "Pult.plt";
        QVERIFY(Save_plt());
        QStringList genannt;
        for (const QPoint& p : unbekannt) {
            const QString zeile = QString("XY: %1, %2, 0, 0").arg(p.x()).arg(p.y());
            QVERIFY2(zeileErsetzen(zeile, QString(zeile).replace(", 0, 0", ", 777, 0")), qPrintable(zeile));
            genannt << QString("Der Elementcode 777 von Feld (%1, %2) fehlt im Elementkatalog; das Feld bleibt leer.")
                           .arg(p.x()).arg(p.y());
        }
        boxen.clear();
        for (int durchgang = 1; durchgang <= 2; ++durchgang) {   // the second load reads the second save
            QVERIFY(Load_plt());
            QCOMPARE(boxen.size(), durchgang == 1 && !genannt.isEmpty() ? 1 : 0);
            for (const QString& zeile : durchgang == 1 ? genannt : QStringList())
                QVERIFY2(boxen[0].text.contains(zeile), qPrintable(boxen[0].text));
            boxen.clear();
            const QString abweichung = ersteAbweichung(vorher, durchgang);
            QVERIFY2(abweichung.isEmpty(), qPrintable(abweichung));
            for (int x = 1; x <= 10; ++x)
                for (int y = 1; y <= 8; ++y)
                    QVERIFY2(bilder(x, y) == bilderVorher[index(x, y)],
                             qPrintable(QString("field (%1, %2), load %3 shows ").arg(x).arg(y).arg(durchgang)
                                        + bilder(x, y) + ", saved: " + bilderVorher[index(x, y)]));
            QVERIFY(Save_plt());
        }
    }

    // The delete tool, Ctrl+Z and the electrical view leave every field as
    // the three grids show it, after each step and after a save and load: a
    // delete tool that changes nothing is no deletion; undo restores the
    // deleted field whole, a throttle's part or a base plate included, and
    // removes what was placed there since as a deletion does; a throttle's
    // parts go with it above an element on its middle part; a board is not
    // laid on a throttle's part.
    void undoAndThrottlePartsShowWhatTheDeskHolds_data()
    {
        QTest::addColumn<QList<Schritt>>("schritte");
        QTest::addColumn<QList<QList<int>>>("felder");   // every field not empty at the end: column, row, element, base plate
        QTest::addColumn<QStringList>("vorgemerkt");     // LNCV files marked for deletion at the end
        const auto plan = [](int wahl, int x, int y) { return Schritt{Schritt::Plan, wahl, x, y}; };
        const auto elektrik = [](int wahl, int x, int y) { return Schritt{Schritt::Elektrik, wahl, x, y}; };
        const Schritt z{Schritt::Zurueck};
        const QList<QList<int>> regler45 = {{4, 5, Fahrregler, 54730}, {4, 4, LeerIndex, 54731}, {4, 3, LeerIndex, 54732}};
        QTest::newRow("a) delete tool on an empty field after a deletion, undo")
            << QList<Schritt>{plan(Signal, 3, 3), plan(Loeschen, 3, 3), plan(Loeschen, 2, 2), z}
            << QList<QList<int>>{{3, 3, Signal, 0}} << QStringList{"54660_303.lcv"};
        QTest::newRow("b) delete tool on an empty field, a signal placed there, undo")
            << QList<Schritt>{plan(Loeschen, 3, 3), plan(Signal, 3, 3), z}
            << QList<QList<int>>{{3, 3, Signal, 0}} << QStringList{};
        QTest::newRow("b) board deleted, a route memory placed there, undo")
            << QList<Schritt>{elektrik(PPlatte, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 3, 3), z}
            << QList<QList<int>>{{3, 3, LeerIndex, 54642}} << QStringList{"54670_303.lcv"};
        QTest::newRow("c) throttle's middle part deleted, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), z} << regler45 << QStringList{};
        QTest::newRow("c) throttle's middle part deleted, a signal placed there, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), plan(Signal, 4, 4), z} << regler45
            << QStringList{"54660_404.lcv"};
        QTest::newRow("c) throttle's middle part deleted, a signal placed on the throttle, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), plan(Signal, 4, 5), z}
            << QList<QList<int>>{{4, 4, LeerIndex, 54731}, {4, 5, Signal, 0}} << QStringList{};
        QTest::newRow("d) throttle deleted under a signal on its middle part")
            << QList<Schritt>{plan(Fahrregler, 2, 4), plan(Signal, 2, 3), plan(Loeschen, 2, 4)}
            << QList<QList<int>>{{2, 3, Signal, 0}} << QStringList{};
        QTest::newRow("d) throttle replaced under a turnout on its middle part")
            << QList<Schritt>{plan(Fahrregler, 2, 4), plan(Weiche, 2, 3), plan(Signal, 2, 4)}
            << QList<QList<int>>{{2, 3, Weiche, 0}, {2, 4, Signal, 0}} << QStringList{};
        QTest::newRow("e) cross board on a throttle's middle part")
            << QList<Schritt>{plan(Fahrregler, 4, 5), elektrik(PKreuz, 4, 4)} << regler45 << QStringList{};
        QTest::newRow("e) connection board on a throttle's top part")
            << QList<Schritt>{plan(Fahrregler, 4, 5), elektrik(PPlatte, 4, 3)} << regler45 << QStringList{};
        QTest::newRow("route memory deleted, five placed meanwhile, undo refused")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 1, 1),
                              plan(FSSpeicherEl, 2, 1), plan(FSSpeicherEl, 3, 1), plan(FSSpeicherEl, 4, 1),
                              plan(FSSpeicherEl, 5, 1), z}
            << QList<QList<int>>{{1, 1, FSSpeicherEl, 0}, {2, 1, FSSpeicherEl, 0}, {3, 1, FSSpeicherEl, 0},
                                 {4, 1, FSSpeicherEl, 0}, {5, 1, FSSpeicherEl, 0}}
            << QStringList{"54670_303.lcv"};
        QTest::newRow("undo over a straight track placed since")
            << QList<Schritt>{plan(Weiche, 3, 3), plan(Loeschen, 3, 3), plan(Gerade, 3, 3), z}
            << QList<QList<int>>{{3, 3, Weiche, 0}} << QStringList{"54650_303.lcv"};
        QTest::newRow("undo over a route memory placed since")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 3, 3), z}
            << QList<QList<int>>{{3, 3, FSSpeicherEl, 0}} << QStringList{"54670_303.lcv"};
    }

    void undoAndThrottlePartsShowWhatTheDeskHolds()
    {
        QFETCH(QList<Schritt>, schritte);
        QFETCH(QList<QList<int>>, felder);
        QFETCH(QStringList, vorgemerkt);
        antwort = Msg::Ja;   // a throttle may cover what stands above it
        vormerkungenVerwerfen();
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            ausfuehren(schritte[i]);
            const QString abweichung = pultAbweichungen();
            QVERIFY2(abweichung.isEmpty(), qPrintable(QString("after step %1:\n").arg(i + 1) + abweichung));
        }
        QList<PultFeld> erwartet(10 * 8, LeerFeld);
        for (const QList<int>& f : felder) {
            erwartet[index(f[0], f[1])].ElementIndex = int16_t(f[2]);
            erwartet[index(f[0], f[1])].Grundplatte = f[3];
        }
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &f = feld(x, y), &e = erwartet[index(x, y)];
                const QString wo = QString("field (%1, %2)").arg(x).arg(y);
                QVERIFY2(f.ElementIndex == e.ElementIndex && f.Grundplatte == e.Grundplatte, qPrintable(wo));
                if (f.ElementIndex == Signal || f.ElementIndex == Weiche)   // the module's own values
                    QVERIFY2(f.LNCV[37] == 10 * x + y, qPrintable(wo));
            }
        QStringList dateien;
        for (const QString& pfad : vorgemerkteLncvDateien())
            dateien << QFileInfo(pfad).fileName();
        QCOMPARE(dateien, vorgemerkt);

        const QList<PultFeld> vorher = pultInhalt();
        PultDatei = "Pult.plt";
        QVERIFY(Save_plt());
        QVERIFY(Load_plt());
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &n = feld(x, y), &v = vorher[index(x, y)];
                QVERIFY2(n.ElementIndex == v.ElementIndex && n.Grundplatte == v.Grundplatte && n.LNCV == v.LNCV
                             && n.Anschluss == v.Anschluss,
                         qPrintable(QString("field (%1, %2) after the load").arg(x).arg(y)));
            }
        const QString abweichung = pultAbweichungen();
        QVERIFY2(abweichung.isEmpty(), qPrintable("after the load:\n" + abweichung));
    }

    // The route warning waits without modality: an edit asked about acts on
    // the field, palette entry, mark and clipboard it was asked for, whatever
    // the user clicks, chooses or copies meanwhile (here on the signal of
    // field (6, 4)), and nothing else changes; a throttle asks about the
    // fields above it only after the warning, and its answer holds. An edit
    // asked for a desk that was loaded, created, resized or locked, or in an
    // edit mode that was left meanwhile, is dropped as by "Abbruch"; settings
    // refused for a bad input change nothing. Each edit warns once, be it
    // chosen in the menu or answered in the warning's own window.
    void theRouteWarningKeepsItsEdit_data()
    {
        QTest::addColumn<int>("bearbeitung");
        QTest::addColumn<int>("inzwischen");
        QTest::addColumn<int>("antwort");         // to the route warning
        QTest::addColumn<int>("element");         // on field (3, 5) afterwards; -1: the edit was dropped
        QTest::addColumn<int>("reglerAntwort");   // to the throttle's question; -1: none may come
        QTest::addColumn<bool>("imFenster");      // pressed in the warning shown, not given by the test
        const int ja = Warnung_Fs_form::Ausfuehren, nein = Warnung_Fs_form::Abbruch, leer = LeerIndex;
        const int keine = -1;
        QTest::newRow("click, another field clicked")
            << int(PlatzKlick) << int(FeldKlick) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, another entry chosen")
            << int(PlatzKlick) << int(PaletteWechsel) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, select tool chosen")
            << int(PlatzKlick) << int(AuswahlWerkzeug) << ja << int(Weiche) << keine << false;
        QTest::newRow("click, Abbruch") << int(PlatzKlick) << int(FeldKlick) << nein << -1 << keine << false;
        QTest::newRow("throttle, another field clicked, Ja")
            << int(FahrreglerKlick) << int(FeldKlick) << ja << int(Fahrregler) << int(Msg::Ja) << false;
        QTest::newRow("throttle, another entry chosen, Nein")
            << int(FahrreglerKlick) << int(PaletteWechsel) << ja << -1 << int(Msg::Nein) << false;
        QTest::newRow("Delete, another field clicked")
            << int(Entfernen) << int(FeldKlick) << ja << leer << keine << false;
        QTest::newRow("cut, another block copied")
            << int(Ausschneiden) << int(Kopieren) << ja << leer << keine << false;
        QTest::newRow("paste, another block copied")
            << int(Einfuegen) << int(Kopieren) << ja << int(Weiche) << keine << false;
        QTest::newRow("Bearbeiten > Löschen, another field clicked")
            << int(MenueEntfernen) << int(FeldKlick) << ja << leer << keine << false;
        QTest::newRow("Bearbeiten > Ausschneiden, another block copied")
            << int(MenueAusschneiden) << int(Kopieren) << ja << leer << keine << false;
        QTest::newRow("Bearbeiten > Einfügen, another block copied")
            << int(MenueEinfuegen) << int(Kopieren) << ja << int(Weiche) << keine << false;
        QTest::newRow("Bearbeiten > Einfügen, Abbruch")
            << int(MenueEinfuegen) << int(Kopieren) << nein << -1 << keine << false;
        QTest::newRow("click, project loaded") << int(PlatzKlick) << int(Laden) << ja << -1 << keine << false;
        QTest::newRow("Delete, new desk") << int(Entfernen) << int(NeuesPult) << ja << -1 << keine << false;
        QTest::newRow("paste, desk settings applied")
            << int(Einfuegen) << int(Einstellungen) << ja << -1 << keine << false;
        QTest::newRow("paste, desk settings refused")
            << int(Einfuegen) << int(EinstellungenAbgelehnt) << ja << int(Weiche) << keine << false;
        QTest::newRow("cut, plan locked and unlocked")
            << int(Ausschneiden) << int(Sperre) << ja << -1 << keine << false;
        QTest::newRow("click, edit mode left and taken again")
            << int(PlatzKlick) << int(Modus) << ja << -1 << keine << false;
        QTest::newRow("window: Delete, another field clicked, Ausführen")
            << int(Entfernen) << int(FeldKlick) << ja << leer << keine << true;
        QTest::newRow("window: click, Abbruch") << int(PlatzKlick) << int(FeldKlick) << nein << -1 << keine << true;
        QTest::newRow("window: click, edit mode left and taken again, Ausführen")
            << int(PlatzKlick) << int(Modus) << ja << -1 << keine << true;
        QTest::newRow("window: paste, project loaded, Ausführen")
            << int(Einfuegen) << int(Laden) << ja << -1 << keine << true;
    }

    void theRouteWarningKeepsItsEdit()
    {
        QFETCH(int, bearbeitung);
        QFETCH(int, inzwischen);
        QFETCH(int, antwort);
        QFETCH(int, element);
        QFETCH(int, reglerAntwort);
        QFETCH(bool, imFenster);
        const Bearbeitung art = wirkung(Bearbeitung(bearbeitung));
        setzeAn(Weiche, 8, 1);
        setzeAn(Signal, 6, 4);
        feld(6, 4).LNCV[31] = 631;
        setzeAn(Gerade, 3, 4);   // under a throttle's upper part
        if (art == Entfernen || art == Ausschneiden) {
            setzeAn(Taste, 3, 5);
            feld(3, 5).LNCV[11] = 35;
        }
        FSAnzahl = 0;
        QList<PultFeld> vorher;
        qsizetype boxenVorher = 0;
        int fragen = 0;
        const auto beantworten = [&] {
            ++fragen;
            this->inzwischen(Inzwischen(inzwischen));
            vorher = pultInhalt();
            boxenVorher = boxen.size();
            this->antwort = reglerAntwort;
            return antwort;
        };
        if (imFenster) {
            QTimer::singleShot(0, this, [&] {
                Warnung_Fs_form* form = Warnung_Fs_form::instanz();
                QVERIFY(form->isVisible());
                form->Button[beantworten()]->click();
            });
        } else {
            setzeFSWarnungResponder(beantworten);
        }
        bearbeite(Bearbeitung(bearbeitung));
        setzeFSWarnungResponder({});
        FSAnzahl = -1;

        QCOMPARE(fragen, 1);
        const QList<MsgBoxAufruf> danach = boxen.mid(boxenVorher);
        QCOMPARE(danach.size(), reglerAntwort < 0 ? 0 : 1);
        if (reglerAntwort >= 0)
            QVERIFY2(danach[0].text.contains("\r\n   Zeile 4, Spalte 3: Gerade\r\n"), qPrintable(danach[0].text));
        if (element < 0) {
            QVERIFY(pultInhalt() == vorher);
            return;
        }
        // The edit stays in column 3; every other field, the signal's among them, is as the user left it.
        for (int x : {1, 2, 4, 5, 6, 7, 8, 9, 10})
            for (int y = 1; y <= 8; ++y)
                QCOMPARE(feld(x, y), vorher[index(x, y)]);
        QCOMPARE(feld(3, 5).ElementIndex, int16_t(element));
        QCOMPARE(feld(3, 5).Geaendert, int16_t(art == FahrreglerKlick ? 0 : 1));
        if (art == FahrreglerKlick)   // marked on its topmost part
            QCOMPARE(feld(3, 3).Geaendert, int16_t(1));
        if (art == Ausschneiden) {   // the rectangle cut, nothing of the block copied meanwhile
            QCOMPARE((QList<int>{ClipDX, ClipDY, ClipPult[0][0].ElementIndex, ClipPult[0][0].LNCV[11]}),
                     (QList<int>{0, 1, Taste, 35}));
            QVERIFY(ClipPult[0][1] == vorher[index(3, 6)]);
        }
        if (art == Entfernen) {   // the undo step is the element removed
            Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(feld(3, 5).ElementIndex, int16_t(Taste));
            QCOMPARE(feld(3, 5).LNCV[11], int16_t(35));
        }
    }

    void aMarkDoesNotOutliveTheDeskSize()
    {
        setzeAn(Weiche, 9, 7);
        markiere(8, 6, 10, 8);
        QVERIFY(Markiert);
        TestDesk::neuesPult(5, 5);   // fields beyond the new desk still hold the old ones
        waehle(Auswahl);
        Cntrl_C_X(67);
        QVERIFY(!ClipVoll);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
    }

    void clicksOutsideTheCellsDoNothing()
    {
        waehle(Weiche);
        for (auto [x, y] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{11, 3}, std::pair{3, 9}, std::pair{-1, -1}})
            klick(x, y);
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                QVERIFY(feld(x, y) == LeerFeld);
    }

    void lockedPlanOnlyPicksModules()
    {
        PultOptGPLocked = true;
        GleisPlan_Lock_Unlock();
        waehle(Weiche);
        klick(4, 4);
        QCOMPARE(feld(4, 4).ElementIndex, LeerIndex);
        QVERIFY(!ModulWahlOK);
        ModulWahl = true;
        klick(4, 4);
        QVERIFY(ModulWahlOK);
        QCOMPARE((std::pair{ModulWahlX, ModulWahlY}), (std::pair<int16_t, int16_t>(4, 4)));
    }

    void copyAndPaste_data()
    {
        QTest::addColumn<int>("option");
        QTest::newRow("addresses from the position") << 1;
        QTest::newRow("addresses kept") << 0;
    }
    void copyAndPaste()
    {
        QFETCH(int, option);
        setzeAn(Weiche, 2, 2);
        feld(2, 2).LNCV[11] = 55;
        feld(2, 2).LNCV[0] = 77;
        setzeAn(Signal, 3, 2);
        markiere(2, 2, 3, 2);
        QVERIFY(Markiert);
        QVERIFY(MainWin()["CopyMenu"].Enabled);
        Cntrl_C_X(0);
        QVERIFY(ClipVoll);
        PultDaten.PultOpt_ZS_AdrOpt = int16_t(option);
        plan().setzeZelle(5, 9);   // right column lands on the last column
        Cntrl_V();
        QVERIFY(boxen.isEmpty());
        QCOMPARE(feld(9, 5).ElementIndex, int16_t(Weiche));
        QCOMPARE(feld(9, 5).LNCV[11], int16_t(55));
        QCOMPARE(feld(9, 5).LNCV[0], int16_t(option ? 9 + 500 : 77));
        QCOMPARE(feld(10, 5).LNCV[0], int16_t(option ? 10 + 500 : 203));
        QCOMPARE(feld(10, 5).Geaendert, int16_t(1));
        QCOMPARE(plan().Col, 10);
    }

    void whatDoesNotFitIsRefused()
    {
        setzeAn(Weiche, 2, 2);
        markiere(2, 2, 3, 3);
        Cntrl_C_X(0);
        plan().setzeZelle(3, 10);
        Cntrl_V();
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen[0].titel, QString("Fehler beim Einsetzen"));
        QCOMPARE(boxen[0].text, QString("Der gespeicherter Teil kann hier nicht eingesetzt werden,\r\n"
                                        "         da er zu groß für diese Position ist!          "));
        QCOMPARE(feld(10, 3).ElementIndex, LeerIndex);

        // The clipboard holds at most 51 columns.
        PultdimensionenX = 60;
        pult_leeren();
        clipboardLeeren();
        markiere(1, 1, 52, 2);
        Cntrl_C_X(0);
        QVERIFY(!ClipVoll);
        QCOMPARE(boxen.size(), 2);
        markiere(1, 1, 51, 2);
        Cntrl_C_X(0);
        QVERIFY(ClipVoll);
        QCOMPARE(ClipDX, int16_t(50));
    }

    void cutEmptiesTheRectangleAndCannotBeUndone()
    {
        setzeAn(Weiche, 2, 2);
        setzeAn(Signal, 2, 3);
        markiere(2, 2, 2, 3);
        Cntrl_C_X(88);
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
        QCOMPARE(feld(2, 3).ElementIndex, LeerIndex);
        QCOMPARE(feld(2, 3).Geaendert, int16_t(1));
        QCOMPARE(ClipPult[0][1].ElementIndex, int16_t(Signal));
        QCOMPARE(UndoMoeglich, int16_t(0));
    }

    void undoRestoresOnlyTheLastDeletion()
    {
        setzeAn(Weiche, 2, 2);
        feld(2, 2).LNCV[11] = 11;
        setzeAn(Signal, 4, 4);
        feld(4, 4).LNCV[31] = 31;
        waehle(Auswahl);
        plan().setzeZelle(2, 2);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        plan().setzeZelle(4, 4);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(feld(4, 4).ElementIndex, LeerIndex);
        QCOMPARE(feld(4, 4).Geaendert, int16_t(1));
        QVERIFY(MainWin()["UndoMenu"].Enabled);
        plan().setzeZelle(1, 1);
        Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(feld(4, 4).ElementIndex, int16_t(Signal));
        QCOMPARE(feld(4, 4).LNCV[31], int16_t(31));
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
        QCOMPARE(plan().Row, 1);
        QVERIFY(!MainWin()["UndoMenu"].Enabled);
        Cntrl_Z();
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
    }

    void rotationWalksTheFamilyAndWraps()
    {
        setzeAn(Weiche, 3, 3);
        const int folge[] = {Weiche90, Weiche180, Weiche};
        for (int erwartet : folge) {
            klick(3, 3, Qt::RightButton);
            QCOMPARE(feld(3, 3).ElementIndex, int16_t(erwartet));
            QCOMPARE(feld(3, 3).Geaendert, int16_t(1));
        }
        QCOMPARE(naechsteDrehung(LeerIndex), int(LeerIndex));
        QCOMPARE(naechsteDrehung(Signal), int(Signal));
        QCOMPARE(naechsteDrehung(500), 500);
        klick(6, 6, Qt::RightButton);
        QVERIFY(feld(6, 6) == LeerFeld);
    }

    void editCommandsActOnlyInTrackPlanModeUnlocked()
    {
        setzeAn(Weiche, 2, 2);
        markiere(2, 2, 2, 3);
        Cntrl_C_X(0);
        EditModus = 3;
        ChangeEditMode();
        ClipBoardFlags();
        plan().setzeZelle(2, 2);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        loeschenNachWarnung();
        ElementDrehen();
        QCOMPARE(feld(2, 2).ElementIndex, int16_t(Weiche));
        plan().setzeZelle(5, 5);
        Cntrl_V();
        QCOMPARE(feld(5, 5).ElementIndex, LeerIndex);
        for (const char* m : {"CopyMenu", "CutMenu", "PasteMenu", "DelMenu", "EleDrehenMenu", "UndoMenu"})
            QVERIFY2(!MainWin()[m].Enabled, m);
    }

    void menuStatesFollowToolAndLock()
    {
        waehle(Auswahl);
        Pult_KeyUp(Qt::Key_V, Qt::ControlModifier);   // nothing to paste: only the menus
        QVERIFY(boxen.isEmpty());
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        markiere(2, 2, 3, 3);
        QVERIFY(Markiert);
        markiere(4, 4, 4, 4);   // a single cell clears the mark
        QVERIFY(!Markiert);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
        QVERIFY(!MainWin()["CutMenu"].Enabled);
        waehle(Weiche);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        QVERIFY(MainWin()["DelMenu"].Enabled);
        QVERIFY(!plan().HighLight);
        markiere(1, 1, 2, 2);
        Cntrl_C_X(0);
        ClipBoardFlags();
        QVERIFY(MainWin()["PasteMenu"].Enabled);
        QVERIFY(plan().HighLight);
        PultOptGPLocked = true;
        ClipBoardFlags();
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        QVERIFY(!MainWin()["DelMenu"].Enabled);
        QVERIFY(!plan().HighLight);
    }

    void addressGridClickOpensTheDialog_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("dialog");   // -1 = none
        QTest::newRow("3 turnout") << 3 << int(Weiche) << int(Dialog::Weichen_Form);
        QTest::newRow("3 uncoupler") << 3 << int(Entkuppler) << int(Dialog::Tasten_Form);
        QTest::newRow("3 signal") << 3 << int(Signal) << -1;
        QTest::newRow("4 signal") << 4 << int(Signal) << int(Dialog::Signal_Form);
        QTest::newRow("4 second family") << 4 << int(Signal2) << int(Dialog::Signal_Form);
        QTest::newRow("5 3-button") << 5 << int(Drei) << int(Dialog::Ausl_Form);
        QTest::newRow("6 joystick") << 6 << int(Joy) << int(Dialog::Ausl_Form);
        QTest::newRow("7 key") << 7 << int(Taste) << int(Dialog::Tasten_Form);
        QTest::newRow("7 3-button") << 7 << int(Drei) << int(Dialog::T3Mod_Form);
        QTest::newRow("7 joystick") << 7 << int(Joy) << int(Dialog::Joy_Form);
        QTest::newRow("7 signal") << 7 << int(Signal) << int(Dialog::Signal_Form);
        QTest::newRow("8 destination key") << 8 << int(Zieltaste) << int(Dialog::Fahrstr_Form);
        QTest::newRow("9 display") << 9 << int(Anzeige) << int(Dialog::Zivra_Form);
        QTest::newRow("9 straight") << 9 << int(Gerade) << -1;
    }
    void addressGridClickOpensTheDialog()
    {
        QFETCH(int, modus);
        QFETCH(int, element);
        QFETCH(int, dialog);
        setzeAn(element, 4, 3);
        EditModus = modus;
        ChangeEditMode();
        PultAdr_MouseDown(Qt::LeftButton, 3 * 3 - 1, 4);   // second row: nothing
        PultAdr_MouseDown(Qt::RightButton, 3 * 3 - 2, 4);
        QVERIFY(geoeffnet.isEmpty());
        PultAdr_MouseDown(Qt::LeftButton, 3 * 3 - 2, 4);
        if (dialog < 0) {
            QVERIFY(geoeffnet.isEmpty());
        } else {
            QCOMPARE(geoeffnet.size(), 1);
            QCOMPARE(int(geoeffnet[0]), dialog);
            QCOMPARE(AktFeldX, int16_t(4));
            QCOMPARE(AktFeldY, int16_t(3));
        }
    }

    void routeDefinitionTakesAnyField()
    {
        EditModus = 8;
        ChangeEditMode();
        FSinArbeit = true;
        FSKlick = 0;
        PultAdr_MouseDown(Qt::LeftButton, 3 * 5 - 2, 7);
        QCOMPARE(FSKlick, int16_t(1));
        QCOMPARE((std::pair{FSKlickX, FSKlickY}), (std::pair<int16_t, int16_t>(7, 5)));
        QVERIFY(geoeffnet.isEmpty());
    }

    void tableModeOpensTheLncvTableOfModules()
    {
        setzeAn(Weiche, 2, 2);
        setzeAn(Gerade, 3, 2);
        EditModus = 10;
        ChangeEditMode();
        klick(3, 2);
        QVERIFY(geoeffnet.isEmpty());
        klick(2, 2);
        QCOMPARE(geoeffnet, QList<Dialog>{Dialog::LNCV_Tab});
    }

    void connectionModulesAreNumberedUpToTwenty()
    {
        PultdimensionenX = 30;
        PultdimensionenY = 1;
        pult_leeren();
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        for (int x = 1; x <= 21; ++x)
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, x);
        QCOMPARE(feld(20, 1).Anschluss, int16_t(20));
        QCOMPARE(MainWin().Pult[1].Text(1, 20), QString("20"));
        QCOMPARE(feld(21, 1).Grundplatte, 0);
        QCOMPARE(boxen.last().text, QString("Es können höchstens 20 Anschlussmodule benutzt werden!"));
        QVERIFY(boxen[0].text.startsWith("Das Anschlussmodul hat die Modulnummer 1\r"));
        // A board laid over a connection module takes its number away.
        Elemente_Click(1, 0, PPlatte);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 5);
        QCOMPARE(feld(5, 1).Grundplatte, 54642);
        QCOMPARE(feld(5, 1).Anschluss, int16_t(0));
        QCOMPARE(get_next_anschluss_nummer(), 5);
        Elemente_Click(1, 0, PLoeschen);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 6);
        QCOMPARE(feld(6, 1).Grundplatte, 0);
        QCOMPARE(MainWin().Pult[1].Text(1, 6), QString("   "));
        QCOMPARE(MainWin().Pult[1].CellPicture(1, 6), QString());
    }

    // Placing an element on a connection module, or deleting it in the track
    // plan, takes its number and picture out of the electrical view: the next
    // module gets the freed number and each number is seen once.
    void replacedConnectionModulesFreeTheirNumbers()
    {
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 1);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 2);
        EditModus = 1;
        ChangeEditMode();
        setzeAn(Weiche, 1, 1);
        setzeAn(Loeschen, 2, 1);
        QCOMPARE((QList<int>{feld(1, 1).Anschluss, feld(2, 1).Grundplatte}), (QList<int>{0, 0}));
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 3);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 4);
        QStringList texte, bilder;
        for (int x = 1; x <= 4; ++x) {
            texte << MainWin().Pult[1].Text(1, x);
            bilder << MainWin().Pult[1].CellPicture(1, x).remove(KonfVerz);
        }
        QCOMPARE(texte, (QStringList{"", "", "1", "2"}));
        QCOMPARE(bilder, (QStringList{"", "", "am.bmp", "am.bmp"}));
    }

    // The delete tool of the electrical view leaves every part of a throttle.
    void electricalDeleteLeavesAThrottleWhole()
    {
        setzeAn(Fahrregler, 4, 5);
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PLoeschen);
        for (int y = 3; y <= 5; ++y)
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, y, 4);
        QCOMPARE((QList<int>{feld(4, 3).Grundplatte, feld(4, 4).Grundplatte, feld(4, 5).ElementIndex}),
                 (QList<int>{54732, 54731, Fahrregler}));
        QCOMPARE(feld(4, 3).Geaendert + feld(4, 4).Geaendert, 1);   // only the part the placement marked
    }

    void boardsOnlyOnEmptyOrIlluminatedFields()
    {
        setzeAn(Weiche, 2, 1);
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PKreuz);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 2);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 3);
        QCOMPARE(feld(2, 1).Grundplatte, 0);
        QCOMPARE(feld(3, 1).Grundplatte, 54640);
        QCOMPARE(feld(3, 1).Geaendert, int16_t(1));
        QCOMPARE(MainWin().Pult[1].CellPicture(1, 3), KonfVerz + "kreuz.bmp");
    }

    // Each module loads the values it was saved with, whatever other LNCV
    // files lie in the project folder: a stale file of its earlier address
    // (also when a copy made it the newest), another module's file under its
    // placement address, the file of its address before column and row
    // addressing was switched off. Route memories keep their slot, also with
    // a free slot before them, and the route code they held, and the loaded desk has no changes that are not programmed. A
    // project saved before the file names were kept finds each module by the
    // position its file names; files without a description line by their
    // address. The edits are clicks, typing in the LNCV table and the desk
    // settings; then the desk is saved, changed as the row says, and loaded.
    void eachModuleLoadsTheValuesItWasSavedWith_data()
    {
        QTest::addColumn<QList<QList<int>>>("schritte");
        QTest::addColumn<int>("danach");
        QTest::addColumn<QString>("datei");   // the file that danach acts on
        const QList<QList<int>> a = {{Setzen, Weiche, 2, 1}, {Speichern}, {Tippen, 2, 1, 0, 500}, {Tippen, 2, 1, 11, 77}};
        const QList<QList<int>> b = {{Setzen, Weiche, 1, 1}, {Setzen, Weiche, 2, 1}, {Tippen, 1, 1, 0, 700},
                                     {Tippen, 2, 1, 0, 101}, {Tippen, 1, 1, 11, 11}, {Tippen, 2, 1, 11, 21}};
        const QList<QList<int>> c = {{Setzen, Signal, 1, 1}, {Tippen, 1, 1, 37, 55}, {AdressenAus},
                                     {Setzen, Signal, 3, 1}, {Tippen, 3, 1, 37, 33}};
        QTest::newRow("a) new address after a save") << a << int(Unveraendert) << "";
        QTest::newRow("a) the stale file newer, as a copy leaves it") << a << int(AlteDateiNeuer) << "54650_102.lcv";
        QTest::newRow("b) an address another module is placed at") << b << int(Unveraendert) << "";
        QTest::newRow("c) column and row addressing switched off") << c << int(Unveraendert) << "";
        QTest::newRow("d) own addresses after a save without column and row addressing")
            << QList<QList<int>>{{AdressenAus}, {Setzen, Weiche, 2, 1}, {Setzen, Weiche, 3, 1}, {Speichern},
                                 {Tippen, 2, 1, 0, 21}, {Tippen, 3, 1, 0, 31}, {Tippen, 2, 1, 11, 5},
                                 {Tippen, 3, 1, 11, 6}}
            << int(Unveraendert) << "";
        QTest::newRow("e) route memories placed against the file order")
            << QList<QList<int>>{{Setzen, FSSpeicherEl, 2, 1}, {Setzen, FSSpeicherEl, 1, 1}, {Route}} << int(Unveraendert)
            << "";
        QTest::newRow("route memories in slots 1 and 2, slot 0 freed")
            << QList<QList<int>>{{Setzen, FSSpeicherEl, 1, 1}, {Setzen, FSSpeicherEl, 2, 1}, {Setzen, FSSpeicherEl, 3, 1},
                                 {Setzen, Loeschen, 1, 1}, {Route}}
            << int(Unveraendert) << "";
        QTest::newRow("route memories in slots 0 and 2, slot 1 freed")
            << QList<QList<int>>{{Setzen, FSSpeicherEl, 1, 1}, {Setzen, FSSpeicherEl, 2, 1}, {Setzen, FSSpeicherEl, 3, 1},
                                 {Setzen, Loeschen, 2, 1}, {Route}}
            << int(Unveraendert) << "";
        QTest::newRow("b) saved before the file names were kept") << b << int(AlterStand) << "";
        QTest::newRow("c) saved before the file names were kept") << c << int(AlterStand) << "";
        const QList<QList<int>> unberuehrt = {{Setzen, Weiche, 2, 1}, {Setzen, Signal, 3, 2}, {Setzen, Drei, 4, 3},
                                              {Setzen, Anzeige, 5, 1}, {Setzen, FSSpeicherEl, 6, 2}, {Route}};
        QTest::newRow("untouched modules") << unberuehrt << int(Unveraendert) << "";
        QTest::newRow("a file missing: the question once") << unberuehrt << int(DateiFehlt) << "54660_203.lcv";
        QTest::newRow("a file without description line, a project without file names")
            << unberuehrt << int(OhneBeschreibung) << "54650_102.lcv";
    }

    void eachModuleLoadsTheValuesItWasSavedWith()
    {
        QFETCH(QList<QList<int>>, schritte);
        QFETCH(int, danach);
        QFETCH(QString, datei);
        QTemporaryDir projekt;
        PultVerz = projekt.path() + "/";
        PultDatei = "Pult.plt";
        antwort = Msg::Ja;   // modules sharing a file are saved anyway
        for (const QList<int>& s : schritte)
            schritt(s);
        QVERIFY(Save_plt());
        const QList<PultFeld> vorher = pultInhalt();
        const auto bilderVorher = fsBilder();
        const QString pfad = PultVerz + datei;
        switch (danach) {
        case AlteDateiNeuer: {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
            break;
        }
        case DateiFehlt:
            QVERIFY(QFile::remove(pfad));
            break;
        case OhneBeschreibung: {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QStringList zeilen = Cp1252::zeilen(f.readAll());
            f.close();
            QCOMPARE(zeilen.removeIf([](const QString& z) { return z.startsWith("!:") || z.startsWith("//"); }), 2);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(Cp1252::datei(zeilen));
            ohneModulDateien();
            break;
        }
        case AlterStand:
            ohneModulDateien();
            break;
        }
        antwort = Msg::Nein;   // a missing file keeps its module
        for (int durchgang = 1; durchgang <= 2; ++durchgang) {   // the second load reads the second save
            boxen.clear();
            QVERIFY(Load_plt());
            const QString wo = QString("load %1").arg(durchgang);
            const bool frage = danach == DateiFehlt && durchgang == 1;
            QVERIFY2(boxen.size() == (frage ? 1 : 0), qPrintable(wo));
            if (frage)
                QCOMPARE(boxen[0].text, "Das File " + pfad + " existiert nicht!\r\n          Element löschen?            ");
            const QString abweichung = ersteAbweichung(vorher, durchgang);
            QVERIFY2(abweichung.isEmpty(), qPrintable(abweichung));
            QVERIFY2(fsBilder() == bilderVorher, qPrintable(wo));
            QVERIFY2(!check_aenderung(), qPrintable(wo));
            QVERIFY(Save_plt());
        }
    }
};

QTEST_MAIN(TestDeskEditing)
#include "tst_desk_editing.moc"
