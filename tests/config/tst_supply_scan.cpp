// The supply scan on small desks drawn as text: connection numbers, start-up
// delays and positions, currents and the messages of each outcome.
#include "config/SupplyServices.h"
#include "core/Desk.h"
#include "support/Meldungen.h"
#include "support/TestCatalogue.h"
#include "core/Words.h"
#include "routes/RouteTable.h"

#include <QTest>

#include <algorithm>

namespace {
// A route memory's image starts with bits 6 and 7 of LNCV 3 set and position 5.
constexpr int16_t BildKonfiguration = 192 + 5;

struct Teil {
    const char* zeichen;
    int code;
    int32_t artikel;
    int32_t platte;
};
// "." empty, "A<n>" connection module numbered n, "X" cross connection board,
// "Ro"/"Rm"/"Ru" top, middle and bottom field of a throttle; the rest are elements.
const Teil Teile[] = {
    {"X", 0, 0, 54640},       {"G", 1, 54642, 0},   {"L", 51, 54644, 0},  {"W", 101, 54650, 0},
    {"V", 201, 54650, 0},     {"S", 501, 54660, 0}, {"F", 930, 54670, 0}, {"Z", 920, 54680, 0},
    {"D", 700, 54690, 0},     {"J", 710, 54700, 0}, {"Ru", 901, 54730, 54730}, {"Rm", 0, 0, 54731},
    {"Ro", 0, 0, 54732},
};

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

void setzen(int x, int y, const QString& zeichen)
{
    PultFeld& f = feld(x, y);
    if (zeichen.startsWith('A')) {
        f.Grundplatte = 54490;
        f.Anschluss = int16_t(zeichen.mid(1).toInt());
        return;
    }
    for (const Teil& t : Teile)
        if (zeichen == QLatin1String(t.zeichen)) {
            if (t.code != 0)
                f.ElementIndex = katalogIndex(t.code, t.artikel);
            f.Grundplatte = t.platte;
        }
    if (zeichen == "F") {
        const int slot = int(std::count_if(FSSpeicher.begin(), FSSpeicher.end(), [](auto& m) { return m.X != 0; }));
        FSSpeicher[size_t(slot)].X = int16_t(x);
        FSSpeicher[size_t(slot)].Y = int16_t(y);
        FSSpeicher[size_t(slot)].LNCV[3] = BildKonfiguration;
        f.LNCV[0] = int16_t(slot);
    }
}

// The desk from rows of blank-separated signs; every field was fed by a stale supply 9.
void pultZeichnen(const QStringList& zeilen)
{
    leererKatalog();
    FSSpeicher = {};
    PultdimensionenY = int16_t(zeilen.size());
    PultdimensionenX = int16_t(zeilen[0].split(' ').size());
    for (auto& spalte : PultFelder)
        spalte.fill(LeerFeld);
    for (int y = 1; y <= PultdimensionenY; ++y) {
        const QStringList zeichen = zeilen[y - 1].split(' ');
        for (int x = 1; x <= PultdimensionenX; ++x) {
            feld(x, y).Anschluss = 9;
            setzen(x, y, zeichen[x - 1]);
        }
    }
}

// One text per row of the desk, per field its connection number and, for a
// module, "/" and its start-up position (a route memory's from its image).
QStringList ergebnisPult()
{
    QStringList zeilen;
    for (int y = 1; y <= PultdimensionenY; ++y) {
        QStringList z;
        for (int x = 1; x <= PultdimensionenX; ++x) {
            const PultFeld& f = feld(x, y);
            const int32_t p = get_artnr(x, y);
            QString position;
            if (p == 54670) {
                const int16_t bild = FSSpeicher[size_t(f.LNCV[0])].LNCV[3];
                position = (bild & ~63) == 192 && f.LNCV[3] == 0 ? QString::number(bild & 63) : "verdorben";
            } else if (p > 54644 && p < 54730) {
                position = QString::number(f.LNCV[4]);
            }
            z << QString::number(f.Anschluss) + (position.isEmpty() ? "" : "/" + position);
        }
        zeilen << z.join(' ');
    }
    return zeilen;
}

// Start-up delay and current of one supply.
QString versorgung(std::optional<int> startverz, double strom)
{
    return QStringLiteral("%1 ms %2 mA").arg(startverz ? QString::number(*startverz) : "-").arg(strom);
}

// The supplies 1.. up to the last one that has a delay or a current.
QStringList versorgungen()
{
    QStringList z;
    for (size_t i = 1; i < Startverz.size(); ++i)
        z << versorgung(Startverz[i], Strom[i]);
    while (!z.isEmpty() && z.last() == versorgung({}, 0))
        z.removeLast();
    return z;
}
} // namespace

class TstSupplyScan : public QObject {
    Q_OBJECT

private slots:
    void scan_data()
    {
        QTest::addColumn<QStringList>("pult");
        QTest::addColumn<QStringList>("ergebnis");       // connection number/start-up position
        QTest::addColumn<QStringList>("versorgungen");
        QTest::addColumn<QStringList>("meldungen");

        const QString doppelt = "Fehler: Es gibt Pultteile, die von 2 Versorgungen gespeist werden!";
        const QString ungespeist = "Fehler: Es gibt Pultteile, die nicht gespeist werden!";

        // Turnout boards of code 201..203 draw 3 mA more; the route memory's position lies in its image.
        QTest::newRow("eine Versorgung")
            << QStringList{"A1 W S F V ."} << QStringList{"1 1/1 1/2 1/3 1/4 0"}
            << QStringList{versorgung(30, 10.5 + 20.5 + 7.5 + 13.5)} << QStringList{};
        // Supply 2 stands first in scan order (column by column) and still gets its delay.
        QTest::newRow("zwei Versorgungen, die höhere zuerst")
            << QStringList{"A2 W J .", "A1 Z D S"} << QStringList{"2 2/1 2/2 0", "1 1/1 1/2 1/3"}
            << QStringList{versorgung(30, 35 + 16.5 + 20.5), versorgung(33, 10.5 + 13.5)} << QStringList{};
        // Numbers 1 and 3: supply 2 has no module and adds nothing to supply 3's delay.
        QTest::newRow("Lücke in den Nummern")
            << QStringList{"A3 W", "A1 S"} << QStringList{"3 3/1", "1 1/1"}
            << QStringList{versorgung(30, 20.5), versorgung(31, 0), versorgung(31, 10.5)} << QStringList{};
        // Cross boards carry up and down; a throttle reached from the side feeds all three fields and
        // draws its current once; an empty field stops every walk.
        QTest::newRow("Querverbinder und Fahrregler")
            << QStringList{"A1 X . Ro .", ". X G Rm W", ". X L Ru ."} << QStringList{"1 1 0 1 0", "0 1 1 1 1/1", "0 1 1 1 0"}
            << QStringList{versorgung(30, 3 * 6 + 10.5 + 6 + 7.5)} << QStringList{};
        // A throttle's top field does not take the supply from a cross board above it.
        QTest::newRow("Querverbinder über dem Fahrregler")
            << QStringList{"A1 G X", ". . Ro", ". . Rm", ". . Ru"} << QStringList{"1 1 1", "0 0 0", "0 0 0", "0 0 0"}
            << QStringList{} << QStringList{ungespeist};
        // A module at the right edge feeds nothing; a module does not take supply from above.
        QTest::newRow("ungespeister Teil")
            << QStringList{"A1 X", "W A2"} << QStringList{"1 1", "0/0 2"} << QStringList{} << QStringList{ungespeist};
        // Two rows joined through two cross boards: every number but the modules' is cleared.
        QTest::newRow("zwei Versorgungen treffen sich")
            << QStringList{"A1 S X", "A2 W X"} << QStringList{"1 0/0 0", "2 0/0 0"} << QStringList{} << QStringList{doppelt};
        // Two modules in one row: each feeds its own stretch.
        QTest::newRow("zwei Module in einer Zeile")
            << QStringList{"A1 W A2 S"} << QStringList{"1 1/1 2 2/1"}
            << QStringList{versorgung(30, 10.5), versorgung(31, 20.5)} << QStringList{};
        // A module without a number is named, then counts as an unfed part.
        QTest::newRow("Modul ohne Nummer")
            << QStringList{"A1 W", "A0 S"} << QStringList{"1 1/0", "0 0/0"} << QStringList{}
            << QStringList{"Achtung!: Das Anschlussmodul an der Pos. Spalte: 1 Zeile: 2 hat keine Nummerierung\r"
                           "Bitte den Anschluss anklicken und nummerieren!",
                           ungespeist};
        QTest::newRow("kein Anschlussmodul")
            << QStringList{"W X"} << QStringList{"0/0 0"} << QStringList{}
            << QStringList{"Achtung!: Kein Anschlussmodul vorhanden!\rBitte fügen Sie ein Anschlusmodul ein!"};
    }

    void scan()
    {
        QFETCH(QStringList, pult);
        QFETCH(QStringList, ergebnis);
        QFETCH(QStringList, versorgungen);
        QFETCH(QStringList, meldungen);
        pultZeichnen(pult);
        // Results of an earlier scan do not survive a scan that finds a fault.
        Startverz.fill(7);
        Strom.fill(99.0);

        Meldungen boxen;
        auto_scan();

        QCOMPARE(ergebnisPult(), ergebnis);
        QCOMPARE(::versorgungen(), versorgungen);
        QStringList gezeigt;
        for (const MsgBoxAufruf& b : boxen.boxen) {
            gezeigt << b.titel + ": " + b.text;
            QCOMPARE(b.stil, b.titel == "Fehler" ? Msg::NurOk | Msg::Kritisch : Msg::NurOk);
        }
        QCOMPARE(gezeigt, meldungen);
    }
};

QTEST_MAIN(TstSupplyScan)
#include "tst_supply_scan.moc"
