// The text lists of the print dialog, page by page and line by line, for sample desks.
#include "core/Words.h"
#include "print/ModuleList.h"
#include "print/PartsOrderList.h"
#include "print/RouteList.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"
#include "core/Desk.h"
#include "support/TestCatalogue.h"
#include "support/TestDesk.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
// Every page from its header on, each without its trailing empty lines, so
// that the header lines show where the pages break.
QStringList seiten(const TextSeiten& t)
{
    QStringList z;
    for (int p = 1; p <= t.anzahl(); ++p) {
        QStringList s = t.seite(p).mid(1);
        while (!s.isEmpty() && s.last().isEmpty())
            s.removeLast();
        z << s;
    }
    return z;
}

// The expected lines of data/<name>.txt.
QStringList erwartet(const char* name)
{
    QFile f(QStringLiteral(TESTDATEN) + name + QStringLiteral(".txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<%1 fehlt>").arg(f.fileName())};
    QStringList z = QString::fromUtf8(f.readAll()).split('\n');
    z.removeLast();   // after the last line's end
    return z;
}

// One command of a route's list: slot, words 0..5 and the links.
void befehl(int r, int s, int e, std::array<int, 8> w)
{
    for (size_t k = 0; k < 8; ++k)
        FSDaten[size_t(r)].Route[size_t(s)][size_t(e)][k] = alsWort(w[k]);
}
constexpr int Ende = 65535;

// The dark pixels' bounding box.
QRect tinte(const QImage& bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}
} // namespace

class TestPrintLists : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        leererKatalog();
        TestDesk::leeresPult(12, 12);
        PultDaten = PultDatenSatz{};
        alleFahrstrassenLoeschen();
    }

    // Line n stands 300 x n twips from the top of the paper, 800 from its left
    // edge; in the preview at 400 and 300 x n - 100, both times the preview's scale.
    void textLinePlacement_data()
    {
        QTest::addColumn<bool>("drucker");
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QPointF>("ort");   // twips of the target
        QTest::newRow("paper, line 1") << true << 1.0 << 1 << QPointF(800, 300);
        QTest::newRow("paper, line 50") << true << 1.0 << 50 << QPointF(800, 15000);
        QTest::newRow("preview, line 3") << false << 0.5 << 3 << QPointF(200, 350);
    }
    void textLinePlacement()
    {
        QFETCH(bool, drucker);
        QFETCH(double, skala);
        QFETCH(int, zeile);
        QFETCH(QPointF, ort);
        QImage bild(900, 1100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.scale(1 / 15.0, 1 / 15.0);   // one pixel is 15 twips
            textSchriftSetzen(p, AusgabeZiel{drucker, skala});
            prt_z(p, AusgabeZiel{drucker, skala}, zeile, "HHHH");
        }
        const QRect t = tinte(bild);
        const QPointF pixel = ort / 15;
        QVERIFY2(t.left() >= pixel.x() - 1 && t.left() <= pixel.x() + 3, qPrintable(QString::number(t.left())));
        // The capitals stand below the line's top, within the line's height of 300 twips.
        QVERIFY2(t.top() >= pixel.y() && t.bottom() <= pixel.y() + 300 * skala / 15, qPrintable(QString::number(t.top())));
    }

    // Page 1 full to the last line: line 50 holds a list line and is printed,
    // and page 2 goes on with the next line. One desk and route give both lists.
    void fullPage_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zeile50");
        QTest::addColumn<QString>("weiter");
        // 11 heading lines of the route, then its commands from line 14.
        QTest::newRow("route list") << int(DruckArt::Fahrstrassen) << " -- --  Benutzer def. Pause 37s"
                                    << " -- --  Benutzer def. Pause 38s";
        // 11 boards of 4 lines, then one of 6.
        QTest::newRow("module list") << int(DruckArt::ModulProg) << " 12 = 212 -  Weichenadresse 2"
                                     << " 13 = 313 -  Rückmeldeadresse für Weichenbelegung";
    }
    void fullPage()
    {
        QFETCH(int, art);
        QFETCH(QString, zeile50);
        QFETCH(QString, weiter);
        for (int x = 1; x <= 11; ++x)
            TestDesk::setzen(x, 1, katalogIndex(101, 54650), {0, x, 11, 100 + x});
        TestDesk::setzen(12, 1, katalogIndex(101, 54650), {0, 12, 11, 112, 12, 212, 13, 313});
        FSAnzahl = 0;
        for (int e = 1; e <= 38; ++e)
            befehl(0, 0, e, {0, 0, e, 0, 23, -1, e == 1 ? Ende : e - 1, e == 38 ? Ende : e + 1});
        const TextSeiten t = art == int(DruckArt::Fahrstrassen) ? fahrstrassenListe() : modulProgrammierListe();
        QCOMPARE(t.seite(1)[50], zeile50);
        QCOMPARE(t.seite(2)[3], weiter);
        QImage bild(900, 1100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.scale(1 / 15.0, 1 / 15.0);
            TextListe(t).seiteZeichnen(p, 1, AusgabeZiel{true, 1.0});
        }
        QVERIFY(tinte(bild).bottom() > 15000 / 15);   // line 50 stands 15000 twips down
    }

    // Commands from the desk's LNCVs, the two commands of a typed release
    // feedback, user commands, and a damaged chain that loops on itself
    // (each of its commands printed once, and the list goes on).
    void routeList()
    {
        QCOMPARE(seiten(fahrstrassenListe()),
                 (QStringList{" --- Fahrstraßen Liste --- Seite: 1 ---", "", " -- keine Fahrstraßen vorhanden! -- "}));
        PultDaten.PultOpt_HS_FolgeAdr = 1;
        TestDesk::setzen(3, 12, 0, {11, 17});
        TestDesk::setzen(5, 12, 0, {31, 40});
        TestDesk::setzen(7, 12, 0, {39, 1231});
        TestDesk::setzen(9, 12, 0, {13, 55});
        FSAnzahl = 2;
        Fahrstrasse& f = FSDaten[0];
        f.Name = "Einfahrt";
        f.Start = {3, 12, 1, 0, 0};
        f.Ziel = {7, 12, 0, 0, 39};
        f.Aufloesen = {9, 12, 0, 3, 13};
        f.Rueckmeldeadressen = {201, 1, 202, 0, 0};
        // words: X, Y, Wert, Zustand, Befehlsart, LNCVNr, previous, next
        befehl(0, 0, 1, {3, 12, 0, 1, 2, 11, Ende, 3});
        befehl(0, 0, 3, {5, 12, 0, 1, 7, 31, 1, 2});
        befehl(0, 0, 2, {5, 12, 0, 1, 8, 31, 3, 5});
        befehl(0, 0, 5, {5, 12, 6, 12, 5, 31, 2, 4});
        befehl(0, 0, 4, {0, 0, 300, 2, 10, -1, 5, 6});
        befehl(0, 0, 6, {0, 0, 5, 0, 9, -1, 4, Ende});

        FSDaten[1].Name = "Benutzer";
        FSDaten[1].Ziel[4] = -1;
        FSDaten[1].Aufloesen[4] = -1;
        befehl(1, 1, 2, {0, 0, 3, 0, 23, -1, Ende, 1});
        befehl(1, 1, 1, {0, 0, 17, 0, 21, -1, 2, 3});
        befehl(1, 1, 3, {0, 0, 88, 1, 24, -1, 1, 4});
        befehl(1, 1, 4, {0, 0, 4, 1, 25, -1, 3, 5});
        befehl(1, 1, 5, {0, 0, 4, 2, 25, -1, 4, 6});
        befehl(1, 1, 6, {0, 0, 4, 0, 25, -1, 5, 7});
        befehl(1, 1, 7, {3, 0, 300, 3, 22, -1, 6, Ende});

        FSDaten[2].Name = "Schleife";
        befehl(2, 0, 1, {3, 12, 0, 1, 2, 11, Ende, 2});
        befehl(2, 0, 2, {0, 0, 2, 0, 23, -1, 1, 3});
        befehl(2, 0, 3, {0, 0, 5, 1, 21, -1, 2, 1});   // links back to slot 1
        befehl(2, 0, 4, {0, 0, 9, 1, 21, -1, 9, Ende});
        QCOMPARE(seiten(fahrstrassenListe()), erwartet("route_list"));
    }

    // Only turnout, signal and left-hand boards, column by column; LNCVs from
    // 119 on hold the stamp and are not listed.
    void moduleProgrammingList()
    {
        QCOMPARE(seiten(modulProgrammierListe()), QStringList{" --- Modul Programmierung --- Seite: 1 ---"});
        TestDesk::setzen(12, 3, katalogIndex(101, 54650), {0, 17, 11, 101});
        TestDesk::setzen(2, 1, katalogIndex(501, 54660),
                         {6, 5, 8, 1, 37, 9, 38, 40000, 41, 1231, 42, 6, 43, 2, 77, 3, 80, 65535, 81, 4, 118, 7, 119, 9, 127, 1});
        TestDesk::setzen(5, 2, katalogIndex(502, 54710));
        TestDesk::setzen(1, 1, katalogIndex(601, 54690), {0, 3});
        QCOMPARE(seiten(modulProgrammierListe()), erwartet("module_list"));

        // 12 boards of 4 lines each fill page 1 exactly; the 48th line opens page 2.
        TestDesk::leeresPult(12, 12);
        for (int x = 1; x <= 12; ++x)
            TestDesk::setzen(x, 1, katalogIndex(101, 54650), {0, x, 11, 100 + x});
        const TextSeiten t = modulProgrammierListe();
        QCOMPARE(t.anzahl(), 2);
        QCOMPARE(t.seite(1)[47], QString(" Modul in Zeile= 01, Spalte= 12"));
        QCOMPARE(seiten(t).last(), QString(" --- Modul Programmierung --- Seite: 2 ---"));
    }

    // Base plates count, not the elements on them; the order list names each article once.
    void partsAndOrderList()
    {
        TestDesk::leeresPult(6, 5);
        PultDaten.PultName = "Muster";
        TestDesk::feld(1, 1).Grundplatte = 54490;
        for (int y = 1; y <= 3; ++y)
            TestDesk::setzen(2, y, katalogIndex(101, 54650));
        for (int y = 1; y <= 4; ++y)
            TestDesk::setzen(3, y, katalogIndex(501, 54660));
        TestDesk::setzen(4, 5, katalogIndex(901, 54730));
        TestDesk::feld(5, 1).Grundplatte = 54642;
        TestDesk::feld(5, 2).Grundplatte = 54642;
        TestDesk::setzen(6, 1, katalogIndex(101, 54650)).Grundplatte = 54644;
        QCOMPARE(prt_stk_list().mid(1), erwartet("parts_list"));
        int32_t artikel = 7;
        QString text = "unverändert";
        prt_bestell(18, artikel, text);
        QCOMPARE(artikel, 7);
        QCOMPARE(text, QString("unverändert"));
    }
};

QTEST_MAIN(TestPrintLists)
#include "tst_print_lists.moc"
