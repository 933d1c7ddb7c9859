// The desk actions end to end: the program opens "COM1" through the real
// serial-port path, simulated modules work the other end of a
// pseudo-terminal paced at 16457 baud. Each case pins the whole message
// trace: exactly the messages the programming decision requires.
#include "LnTestUmgebung.h"
#include "PtySim.h"
#include "PultTestPult.h"
#include "core/BoundElement.h"
#include "core/DeskMouse.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "core/ModulePick.h"
#include "core/MenuCommands.h"
#include "loconet/DeskActions.h"
#include "loconet/Lncv.h"
#include "loconet/PultFehlMeldung.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <numeric>

using PultTest::Spur;

namespace {
enum Menu { Auslesen = 1, Programmieren = 2, InitNeu = 3, Einzeln = 4, Loeschen = 5 };
const std::array<int16_t, 8> FruehererStempel{2016, 2904, 1405, 8501, 11615, 9814, 11100, 1};   // "Tessaro"
const std::array<int, 8> Frueher{2016, 2904, 1405, 8501, 11615, 9814, 11100, 1};                // as the modules hold it
} // namespace

class TstPultAktionen : public QObject {
    Q_OBJECT

    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<LnModulSim> sim;
    std::unique_ptr<PtySim> pty;
    std::unique_ptr<QTemporaryDir> projekt;
    QList<SimModul*> simModule;
    QList<int> fehlerAntworten;
    std::function<void()> beiFehler;

    SimModul& simModul(uint16_t art, uint16_t adr, const QMap<int, int>& werte = {})
    {
        SimModul& m = sim->modul(art, adr);
        for (auto it = werte.begin(); it != werte.end(); ++it)
            m.lncv[it.key()] = uint16_t(it.value());
        simModule << &m;
        return m;
    }

    // A desk module (values as pairs number, value) and its simulated counterpart.
    SimModul& modul(int x, int y, int32_t artikel, int adr, const QList<int>& pult, const QMap<int, int>& werte = {})
    {
        PultTest::modul(x, y, artikel, adr, pult);
        return simModul(uint16_t(artikel / 10), uint16_t(adr), werte);
    }

    // The desk as programmed before with FruehererStempel: in the project, in
    // the modules, in the LNCVs of the desk fields and, with kopie, in their programmed copies.
    void frueherProgrammiert(const QList<SimModul*>& module, const QList<QPoint>& felder = {}, bool kopie = true)
    {
        PultDaten.Kennung = FruehererStempel;
        PultDaten.PultProgJahr = FruehererStempel[0];
        PultDaten.PultProgTag = FruehererStempel[1];
        PultDaten.PultProgZeit = FruehererStempel[2];
        for (SimModul* m : module)
            std::copy(Frueher.begin(), Frueher.end(), m->lncv.begin() + (m->art == 5467 ? 2040 : 120));
        for (const QPoint& p : felder) {
            std::copy_n(FruehererStempel.begin(), 8, TestDesk::feld(p.x(), p.y()).LNCV.begin() + 120);
            if (kopie)
                std::copy_n(FruehererStempel.begin(), 8, TestDesk::feld(p.x(), p.y()).ProgKopie.begin() + 120);
        }
    }

    // The modules still in programming mode ("type/address") once the last
    // message had time to arrive through the pseudo-terminal.
    QStringList imProgrammiermodus() const
    {
        const auto beendet = [this] {
            return std::none_of(simModule.begin(), simModule.end(), [](const SimModul* m) { return m->programmiermodus; });
        };
        if (QTest::qWaitFor(beendet, 10000))
            return {};
        QStringList module;
        for (const SimModul* m : simModule)
            if (m->programmiermodus)
                module << QStringLiteral("%1/%2").arg(m->art).arg(m->adresse());
        return module;
    }

    // Every module has left programming mode and received exactly erwartet.
    void vergleicheSpur(const QStringList& erwartet)
    {
        QCOMPARE(imProgrammiermodus(), QStringList());
        const QStringList ist = PultTest::spur(*sim);
        sim->nachrichten.clear();
        QCOMPARE(ist, erwartet);
    }

    // The project's values of the module on (1, 1): its desk field, or the image of a route memory.
    static int16_t* projektWerte(int32_t artikel)
    {
        return artikel == 54670 ? FSSpeicher[0].LNCV.data() : TestDesk::feld(1, 1).LNCV.data();
    }

    // Two turnout boards of the same type, so that LNCV requests reach both:
    // a on (1, 1) with address 13, b on (2, 1) with address 21.
    std::pair<SimModul*, SimModul*> zweiGleichartige()
    {
        SimModul& a = modul(1, 1, 54650, 13, {5, 11}, {{5, 11}});
        SimModul& b = modul(2, 1, 54650, 21, {5, 22}, {{5, 22}});
        return {&a, &b};
    }

private slots:
    void initTestCase()
    {
        echtenKatalogLaden(2);   // both traffic sides: with the signal boards for left-hand traffic
        LN_starten(this);
        setzePultFehlMeldungResponder([this] {
            if (beiFehler)
                beiFehler();
            return fehlerAntworten.isEmpty() ? int(PultFehler::Abbruch) : fehlerAntworten.takeFirst();
        });
    }

    void init()
    {
        umgebung = std::make_unique<LnTestUmgebung>();
        sim = std::make_unique<LnModulSim>();
        sim->antwortVerzugMs = 2;
        pty = std::make_unique<PtySim>(*sim);
        QVERIFY(pty->starten());
        umgebung->verknuepfe(1, pty->slavePfad());
        LnTestUmgebung::einstellen(1, -1, 0);   // the serial LocoNet interface: 16457 baud, as the line is paced
        projekt = std::make_unique<QTemporaryDir>();
        TestDesk::neuesPult(3, 2);
        PultDaten.PultName = QStringLiteral("Tessaro");
        kennungAusNamen(PultDaten.PultName, PultDaten.Kennung.data());
        PultVerz = projekt->path() + QStringLiteral("/");
        PultDatei = QStringLiteral("Pult.plt");
        simModule.clear();
        fehlerAntworten.clear();
        beiFehler = {};
    }

    void cleanup()
    {
        QVERIFY(!PultAktionLaeuft);
        QVERIFY(!MarkTimer().isActive());
        TastenWarteMs = TastenWarteStandardMs;
        pty.reset();
        sim.reset();
        umgebung.reset();
    }

    // Never programmed, never initialised: every LNCV is read and only the
    // differing ones written. The second run after one change writes that
    // value and the stamp values of the new date, nothing else.
    void erstesProgrammierenUndEineAenderung()
    {
        modul(1, 1, 54650, 3, {5, 7, 40, 300}, {{5, 7}, {80, 9}});
        modul(2, 2, 54660, 21, {60, 1234});
        umgebung->antwort = Msg::Ja;
        bool offenBeimSpeichern = true;
        const auto wache = connect(&MainWin(), &HauptFenster::geaendert, this, [&] {
            if (MainWin().InfoTxt1 == QStringLiteral("Speichern"))
                offenBeimSpeichern = Comm1->offen();
        });
        PultMenu_Click(Programmieren);
        disconnect(wache);
        QVERIFY(!offenBeimSpeichern);

        const auto& neu = PultDaten.TempKennung;
        Spur erwartet;
        erwartet.an(5465, 3).vergleichen(2, 80, {{5, 7}, {80, 9}}, {{5, 7}, {40, 300}}).stempel(120, {}, neu).aus(3);
        erwartet.an(5466, 21).vergleichen(2, 80, {}, {{60, 1234}}).stempel(120, {}, neu).aus(21);
        vergleicheSpur(erwartet.zeilen);
        QCOMPARE(umgebung->boxen.first().text, QStringLiteral(" Das Pult wurde noch nicht initialisiert! \r\n"
                                                              "        Programmierung ausführen?         "));
        QCOMPARE(PultDaten.Kennung, neu);
        QCOMPARE(PultDaten.PultProgJahr, neu[0]);
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Pult Programmierung beendet !!!"));
        QCOMPARE(MainWin().InfoTxt2, QStringLiteral("Pult wurde in Datenfile gesichert!"));
        QVERIFY(QFile::exists(PultVerz + PultDatei));

        // The same desk programmed at an earlier date, then one value changed.
        frueherProgrammiert(simModule, {{1, 1}, {2, 2}});
        TestDesk::feld(1, 1).LNCV[40] = 301;
        PultMenu_Click(Programmieren);
        Spur zweiter;
        zweiter.an(5465, 3).lies(120, 127).schreib(40, 301).stempel(120, Frueher, neu).aus(3);
        zweiter.an(5466, 21).lies(120, 127).stempel(120, Frueher, neu).aus(21);
        vergleicheSpur(zweiter.zeilen);
        QVERIFY(zweiter.zeilen.contains(QStringLiteral("schreib 5465 122=%1").arg(PultDaten.Kennung[2])));
    }

    // A stamp changed by hand is read three times, then the module is
    // compared value by value; a module saved with unprogrammed changes
    // (mark 255) is compared without reading its stamp.
    void verschiedeneKennung()
    {
        SimModul& a = modul(1, 1, 54650, 3, {5, 7}, {{5, 6}});
        SimModul& b = modul(1, 2, 54660, 21, {60, 2, 127, 255}, {{60, 2}, {61, 4}});
        frueherProgrammiert({&a, &b});
        a.lncv[121] = 101;
        PultDaten.PultInit = -1;
        PultMenu_Click(Programmieren);

        const auto& neu = PultDaten.TempKennung;
        std::array<int, 8> stempelA = Frueher;
        stempelA[1] = 101;
        Spur erwartet;
        erwartet.an(5465, 3).lies(120).lies(121).lies(121).lies(121);
        erwartet.vergleichen(2, 80, {{5, 6}}, {{5, 7}}).stempel(120, stempelA, neu).aus(3);
        erwartet.an(5466, 21).vergleichen(2, 80, {{60, 2}, {61, 4}}, {{60, 2}}).stempel(120, Frueher, neu).aus(21);
        vergleicheSpur(erwartet.zeilen);
        QCOMPARE(TestDesk::feld(1, 2).LNCV[127], int16_t(1));
    }

    // Read-back: a differing module is taken over after the question, the
    // key functions of a 3-button segment stay as the editor set them; an
    // equal module is only compared.
    void auslesenMitUebernahme()
    {
        SimModul& tasten = modul(1, 1, 54690, 7, {10, 1, 115, 4}, {{10, 55}, {1, 2}});
        SimModul& weiche = modul(2, 1, 54650, 3, {5, 7}, {{5, 9}});
        frueherProgrammiert({&tasten, &weiche});
        tasten.lncv[120] = 2017;
        // Dialogs opened for the fields before: the one whose values were taken over must not write its stale ones.
        const ElementBezug uebernommen(1, 1), verglichen(2, 1);
        umgebung->antworten = {Msg::Ok, Msg::Ja};
        PultMenu_Click(Auslesen);
        QVERIFY(!uebernommen.gilt());
        QVERIFY(verglichen.gilt());

        Spur erwartet;
        erwartet.an(5469, 7).lies(120).lies(120).lies(120).lies(0, 114).lies(118, 127).aus(7);
        erwartet.an(5465, 3).lies(120, 127).aus(3);
        vergleicheSpur(erwartet.zeilen);
        QCOMPARE(umgebung->boxen[1].titel, QStringLiteral("Pult auslesen"));
        QVERIFY(umgebung->boxen[1].text.startsWith(QStringLiteral("Das Modul in Spalte 1, Zeile 1\r\n")));
        const PultFeld& f = TestDesk::feld(1, 1);
        QCOMPARE((QList<int>{f.LNCV[10], f.ProgKopie[10], f.LNCV[120], f.LNCV[115]}), (QList<int>{55, 55, 2017, 4}));
        QCOMPARE(TestDesk::feld(2, 1).LNCV[5], int16_t(7));   // equal stamp: not taken over
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Auslesen des Pults beendet !!!"));
        QCOMPARE(MainWin().InfoTxt2, QStringLiteral("Pultinhalt stimmt nicht mit letzter Programmierung überein!"));
    }

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

    void dreiTastenVersion_data()
    {
        QTest::addColumn<int>("version");   // 0: no module answers
        QTest::addColumn<QList<int>>("tasten");   // the functions of keys 0, 1 and 2 (LNCV 115..117)
        QTest::addColumn<bool>("warnung");
        QTest::newRow("Version 1") << 1 << QList<int>{0, 5, 0} << true;
        QTest::newRow("Version 1, drei Tasten") << 1 << QList<int>{4, 5, 4} << true;
        QTest::newRow("Version 2") << 2 << QList<int>{0, 5, 0} << false;
        QTest::newRow("kein Modul") << 0 << QList<int>{0, 5, 0} << false;
    }

    // A key with the uncoupler or STOP/GO function needs version 2: the
    // module's version is read once after a successful start, however many
    // keys need it; a warning does not stop the module. A module that does
    // not answer its start is still told to end programming.
    void dreiTastenVersion()
    {
        QFETCH(int, version);
        QFETCH(QList<int>, tasten);
        QFETCH(bool, warnung);
        PultTest::modul(1, 1, 54690, 7, {115, tasten[0], 116, tasten[1], 117, tasten[2]});
        for (int k = 0; k < 3; ++k)
            TestDesk::feld(1, 1).ProgKopie[size_t(115 + k)] = int16_t(tasten[k]);
        PultDaten.PultInit = -1;
        QList<SimModul*> module;
        if (version != 0)
            module << &simModul(5469, 7, {{1, version}, {115, tasten[0]}, {116, tasten[1]}, {117, tasten[2]}});
        frueherProgrammiert(module, {{1, 1}});
        PultMenu_Click(Programmieren);

        Spur erwartet;
        for (int i = 0; i < (version == 0 ? 10 : 1); ++i)
            erwartet.an(5469, 7);
        if (version != 0)
            erwartet.lies(1).lies(120, 127).stempel(120, Frueher, PultDaten.TempKennung);
        vergleicheSpur(erwartet.aus(7).zeilen);
        const auto warnungen = std::count_if(umgebung->boxen.begin(), umgebung->boxen.end(), [](const MsgBoxAufruf& b) {
            return b.titel == QStringLiteral("Achtung")
                && b.text.startsWith(QStringLiteral(" Die Software-Version dieses 3-Tastenmoduls ist nicht\r"));
        });
        QCOMPARE(warnungen, warnung ? 1 : 0);
    }

    void bereiche_data()
    {
        QTest::addColumn<int>("artikel");
        QTest::addColumn<int>("letzte");        // the last LNCV that programming decides
        QTest::addColumn<int>("stempel");       // the first stamp LNCV
        QTest::addColumn<int>("uebernahme");    // the values read-back takes over, from LNCV 0 on
        QTest::addColumn<QList<int>>("ohne");   // of those, the ones it leaves alone
        const QList<int> keine;
        QTest::newRow("Weichenmodul") << 54650 << 80 << 120 << 128 << keine;
        QTest::newRow("Signalmodul") << 54660 << 80 << 120 << 128 << keine;
        QTest::newRow("Fahrstraßenspeicher") << 54670 << 2039 << 2040 << 2048 << keine;
        QTest::newRow("Zugnummernanzeige") << 54680 << 30 << 120 << 128 << keine;
        QTest::newRow("3-Tasten-Modul") << 54690 << 55 << 120 << 128 << QList<int>{115, 116, 117};
        QTest::newRow("Joystick-Modul") << 54700 << 89 << 120 << 128 << keine;
        QTest::newRow("Signalmodul Linksverkehr") << 54710 << 80 << 120 << 128 << keine;
    }

    // Programming an initialised desk never programmed writes every value
    // other than 0 from LNCV 2 to the module's last (here the first and the
    // last, not the one after it); read-back of a desk never programmed takes
    // over every value the module has, but the key functions of a 3-button
    // segment, which only the desk keeps.
    void bereiche()
    {
        QFETCH(int, artikel);
        QFETCH(int, letzte);
        QFETCH(int, stempel);
        QFETCH(int, uebernahme);
        QFETCH(QList<int>, ohne);
        // Up to 2048 reads: the line is not paced.
        sim->antwortVerzugMs = 0;
        pty = std::make_unique<PtySim>(*sim, 1e9);
        QVERIFY(pty->starten());
        umgebung->verknuepfe(1, pty->slavePfad());
        if (artikel == 54670)
            PultTest::fsSpeicher(1, 1, 0, 12);
        else
            PultTest::modul(1, 1, artikel, 12);
        SimModul& m = simModul(uint16_t(artikel / 10), 12);
        for (int n = 1; n < uebernahme; ++n)
            m.lncv[n] = uint16_t(1000 + n);
        int16_t* projekt = projektWerte(artikel);
        projekt[2] = 7;
        projekt[letzte] = 9;
        projekt[letzte + 1] = 5;
        PultDaten.PultInit = -1;
        PultMenu_Click(Programmieren);

        const int art = artikel / 10;
        std::array<int, 8> modulStempel{};
        std::iota(modulStempel.begin(), modulStempel.end(), 1000 + stempel);
        Spur erwartet;
        erwartet.an(art, 12).schreib(2, 7).schreib(letzte, 9).stempel(stempel, modulStempel, PultDaten.TempKennung);
        vergleicheSpur(erwartet.aus(12).zeilen);

        PultDaten.PultProgJahr = 0;
        m.lncv[uebernahme - 1] = 4321;
        PultMenu_Click(Auslesen);
        Spur gelesen;
        gelesen.an(art, 12);
        for (int n = 0; n < uebernahme; ++n)
            if (!ohne.contains(n))
                gelesen.lies(n);
        vergleicheSpur(gelesen.aus(12).zeilen);
        QCOMPARE(projekt[uebernahme - 1], int16_t(4321));
        QCOMPARE(MainWin().InfoTxt1, QStringLiteral("Auslesen des Pults beendet !!!"));
    }

    void gescheiterterStart_data()
    {
        QTest::addColumn<int>("aktion");
        QTest::addColumn<QStringList>("spurB");   // what module b receives (programming: made after the run, for its stamp)
        QTest::addColumn<QList<int>>("wert5");    // LNCV 5 of module a, of module b
        QTest::addColumn<QString>("zeile1");
        const Spur b = Spur().an(5465, 21);
        QTest::newRow("Auslesen") << int(Auslesen) << Spur(b).lies(0, 127).aus(21).zeilen << QList<int>{11, 22}
                                  << "Auslesen des Pults unvollständig: 1 Modul nicht ausgelesen!";
        QTest::newRow("Programmieren") << int(Programmieren) << QStringList() << QList<int>{11, 22}
                                       << "Pult Programmierung unvollständig: 1 Modul nicht programmiert!";
        QTest::newRow("Löschen") << int(Loeschen) << Spur(b).schreib(119, 0).aus(21).zeilen << QList<int>{11, 0}
                                 << "Pult löschen unvollständig: 1 Modul nicht gelöscht!";
    }

    // Module a misses all its start answers but heard a request: it may be in
    // programming mode, so it is told to end it before anything else is
    // sent. Module b of the same type then answers alone.
    void gescheiterterStart()
    {
        QFETCH(int, aktion);
        QFETCH(QStringList, spurB);
        QFETCH(QList<int>, wert5);
        QFETCH(QString, zeile1);
        const auto [a, b] = zweiGleichartige();
        PultDaten.PultInit = -1;
        sim->verloren = 10;
        fehlerAntworten = {PultFehler::Naechstes};
        PultMenu_Click(aktion);

        if (aktion == Programmieren)
            spurB = Spur().an(5465, 21).schreib(5, 22).stempel(120, {}, PultDaten.TempKennung).aus(21).zeilen;
        Spur erwartet;
        for (int i = 0; i < 10; ++i)
            erwartet.an(5465, 13);
        vergleicheSpur(erwartet.aus(13).zeilen + spurB);
        QCOMPARE((QList<int>{a->lncv[5], b->lncv[5]}), wert5);
        QCOMPARE((QList<int>{TestDesk::feld(2, 1).LNCV[0], TestDesk::feld(2, 1).LNCV[5]}), (QList<int>{21, 22}));
        QCOMPARE(MainWin().InfoTxt1, zeile1);
    }

    // The last start answer of module a comes after its wait; module b misses
    // its first answer and waits meanwhile for LNCV 0. The line is let fall
    // quiet after a failed module, so a's late answer is dropped and b's value
    // is its own.
    void spaeteAntwort()
    {
        zweiGleichartige();
        // a: nine start answers lost, the tenth 350 ms after its 200 ms wait;
        // b: its start answered, its first answer for LNCV 0 lost (a wait of 500 ms).
        sim->folge.assign(9, LnModulSim::Verloren);
        sim->folge.insert(sim->folge.end(), {550, 2, LnModulSim::Verloren});
        fehlerAntworten = {PultFehler::Naechstes};
        PultMenu_Click(Auslesen);

        Spur erwartet;
        for (int i = 0; i < 10; ++i)
            erwartet.an(5465, 13);
        vergleicheSpur(erwartet.aus(13).an(5465, 21).lies(0).lies(0, 127).aus(21).zeilen);
        QCOMPARE(TestDesk::feld(2, 1).LNCV[0], int16_t(21));
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

QTEST_MAIN(TstPultAktionen)
#include "tst_pult_aktionen.moc"
