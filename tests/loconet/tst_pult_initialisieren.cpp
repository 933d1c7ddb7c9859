// Initialising the desk end to end: module addresses given by their keys,
// the reset, single modules, and the error dialog. Each case pins the whole
// message trace.
#include "PultAktionenTest.h"

class TstPultInitialisieren : public PultAktionenTest {
    Q_OBJECT

private slots:
    // Every module by its key; a missing module is skipped with "nächstes"
    // after its 100 key requests, and the desk then does not count as initialised.
    void initialisierenMitFehlendemModul()
    {
        PultTest::modul(1, 1, 54650, 3);
        PultTest::modul(2, 1, 54660, 21);
        PultTest::modul(3, 1, 54700, 8);
        TestDesk::feld(1, 1).ProgKopie[5] = 7;
        SimModul& a = simModul(5465, 1, {{5, 7}});
        SimModul& c = simModul(5470, 1);
        // The user presses the key of the module the info line names; the
        // missing module's requests wait less, to keep the test quick.
        const QMap<QString, SimModul*> tasten = {{QStringLiteral("Spalte 1 Zeile 1"), &a},
                                                 {QStringLiteral("Spalte 3 Zeile 1"), &c}};
        const auto verbindung = connect(&MainWin(), &HauptFenster::geaendert, this, [&] {
            SimModul* m = tasten.value(MainWin().InfoTxt2);
            TastenWarteMs = m ? TastenWarteStandardMs : 30;
            if (m && MainWin().InfoTxt1.startsWith(QStringLiteral("Bitte Taster")) && !m->programmiermodus)
                m->tasteGedrueckt = true;
        });
        fehlerAntworten = {PultFehler::Naechstes};
        PultMenu_Click(InitNeu);
        disconnect(verbindung);

        QStringList erwartet = {"taste", "schreib 5465 119=0", "schreib 5465 0=3", "aus 5465/3"};
        for (int i = 0; i < 100; ++i)
            erwartet << "taste";
        // The missing module may have missed only our answer: it is told to end programming.
        vergleicheSpur(erwartet << "aus 5466/21" << "taste" << "schreib 5470 119=0" << "schreib 5470 0=8" << "aus 5470/8");
        QCOMPARE((QList<int>{a.adresse(), a.lncv[5], c.adresse()}), (QList<int>{3, 0, 8}));
        QCOMPARE((QList<int>{TestDesk::feld(1, 1).ProgKopie[5], TestDesk::feld(1, 1).ProgKopie[0]}), (QList<int>{0, 3}));
        QCOMPARE(PultDaten.PultInit, int16_t(0));
        QCOMPARE(MainWin().InfoTxt1,
                 QStringLiteral("Pult-Initialisierung unvollständig: 1 Modul nicht initialisiert!"));
        QCOMPARE(umgebung->boxen.last().text, QStringLiteral("  Fehler:\r\n    Modul reagiert nicht"));
    }

    void tastenAntwortWiederholt_data()
    {
        QTest::addColumn<int>("kopieMs");              // the line repeats each key answer this long after it (0: never)
        QTest::addColumn<int>("antwort");              // the choice in the error dialog (Abbruch: none expected)
        QTest::addColumn<bool>("adresseVerweigert");   // the second module refuses its new address, once
        QTest::addColumn<bool>("fremdeTaste");         // a module of another type is pressed with the second
        QTest::addColumn<QList<int>>("aufforderungen");   // the modules whose prompt shows, in turn
        QTest::addColumn<QList<int>>("adressen");         // the modules' addresses afterwards
        QTest::addColumn<QStringList>("spur");   // the messages apart from key requests (rows without copies)
        const int abbruch = PultFehler::Abbruch;
        const auto modul = [](int adr) {
            return QStringList{"schreib 5465 119=0", QStringLiteral("schreib 5465 0=%1").arg(adr),
                               QStringLiteral("aus 5465/%1").arg(adr)};
        };
        const QStringList verweigert = {"schreib 5465 119=0", "schreib 5465 0=102", "aus 5465/2", "aus 5465/102"};
        QTest::newRow("300 ms") << 300 << abbruch << false << false << QList<int>{0, 1, 2}
                                << QList<int>{101, 102, 103} << QStringList();
        QTest::newRow("900 ms") << 900 << abbruch << false << false << QList<int>{0, 1, 2}
                                << QList<int>{101, 102, 103} << QStringList();
        QTest::newRow("Adresse verweigert, nochmal")
            << 0 << int(PultFehler::Nochmal) << true << false << QList<int>{0, 1, 1, 2} << QList<int>{101, 102, 103}
            << modul(101) + verweigert + modul(102) + modul(103);
        QTest::newRow("Adresse verweigert, nächstes")
            << 0 << int(PultFehler::Naechstes) << true << false << QList<int>{0, 1, 2} << QList<int>{101, 2, 103}
            << modul(101) + verweigert + modul(103);
        QTest::newRow("fremde Taste, keine Kopie")
            << 0 << abbruch << false << true << QList<int>{0, 1, 2} << QList<int>{101, 102, 103}
            << modul(101) + modul(102) + QStringList{"aus 5466/9"} + modul(103);
    }

    // Three modules of one type; the user presses each key 1.5 s after the
    // prompt names its field, as one who walks to the module, and the line
    // may repeat every key answer. Only an answer to a key request of the field
    // whose prompt shows counts: each module ends with its own field's
    // address, none stays in programming mode and no field is reported as
    // not reacting. A module that refuses its new address is told to end
    // programming at the address it answered with, then at its new one;
    // "nochmal" prompts for its field again, "nächstes" leaves it at its old
    // address. A module of another type that answered a key request is told
    // to end programming too.
    void tastenAntwortWiederholt()
    {
        QFETCH(int, kopieMs);
        QFETCH(int, antwort);
        QFETCH(bool, adresseVerweigert);
        QFETCH(bool, fremdeTaste);
        QFETCH(QList<int>, aufforderungen);
        QFETCH(QStringList, spur);
        // Its answer comes first: the key request waits on past it.
        SimModul& fremd = simModul(5466, 9);
        const QList<QPoint> felder = {{1, 1}, {1, 2}, {2, 1}};
        QList<SimModul*> module;
        for (int i = 0; i < 3; ++i) {
            PultTest::modul(felder[i].x(), felder[i].y(), 54650, 101 + i);
            module << &simModul(5465, uint16_t(1 << i));   // 1, 2, 4: no module at another one's address
        }
        if (adresseVerweigert)
            module[1]->verweigert.insert(0);
        beiFehler = [&] { module[1]->verweigert.clear(); };
        if (kopieMs != 0)
            sim->tastenKopien = {kopieMs};
        const auto zeigt = [&](int i) {
            return MainWin().InfoTxt1.startsWith(QStringLiteral("Bitte Taster"))
                && MainWin().InfoTxt2 == QStringLiteral("Spalte %1 Zeile %2").arg(felder[i].x()).arg(felder[i].y());
        };
        QList<int> gezeigt;
        int zeigtJetzt = -1;
        QObject benutzer;   // key presses still pending end with the test
        connect(&MainWin(), &HauptFenster::geaendert, &benutzer, [&] {
            int i = 0;
            while (i < 3 && !zeigt(i))
                ++i;
            if (i < 3 && i != zeigtJetzt) {
                gezeigt << i;
                QTimer::singleShot(1500, &benutzer, [&, i] {
                    if (zeigt(i) && !module[i]->programmiermodus) {
                        module[i]->tasteGedrueckt = true;
                        fremd.tasteGedrueckt = fremdeTaste && i == 1;
                    }
                });
            }
            zeigtJetzt = i < 3 ? i : -1;
        });
        fehlerAntworten = {antwort};
        PultMenu_Click(InitNeu);

        QCOMPARE(imProgrammiermodus(), QStringList());
        QCOMPARE(gezeigt, aufforderungen);
        QTEST((QList<int>{module[0]->adresse(), module[1]->adresse(), module[2]->adresse()}), "adressen");
        QStringList ohneTasten = PultTest::spur(*sim);
        ohneTasten.removeAll(QStringLiteral("taste"));
        if (!spur.isEmpty())
            QCOMPARE(ohneTasten, spur);
        QStringList fehler;
        for (const MsgBoxAufruf& b : umgebung->boxen)
            if (b.titel == QStringLiteral("Fehler bei Lesen oder Programmieren eines Moduls"))
                fehler << b.text;
        QCOMPARE(fehler, adresseVerweigert ? QStringList{"  Fehler:\r\n    Programmierung des Wertes gescheitert"}
                                           : QStringList());
    }

    // A route memory loses its address in the reset and gets it back after
    // its pause; the programmed copies are forgotten so that the next
    // programming writes every value again.
    void loeschenMitFahrstrassenspeicher()
    {
        SimModul& weiche = modul(1, 1, 54650, 3, {5, 7}, {{5, 7}});
        TestDesk::feld(1, 1).ProgKopie[5] = 7;
        FSSpeicherModul& bild = PultTest::fsSpeicher(2, 1, 0, 12);
        bild.LNCV[100] = bild.ProgKopie[100] = 5;
        SimModul& speicher = simModul(5467, 12, {{100, 5}});
        PultMenu_Click(Loeschen);

        vergleicheSpur({"an 5465/3", "schreib 5465 119=0", "aus 5465/3", "an 5467/12", "schreib 5467 2048=0",
                        "schreib 5467 0=12", "aus 5467/12"});
        QCOMPARE((QList<int>{weiche.lncv[5], speicher.adresse(), speicher.lncv[100]}), (QList<int>{0, 12, 0}));
        QCOMPARE((QList<int>{TestDesk::feld(1, 1).ProgKopie[5], bild.ProgKopie[100], bild.ProgKopie[0]}),
                 (QList<int>{0, 0, 12}));
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("gesamtes Pult gelöscht !!!"));
    }

    void initialisierungUnvollstaendig_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("nächstes") << int(PultFehler::Naechstes);
        QTest::newRow("Abbruch") << int(PultFehler::Abbruch);
    }

    // An initialisation that did not reach the module's reset leaves its
    // programmed copies as they were and the desk not initialised: a value
    // changed to 0 in the project is still written by the next programming.
    void initialisierungUnvollstaendig()
    {
        QFETCH(int, antwort);
        SimModul& m = modul(1, 1, 54650, 3, {5, 0}, {{5, 10}});
        frueherProgrammiert({&m}, {{1, 1}});
        TestDesk::feld(1, 1).ProgKopie[5] = 10;
        PultDaten.PultInit = -1;
        TastenWarteMs = 30;   // nobody presses the key
        fehlerAntworten = {antwort};
        PultMenu_Click(InitNeu);
        QCOMPARE(PultDaten.PultInit, int16_t(0));

        umgebung->antwort = Msg::Ja;
        PultMenu_Click(Programmieren);
        QStringList erwartet;
        for (int i = 0; i < 100; ++i)
            erwartet << "taste";
        erwartet << "aus 5465/3";
        erwartet += Spur().an(5465, 3).lies(120, 127).schreib(5, 0).stempel(120, Frueher, PultDaten.TempKennung).aus(3).zeilen;
        vergleicheSpur(erwartet);
        QCOMPARE(m.lncv[5], uint16_t(0));
    }

    void einzelnInitialisieren_data()
    {
        QTest::addColumn<int>("spalte");   // 0: the pick is cancelled with the right button
        QTest::addColumn<QString>("zeile1");
        QTest::addColumn<QStringList>("spur");
        QTest::newRow("abgebrochen") << 0 << "Modulauswahl abgebrochen" << QStringList{};
        QTest::newRow("Feld ohne Modul") << 2 << "Pult-Initialisierung beendet !!!" << QStringList{};
        QTest::newRow("Weichenmodul") << 1 << "Pult-Initialisierung beendet !!!"
                                      << QStringList{"taste", "schreib 5465 119=0", "schreib 5465 0=3", "aus 5465/3"};
    }

    // A click on the open plan is no pick; on the locked plan it picks the field.
    void einzelnInitialisieren()
    {
        QFETCH(int, spalte);
        QFETCH(QString, zeile1);
        QFETCH(QStringList, spur);
        PultTest::modul(1, 1, 54650, 3);
        simModul(5465, 1).tasteGedrueckt = true;
        PultOptGPLocked = false;
        QTimer::singleShot(50, this, [&] {
            Pult_MouseDown(0, Qt::LeftButton, {}, 1, 1);
            PultOptGPLocked = true;
            Pult_MouseDown(0, spalte == 0 ? Qt::RightButton : Qt::LeftButton, {}, 1, std::max(spalte, 1));
        });
        PultMenu_Click(Einzeln);
        QCOMPARE(MainWin().InfoTxt1, zeile1);
        vergleicheSpur(spur);
        QCOMPARE(umgebung->boxen.size(), 1);
        QCOMPARE(PultDaten.PultInit, int16_t(0));
        PultOptGPLocked = false;
    }

    void fehlerDialog_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("zeile1");
        QTest::newRow("nochmal") << int(PultFehler::Nochmal) << "Pult Programmierung beendet !!!";
        QTest::newRow("nächstes") << int(PultFehler::Naechstes)
                                  << "Pult Programmierung unvollständig: 1 Modul nicht programmiert!";
        QTest::newRow("Abbruch") << int(PultFehler::Abbruch) << "Achtung Fehler: Modul Programmierung fehlerhaft";
    }

    // A refused value: the module leaves programming mode, then the answer decides.
    void fehlerDialog()
    {
        QFETCH(int, antwort);
        QFETCH(QString, zeile1);
        SimModul& a = modul(1, 1, 54650, 3, {5, 7});
        SimModul& b = modul(2, 1, 54660, 21, {60, 1});
        frueherProgrammiert({&a, &b}, {{1, 1}, {2, 1}}, false);
        PultDaten.PultInit = -1;
        a.verweigert.insert(5);
        bool waehrendDesLaufs = false;
        beiFehler = [&] {
            waehrendDesLaufs = PultAktionLaeuft && QTest::qWaitFor([&] { return !a.programmiermodus; }, 10000);
            // The desk is not edited meanwhile: a click of the placing tool on the open plan places nothing.
            PultOptGPLocked = false;
            AuswahlModus = false;
            AuswahlElement = PultTest::index(54642);
            Pult_MouseDown(0, Qt::LeftButton, {}, 2, 3);
            waehrendDesLaufs = waehrendDesLaufs && TestDesk::feld(3, 2).ElementIndex == LeerFeld.ElementIndex;
            a.verweigert.clear();
        };
        fehlerAntworten = {antwort};
        PultMenu_Click(Programmieren);

        QVERIFY(waehrendDesLaufs);
        const auto& neu = PultDaten.TempKennung;
        Spur erwartet;
        erwartet.an(5465, 3).lies(120, 127).schreib(5, 7).aus(3);
        if (antwort == PultFehler::Nochmal)
            erwartet.an(5465, 3).lies(120, 127).schreib(5, 7).stempel(120, Frueher, neu).aus(3);
        if (antwort != PultFehler::Abbruch)
            erwartet.an(5466, 21).lies(120, 127).schreib(60, 1).stempel(120, Frueher, neu).aus(21);
        vergleicheSpur(erwartet.zeilen);
        QCOMPARE(MainWin().InfoTxt1, zeile1);
        const bool festgeschrieben = antwort != PultFehler::Abbruch;
        QCOMPARE(PultDaten.Kennung == neu, festgeschrieben);
        QCOMPARE(QFile::exists(PultVerz + PultDatei), festgeschrieben);
    }
};

QTEST_MAIN(TstPultInitialisieren)
#include "tst_pult_initialisieren.moc"
