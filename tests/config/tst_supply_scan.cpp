// The supply scan on small desks drawn as text: connection numbers, start-up
// delays and positions, currents and the messages of each outcome.
#include "config/SupplyScan.h"
#include "config/SupplyServices.h"
#include "core/Desk.h"
#include "support/Faelle.h"
#include "support/Meldungen.h"
#include "support/TestCatalogue.h"
#include "core/Words.h"
#include "routes/RouteTable.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <set>
#include <tuple>

namespace {
// A route memory's image starts with bits 6 and 7 of LNCV 3 set and position 5.
constexpr int16_t BildKonfiguration = 192 + 5;

struct Teil {
    const char* zeichen;
    int code;
    int32_t artikel;
    int32_t platte;
};
// The signs of a desk drawn in the case file.
const Teil Teile[] = {
    {"X", 0, 0, 54640},       {"G", 1, 54642, 0},   {"L", 51, 54644, 0},  {"W", 101, 54650, 0},
    {"V", 201, 54650, 0},     {"V2", 202, 54650, 0},  {"V3", 203, 54650, 0}, {"W3", 301, 54650, 0},
    {"S", 501, 54660, 0}, {"F", 930, 54670, 0}, {"Z", 920, 54680, 0},
    {"D", 700, 54690, 0},     {"J", 710, 54700, 0}, {"Ru", 901, 54730, 54730}, {"Rm", 0, 0, 54731},
    {"Ro", 0, 0, 54732},
};

PultFeld& feld(int x, int y) { return PultFelder[size_t(x)][size_t(y)]; }

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

// The desk from rows of blank-separated signs (see the case file); every field was fed by a stale supply 9.
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
// A random desk of cross boards, turnouts, throttles and connection modules
// with distinct numbers, as rows of signs.
QStringList zufallsPult(QRandomGenerator& zufall, int breite, int hoehe)
{
    QList<QStringList> felder(hoehe, QStringList(breite));
    int nummer = 0;
    for (int x = 0; x < breite; ++x)
        for (int y = 0; y < hoehe;) {
            const int w = int(zufall.bounded(100));
            if (w < 15 && y + 3 <= hoehe)
                for (const char* teil : {"Ro", "Rm", "Ru"})
                    felder[y++][x] = teil;
            else
                felder[y++][x] = w < 30 ? "." : w < 60 ? "X" : w < 80 ? "W" : "A" + QString::number(++nummer);
        }
    QStringList zeilen;
    for (const QStringList& z : felder)
        zeilen << z.join(' ');
    return zeilen;
}

// The connection numbers as a second, plainly written scan gives them: each
// supply enters every pair of field and direction it can reach exactly once,
// in no particular order and never cut short by a number set before; "doppelt"
// when a supply reaches another connection module moving left.
QStringList vergleichsScan()
{
    enum { Links, Rechts, Hoch, Runter };
    const int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
    QList<QList<int>> nummern(PultdimensionenX + 1, QList<int>(PultdimensionenY + 1));
    const auto modul = [](int x, int y) { return get_artnr(x, y) == 54430; };
    const auto endfeld = [](int32_t p, int d) { return (p == 54732 && d == Hoch) || (p == 54730 && d == Runter); };
    bool doppelt = false;
    for (int c = 1; c <= PultdimensionenX && !doppelt; ++c)
        for (int r = 1; r <= PultdimensionenY && !doppelt; ++r) {
            const int n = feld(c, r).Anschluss;
            if (!modul(c, r) || n == 0)
                continue;
            std::set<std::tuple<int, int, int>> besucht;
            QList<std::tuple<int, int, int>> offen{{c + 1, r, Rechts}};
            while (!offen.isEmpty()) {
                const auto [x, y, d] = offen.takeLast();
                if (!imPult(x, y) || besucht.count({x, y, d}))
                    continue;
                besucht.insert({x, y, d});
                const int32_t p = get_artnr(x, y);
                doppelt = doppelt || (modul(x, y) && d == Links && feld(x, y).Anschluss != n);
                const bool senkrecht = p == 54640 || p == 54731 || endfeld(p, d);
                if (p == 0 || modul(x, y) || (d >= Hoch && !senkrecht))
                    continue;
                nummern[x][y] = n;
                const bool knoten = p == 54640 || (p >= 54730 && p <= 54732);
                for (int e = Links; e <= Runter; ++e)
                    if ((e == d || knoten) && !endfeld(p, e))
                        offen.append({x + dx[e], y + dy[e], e});
            }
        }
    QStringList zeilen{doppelt ? "doppelt" : "-"};
    for (int y = 1; y <= PultdimensionenY; ++y) {
        QStringList z;
        for (int x = 1; x <= PultdimensionenX; ++x)
            z << QString::number(modul(x, y) ? feld(x, y).Anschluss : doppelt ? 0 : nummern[x][y]);
        zeilen << z.join(' ');
    }
    return zeilen;
}
} // namespace

class TstSupplyScan : public QObject {
    Q_OBJECT

private slots:
    void scan_data()
    {
        faelle(TESTDATEN "supply_scan.txt", "scan", {"pult", "ergebnis", "versorgungen", "meldungen"});
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
            gezeigt << b.titel + ": " + QString(b.text).replace('\r', "\\r");
            QCOMPARE(b.stil, b.titel == "Fehler" ? Msg::NurOk | Msg::Kritisch : Msg::NurOk);
        }
        QCOMPARE(gezeigt, meldungen);
    }

    // Which fields a supply reaches does not depend on the order of its walks.
    void zufallsPulteWieVergleichsScan()
    {
        QRandomGenerator zufall(21);
        for (int i = 0; i < 3000; ++i) {
            const QStringList pult = zufallsPult(zufall, 6, 7);
            pultZeichnen(pult);
            const QStringList erwartet = vergleichsScan();
            const bool doppelt = versorgung_scannen().befund == VersorgungsBefund::DoppeltGespeist;
            QStringList ergebnis{doppelt ? "doppelt" : "-"};
            for (const QString& zeile : ergebnisPult())
                ergebnis << QString(zeile).remove(QRegularExpression("/\\d+"));
            QVERIFY2(ergebnis == erwartet,
                     qPrintable(pult.join("; ") + "\n" + ergebnis.join("; ") + "\n" + erwartet.join("; ")));
        }
    }
};

QTEST_MAIN(TstSupplyScan)
#include "tst_supply_scan.moc"
