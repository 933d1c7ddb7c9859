// A desk edited by the user, saved and loaded again: every field, module
// file and route memory comes back as it was saved.
#include "DeskEditingTestDesk.h"

#include "config/LncvTable.h"
#include "core/Cp1252.h"
#include "project/ChangeDetection.h"
#include "project/DeskSettings.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "project/ProjectFileState.h"
#include "platform/Wait.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteCommands.h"
#include "routes/RouteMemoryCode.h"

#include <QFile>
#include <QMap>
#include <functional>

class TestDeskLoadSave : public QObject, DeskEditingTestDesk {
    Q_OBJECT

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

    // Edits of a module through the program's own paths, as rows give them.
    // Setzen: catalogue index, column, row (a click in the track plan);
    // Tippen: column, row, LNCV, value (typed into the LNCV table that a click
    // in mode 10 opens); AdressenAus: the desk settings with "Moduladressierung
    // gemäß Spalte und Zeile" off; Speichern: "Pult speichern"; Route: one
    // route with one command, its code built as the route editor's OK does;
    // RouteWeiche: column, row: the same with a command that switches the
    // turnout there by its LNCV 11.
    enum ModulBearbeitung { Setzen, Tippen, AdressenAus, Speichern, Route, RouteWeiche };
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
            RouteBefehl& b = FSDaten[0].Route[0][size_t(e)];
            if (s[0] == RouteWeiche)
                b = {int16_t(s[1]), int16_t(s[2]), 0, 1, Befehlsart::Weiche, 11, b[Befehl::Vorgaenger],
                     b[Befehl::Nachfolger]};
            else
                b = {0, 0, 123, 1, Befehlsart::NutzerMagnetartikel, LNCVNrImWert, b[Befehl::Vorgaenger],
                     b[Befehl::Nachfolger]};
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
        aufbauen();
        fsCodeFolgtDemPultAnmelden();   // as the program does
    }
    void init() { leeren(); }

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
        const QStringList bilderVorher = pultGezeigt();
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
            const QString abweichung = ersteAbweichung(vorher, QString("load %1").arg(durchgang));
            QVERIFY2(abweichung.isEmpty(), qPrintable(abweichung));
            const QString anders = ersteAnzeigeAbweichung(bilderVorher, QString("after load %1").arg(durchgang));
            QVERIFY2(anders.isEmpty(), qPrintable(anders));
            QVERIFY(Save_plt());
        }
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
        QTest::newRow("route memories in slot 0 and 1 of one column")
            << QList<QList<int>>{{Setzen, FSSpeicherEl, 2, 3}, {Setzen, FSSpeicherEl, 2, 1}, {Route}} << int(Unveraendert)
            << "";
        QTest::newRow("five route memories, slot 3 freed")
            << QList<QList<int>>{{Setzen, FSSpeicherEl, 1, 1}, {Setzen, FSSpeicherEl, 2, 1}, {Setzen, FSSpeicherEl, 3, 1},
                                 {Setzen, FSSpeicherEl, 4, 1}, {Setzen, FSSpeicherEl, 5, 1}, {Setzen, Loeschen, 4, 1},
                                 {Route}}
            << int(Unveraendert) << "";
        // The value typed and the save in one step of the program: the save
        // writes the code of the value typed.
        QTest::newRow("route code of a value typed right before the save")
            << QList<QList<int>>{{Setzen, Weiche, 2, 1}, {Setzen, FSSpeicherEl, 1, 1}, {RouteWeiche, 2, 1},
                                 {Tippen, 2, 1, 11, 77}}
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
        QVERIFY(Warten::pause(0));   // the program handles the step and waits: the project stays saved
        QVERIFY(!projektUngespeichert());
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
            const QString abweichung = ersteAbweichung(vorher, QString("load %1").arg(durchgang));
            QVERIFY2(abweichung.isEmpty(), qPrintable(abweichung));
            QVERIFY2(fsBilder() == bilderVorher, qPrintable(wo));
            QVERIFY2(!check_aenderung(), qPrintable(wo));
            QVERIFY(Save_plt());
        }
    }
};

QTEST_MAIN(TestDeskLoadSave)
#include "tst_desk_load_save.moc"
