#pragma once
// The fixture of the desk action tests: the program opens "COM1" through
// the real serial-port path, simulated modules work the other end of a
// pseudo-terminal paced at 16457 baud.
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

class PultAktionenTest : public QObject {
    Q_OBJECT

protected:
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
};
