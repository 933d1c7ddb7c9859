// The route memory code: the words of every command type, packed and aligned
// layouts, a full route memory continuing in the next one, refused words,
// and a project with routes that loads, rebuilds its code and saves as it was.
#include "routes/RouteTestDesk.h"

#include "project/LncvFile.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "routes/RouteMemoryCode.h"

#include <QDir>

using Bloecke = QList<QList<int>>;

class TstRouteMemoryCode : public QObject {
    Q_OBJECT

    RouteTestDesk pult;
    using I = PlacementTestDesk::Index;
    using T = RouteTestDesk;
    static constexpr int Pause1s = 25;

    // The whole code area of route memory m.
    static QList<int> alles(int m = 0) { return code(5, FSCodeLetzteLNCV, m); }

    // Route r with n0 / n1 pauses of one second; header words (10 + r)*10 + 6 and (20 + r)*10 + 7.
    static void pausenRoute(int r, int n0, int n1)
    {
        T::route(r, 0, 0, 10 + r, 0, 20 + r, 1);
        for (int i = 0; i < n0; ++i)
            T::neu(r, 0, Befehlsart::Pause, 0, 0, 1);
        for (int i = 0; i < n1; ++i)
            T::neu(r, 1, Befehlsart::NutzerPause, 0, 0, 1);
    }

    // The code of slot 0 expected from the routes' lengths and the first LNCV of every block.
    static QList<int> erwartet(const Bloecke& laengen, const QList<int>& starts)
    {
        QList<int> w(FSCodeLetzteLNCV + 1, 0);
        qsizetype k = 0;
        for (qsizetype r = 0; r < laengen.size(); ++r)
            for (int l = 0; l < 2; ++l) {
                const int n = laengen[r][l];
                if (n == 0)
                    continue;
                const int start = starts[k++];
                w[start] = (l == 0 ? 10 + int(r) : 20 + int(r)) * 10 + 6 + l;
                std::fill_n(w.begin() + start + 1, n, Pause1s);
            }
        return w.mid(5);
    }

    QString fsMeldung() const { return pult.boxen.isEmpty() ? QString() : pult.boxen.last().text; }

private slots:
    void init()
    {
        pult.aufbauen();
        AdrOpt = AdrOptDaten{};
        PultDaten.PultOpt_HS_FolgeAdr = 0;
        PultDatei = "Routen.plt";
        pult.setze(9, 9, I::FSSpeicherEl);
        QCOMPARE(FSSpeicher[0].X, int16_t(9));
        TestDesk::setzen(4, 1, I::Signal, {31, 300, 32, 310, 33, 320});
        TestDesk::setzen(6, 1, I::Vorsignal, {0, 777});
        TestDesk::setzen(2, 3, I::Weiche, {0, 302, 11, 1234});
        pult.boxen.clear();
    }

    // Command types and values the route definition tests do not walk through.
    void commandWords_data()
    {
        QTest::addColumn<int>("liste");
        QTest::addColumn<QList<int>>("befehl");   // type, column, row, Wert, Zustand, LNCVNr
        QTest::addColumn<QList<int>>("worte");
        QTest::newRow("distant signal, second address") << 0 << QList<int>{4, 4, 1, 0, 0, 32} << QList<int>{1009, 3110};
        QTest::newRow("main signal 2, own address") << 0 << QList<int>{8, 4, 1, 55, 1, 31} << QList<int>{1009, 551};
        QTest::newRow("user feedback free") << 0 << QList<int>{22, 0, 0, 3000, 2, -1} << QList<int>{1009, 30002};
        QTest::newRow("user pause 3276 s") << 0 << QList<int>{23, 0, 0, 3276, 0, -1} << QList<int>{1009, 65525};
        QTest::newRow("call a route when occupied") << 0 << QList<int>{24, 0, 0, 150, 1, -1} << QList<int>{1009, 1507};
        QTest::newRow("lock route 12") << 0 << QList<int>{25, 0, 0, 12, 2, -1} << QList<int>{1009, 60122};
        QTest::newRow("route number 553") << 0 << QList<int>{25, 0, 0, 553, 1, -1} << QList<int>{1009, 65531};
    }

    void commandWords()
    {
        QFETCH(int, liste);
        QFETCH(QList<int>, befehl);
        QFETCH(QList<int>, worte);
        T::route(0, 4, 1, 100, 3, 200, 2);
        T::neu(0, liste, befehl[0], befehl[1], befehl[2], befehl[3], befehl[4], befehl[5]);
        make_54670_code();
        QCOMPARE(code(6, 6 + int(worte.size())), worte + QList<int>{0});
        QCOMPARE(FSSpeicher[0].LetzteLNCV, int16_t(5 + worte.size()));
        QCOMPARE(FSSpeicher[0].Voll, int16_t(0));
        QVERIFY(pult.boxen.isEmpty());
    }

    void layouts_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<Bloecke>("laengen");    // per route: commands of list 0 and list 1
        QTest::addColumn<QList<int>>("starts");  // first LNCV of every block
        QTest::addColumn<int>("letzte");
        QTest::newRow("packed") << 0 << Bloecke{{3, 1}, {0, 2}, {1, 0}} << QList<int>{6, 10, 12, 15} << 16;
        QTest::newRow("aligned 10") << 10 << Bloecke{{3, 1}, {2, 0}} << QList<int>{10, 20, 30} << 32;
        QTest::newRow("aligned, block ends on 29") << 10 << Bloecke{{8, 9}, {1, 0}} << QList<int>{10, 20, 40} << 41;
        QTest::newRow("aligned, full step") << 10 << Bloecke{{9, 0}, {1, 0}} << QList<int>{10, 30} << 31;
        QTest::newRow("aligned, only a release list") << 10 << Bloecke{{0, 1}, {1, 0}} << QList<int>{20, 30} << 31;
        QTest::newRow("aligned, empty route") << 10 << Bloecke{{1, 1}, {0, 0}, {1, 0}} << QList<int>{10, 20, 30}
                                              << 31;
        QTest::newRow("aligned 1000, a set list alone needs no room behind it")
            << 1000 << Bloecke{{4, 0}, {4, 0}} << QList<int>{1000, 2000} << 2004;
        QTest::newRow("aligned, set list ends on 2038") << 1000 << Bloecke{{4, 0}, {38, 0}} << QList<int>{1000, 2000}
                                                        << 2038;
        QTest::newRow("aligned, set list ends on 2039") << 1000 << Bloecke{{4, 0}, {39, 0}} << QList<int>{1000, 2000}
                                                        << 2039;
        QTest::newRow("aligned, release list ends on 2039") << 970 << Bloecke{{3, 99}} << QList<int>{970, 1940} << 2039;
        QTest::newRow("aligned 1") << 1 << Bloecke{{1, 1}, {1, 0}} << QList<int>{7, 10, 13} << 14;
        QTest::newRow("negative step packs") << -3 << Bloecke{{1, 1}} << QList<int>{6, 8} << 9;
    }

    void layouts()
    {
        QFETCH(int, a);
        QFETCH(Bloecke, laengen);
        QFETCH(QList<int>, starts);
        AdrOpt.AdrOpt_FahrstFolgenStart = int16_t(a);
        for (qsizetype r = 0; r < laengen.size(); ++r)
            pausenRoute(int(r), laengen[r][0], laengen[r][1]);
        make_54670_code();
        QCOMPARE(alles(), erwartet(laengen, starts));
        QFETCH(int, letzte);
        QCOMPARE(int(FSSpeicher[0].LetzteLNCV), letzte);
        QCOMPARE(int(FSSpeicher[0].Voll), letzte == FSCodeLetzteLNCV ? -1 : 0);
        QVERIFY(pult.boxen.isEmpty());
    }

    // Route memories in slot 0 and one further slot, the slots between them
    // free: the code continues in the further one; what fits nowhere is named.
    void fullMemoryContinuesInTheNext_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("proSpeicher");   // routes of 100 + 100 commands per memory
        QTest::addColumn<int>("letzte");
        QTest::addColumn<int>("zweiter");       // the slot of the further route memory
        QTest::newRow("packed") << 0 << 10 << 2025 << 2;
        QTest::newRow("aligned 100") << 100 << 5 << 2000 << 2;
        QTest::newRow("packed, neighbouring slots") << 0 << 10 << 2025 << 1;
        QTest::newRow("packed, the last slot") << 0 << 10 << 2025 << 4;
    }

    void fullMemoryContinuesInTheNext()
    {
        QFETCH(int, a);
        QFETCH(int, proSpeicher);
        QFETCH(int, zweiter);
        AdrOpt.AdrOpt_FahrstFolgenStart = int16_t(a);
        for (int m = 1; m < FSSpeicherMax; ++m)
            pult.setze(9, 9 - m, I::FSSpeicherEl);
        for (int m = 1; m < FSSpeicherMax; ++m)
            if (m != zweiter)
                LoeschePultElement(9, 9 - m);
        QCOMPARE(FSSpeicher[size_t(zweiter)].X, int16_t(9));
        const int routen = 2 * proSpeicher + 2;
        for (int r = 0; r < routen; ++r)
            pausenRoute(r, 100, 100);
        pult.boxen.clear();
        make_54670_code();

        for (int m = 0; m < FSSpeicherMax; ++m) {
            if (m == 0 || m == zweiter) {
                QCOMPARE(FSSpeicher[size_t(m)].Voll, int16_t(-1));
                QTEST(int(FSSpeicher[size_t(m)].LetzteLNCV), "letzte");
            } else {
                QCOMPARE(FSSpeicher[size_t(m)].X, int16_t(0));
                QCOMPARE(FSSpeicher[size_t(m)].LetzteLNCV, int16_t(5));
                QCOMPARE(alles(m), QList<int>(FSCodeLetzteLNCV - 4, 0));
            }
        }
        const int erster = a == 0 ? 6 : a;
        QCOMPARE(Int_to_UWord(FSSpeicher[size_t(zweiter)].LNCV[size_t(erster)]), (10 + proSpeicher) * 10 + 6);
        QCOMPARE(titel(pult), QStringList{"Fahrstraßen für Fahrstraßenspeicher"});
        QCOMPARE(fsMeldung(), QString("Alle vorhandenen Fahrstraßenspeicher (54670) sind belegt!\r\n"
                                      " Die vorgegebenen Fahrstraßen konnten nicht vollständig   \r\n"
                                      "    in die Fahrstraßenspeicher übernommen werden!         \r\n"
                                      "\r\nNicht übernommen:\r\n"
                                      "Fahrstraße %1 \"FS%2\"\r\nFahrstraße %3 \"FS%1\"")
                                  .arg(routen - 1).arg(routen - 2).arg(routen));
    }

    // Ten routes fill a memory up to LNCV 2025. A route that ends exactly at
    // LNCV 2039 fills it, and so does one too long for the rest: the next
    // route goes into the next memory even though it would fit the rest.
    void aFullMemoryTakesNoShorterRouteLater_data()
    {
        QTest::addColumn<int>("pausen");         // set list of route 10
        QTest::addColumn<int>("letzte");         // of memory 0
        QTest::addColumn<QList<int>>("zweiter"); // the code of memory 1 from LNCV 6
        QTest::newRow("route ending at 2039") << 13 << 2039 << QList<int>{216, Pause1s, 0};
        QTest::newRow("route one word too long")
            << 14 << 2025 << QList<int>{206} + QList<int>(14, Pause1s) + QList<int>{216, Pause1s, 0};
    }

    void aFullMemoryTakesNoShorterRouteLater()
    {
        QFETCH(int, pausen);
        QFETCH(QList<int>, zweiter);
        pult.setze(9, 8, I::FSSpeicherEl);
        for (int r = 0; r < 10; ++r)
            pausenRoute(r, 100, 100);
        pausenRoute(10, pausen, 0);
        pausenRoute(11, 1, 0);
        make_54670_code();
        QTEST(int(FSSpeicher[0].LetzteLNCV), "letzte");
        QCOMPARE(FSSpeicher[0].Voll, int16_t(-1));
        QCOMPARE(code(6, 5 + int(zweiter.size()), 1), zweiter);
        QVERIFY(pult.boxen.isEmpty());
        // A rebuild starts from empty memories again.
        const QList<int> vorher = alles(0) + alles(1);
        make_54670_code();
        QCOMPARE(alles(0) + alles(1), vorher);
    }

    void wordsThatDoNotFitAreRefused()
    {
        T::route(0, 0, 0, 100, 3, 100, 2);
        T::neu(0, 0, Befehlsart::NutzerPause, 0, 0, 3276);
        T::neu(0, 0, Befehlsart::Pause, 0, 0, 3277);
        T::neu(0, 0, Befehlsart::NutzerFSNummer, 0, 0, 554);
        T::neu(0, 0, Befehlsart::Weiche, 2, 3, 0, 0, 11);
        T::neu(0, 1, Befehlsart::NutzerMagnetartikel, 0, 0, 7, 12);
        T::neu(0, 1, 17, 0, 0, 7, 1);
        T::route(1, 0, 0, 6554, 0, 100, 2);
        T::neu(1, 0, Befehlsart::Pause, 0, 0, 1);
        T::neu(1, 1, Befehlsart::Pause, 0, 0, 1);
        make_54670_code();
        QCOMPARE(code(6, 12), QList<int>({1009, 65525, 12340, 1008, 1008, Pause1s, 0}));
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(fsMeldung(), QString("Diese Befehle passen nicht in ein LNCV des Fahrstraßenspeichers\r\n"
                                      "und wurden nicht übernommen:\r\n"
                                      "Fahrstraße 1 \"FS0\", Festlegen, Befehl 2: der Wert 65545 ist größer als 65535\r\n"
                                      "Fahrstraße 1 \"FS0\", Festlegen, Befehl 3: der Wert 65540 ist größer als 65535\r\n"
                                      "Fahrstraße 1 \"FS0\", Auflösen, Befehl 1: Zustand 12 ist ungültig\r\n"
                                      "Fahrstraße 1 \"FS0\", Auflösen, Befehl 2: unbekannte Befehlsart 17\r\n"
                                      "Fahrstraße 2 \"FS1\", Festlegen, Rückmeldeadresse: der Wert 65546 ist "
                                      "größer als 65535"));
    }

    void withoutRoutesOrRouteMemories()
    {
        FSSpeicherModul& m = FSSpeicher[0];
        m.LNCV.fill(9);
        m.Voll = -1;
        m.LetzteLNCV = 700;
        make_54670_code();   // no route: the code is cleared, the rest stays
        QCOMPARE(alles(), QList<int>(FSCodeLetzteLNCV - 4, 0));
        QCOMPARE((QList<int>{m.LNCV[4], m.LNCV[2040], m.Voll, m.LetzteLNCV}), (QList<int>{9, 9, -1, 700}));
        QVERIFY(pult.boxen.isEmpty());

        pausenRoute(0, 1, 1);
        LoeschePultElement(9, 9);
        QCOMPARE(pult.boxen.size(), 1);
        QCOMPARE(fsMeldung(), QString("Es ist kein Fahrstraßenspeicher im Pult vorhanden!\r\n"
                                      "   Die Fahrstraßen müssen, soweit möglich, in     \r\n"
                                      "        Centravox oder Centravox-Switch                 \r\n"
                                      "           programmiert werden.                   "));
        QCOMPARE(pult.boxen[0].stil, Msg::NurOk | Msg::Kritisch);
    }

    // Routes of every kind saved with their code; the route memory's file is
    // then stripped of the code: loading rebuilds it and saving gives the
    // same files again.
    void projectWithRoutesLoadsRebuildsAndSavesIdentically()
    {
        AdrOpt.AdrOpt_FahrstFolgenStart = 16;
        for (int x : {2, 4, 6})
            TestDesk::setzen(x, x == 2 ? 3 : 1, I::Leer);
        pult.setze(4, 1, I::Signal);
        pult.setze(2, 3, I::Weiche);
        for (auto [x, y, n, wert] : {std::array{4, 1, 0, 401}, {4, 1, 31, 300}, {4, 1, 39, 4561}, {2, 3, 0, 302},
                                     {2, 3, 11, 1234}})
            TestDesk::feld(x, y).LNCV[size_t(n)] = int16_t(wert);
        for (int r = 0; r < 3; ++r) {
            Fahrstrasse& fs = T::route(r, 4, 1, 1000 + r, 3, 1000 + r, 2);
            fs.Ziel = {4, 1, 0, 0, 39};
            fs.Aufloesen = {0, 0, 900, 2, -1};
            T::neu(r, 0, Befehlsart::Hauptsignal1, 4, 1, 0, 1, 31);
            T::neu(r, 0, Befehlsart::Weiche, 2, 3, 0, r % 2, 11);
            T::neu(r, 0, Befehlsart::Freimeldung, 0, 0, 900, 2, -1);
            Make_new_FS(r);
            T::neu(r, 1, Befehlsart::NutzerFSNummer, 0, 0, r + 1, 1);
            QCOMPARE(NeueFSin54660(r), 0);
        }
        DelRouteElement(1, 0, 2);   // a hole in a list
        make_54670_code();
        const QList<int> vorher = alles();
        QCOMPARE(vorher[16 - 5], 10006 + 3);
        QVERIFY(Save_plt());
        const QMap<QString, QByteArray> erste = dateien();
        const QStringList speicher = QDir(PultVerz).entryList({"54670_*.lcv"});
        QCOMPARE(speicher.size(), 1);
        const QString datei = PultVerz + speicher[0];
        LncvInhalt inhalt;
        QString fehler;
        QVERIFY2(lncvDateiLesen(datei, LncvAnzahlFSSpeicher, inhalt, fehler), qPrintable(fehler));
        std::fill(inhalt.werte.begin() + FSCodeErsteLNCV, inhalt.werte.begin() + FSCodeLetzteLNCV + 1, int16_t(0));
        QVERIFY(save_lncv(inhalt.artikelNr, inhalt.werte.data(), LncvAnzahlFSSpeicher, datei, inhalt.text, fehler));
        alleFahrstrassenLoeschen();
        PultAufgebaut = false;
        QVERIFY(Load_plt());

        QCOMPARE(FSAnzahl, int16_t(2));
        QCOMPARE(alles(), vorher);
        QCOMPARE(TestDesk::lncv(4, 1, 45), 4561);
        QVERIFY(Save_plt());
        QCOMPARE(dateien(), erste);
        QVERIFY2(pult.boxen.isEmpty(), qPrintable(fsMeldung()));
    }

private:
    static QMap<QString, QByteArray> dateien()
    {
        QMap<QString, QByteArray> inhalt;
        for (const QString& name : QDir(PultVerz).entryList(QDir::Files)) {
            QFile f(PultVerz + name);
            f.open(QIODevice::ReadOnly);
            inhalt.insert(name, f.readAll());
        }
        return inhalt;
    }
};

QTEST_MAIN(TstRouteMemoryCode)
#include "tst_route_memory_code.moc"
