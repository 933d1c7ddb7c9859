// Drawings of the desk: tiling into pages, where every field's picture goes,
// and what a rendered page shows.
#include "core/MainWinState.h"
#include "print/TrackPlanDrawing.h"
#include "core/Desk.h"
#include "support/TestCatalogue.h"
#include "support/TestDesk.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr double B = 81 * 15.0;   // printed field width at 15 twips per pixel
constexpr double H = 51 * 15.0;

// An output image of 4 x 2 fields (and a little more).
const QSizeF vierMalZwei(4 * B + 10, 2 * H + 10);

Kachelung kacheln(int dimX, int dimY, QSizeF ausgabe = vierMalZwei)
{
    return kachelung(ausgabe, QPointF(15, 15), 1.0, dimX, dimY);
}

// Each picture of a page as "file@left,top" in fields, its size when it is not one field.
QStringList bilder(const Zeichenplan& plan)
{
    QStringList z;
    for (const FeldBild& f : plan.bilder) {
        z << QStringLiteral("%1@%2,%3").arg(QFileInfo(f.datei).baseName()).arg(f.ort.x() / B).arg(f.ort.y() / H);
        if (f.ort.size() != QSizeF(B, H))
            z.last() += QStringLiteral(" %1x%2").arg(f.ort.width() / B).arg(f.ort.height() / H);
    }
    return z;
}
} // namespace

class TestPrintDrawing : public QObject {
    Q_OBJECT
    QTemporaryDir verz;
    int weiche = 0, regler = 0;

    QString datei(const char* name) const { return verz.path() + "/" + name; }

private slots:
    void initTestCase()
    {
        KonfVerz = verz.path() + "/";
        for (auto [name, farbe] : {std::pair{"weiss", Qt::white}, {"rot", Qt::red}, {"blau", Qt::blue}, {"gruen", Qt::green}}) {
            QImage bild(84, 54, QImage::Format_RGB32);
            bild.fill(farbe);
            QVERIFY(bild.save(datei(name) + ".bmp", "BMP"));
        }
        leererKatalog();
        weiche = katalogIndex(101, 54650);
        regler = katalogIndex(901, 54730);
        ElementKatalog[size_t(regler)].Breite = 1;
        ElementKatalog[size_t(regler)].Hoehe = 3;
    }

    // The last page across: its first and last column and how far in it starts.
    void tiling_data()
    {
        QTest::addColumn<QSizeF>("ausgabe");
        QTest::addColumn<int>("dimX");
        QTest::addColumn<int>("dimY");
        QTest::addColumn<QList<int>>("felder");   // fields across and down a page, pages
        QTest::addColumn<QList<double>>("letzte"); // x0, x1, offX of the last page
        QTest::newRow("10 columns: third page centred") << vierMalZwei << 10 << 2 << QList<int>{4, 2, 3}
                                                       << QList<double>{9, 10, 1};
        QTest::newRow("9 columns: half a field") << vierMalZwei << 9 << 2 << QList<int>{4, 2, 3} << QList<double>{9, 9, 1.5};
        QTest::newRow("8 columns fill two pages") << vierMalZwei << 8 << 2 << QList<int>{4, 2, 2} << QList<double>{5, 8, 0};
        QTest::newRow("one page") << vierMalZwei << 3 << 2 << QList<int>{4, 2, 1} << QList<double>{1, 3, 0.5};
        // A4 in landscape at 0.9 of the page: 12 x 14 fields; a full desk needs 9 x 8 pages.
        QTest::newRow("A4, full desk") << grafikSeitenmass(papierTwips(QPageSize(QPageSize::A4), true), 900 * 15.0).ausgabe
                                       << 99 << 99 << QList<int>{12, 14, 72} << QList<double>{97, 99, 4.5};
        // Whole fields only, however close the page comes to one more: 19.8 x 17.5 fields hold 19 x 17.
        QTest::newRow("fractions of one half and more") << QSizeF(19.8 * B, 17.5 * H) << 40 << 35
                                                        << QList<int>{19, 17, 9} << QList<double>{39, 40, 8.5};
        // A page smaller than one field still takes one field per page.
        QTest::newRow("tiny page") << QSizeF(B / 2, H / 2) << 3 << 2 << QList<int>{1, 1, 6} << QList<double>{3, 3, 0};
    }
    void tiling()
    {
        QFETCH(QSizeF, ausgabe);
        QFETCH(int, dimX);
        QFETCH(int, dimY);
        QFETCH(QList<int>, felder);
        QFETCH(QList<double>, letzte);
        const Kachelung k = kacheln(dimX, dimY, ausgabe);
        QCOMPARE((QList<int>{k.felderX, k.felderY, k.seiten()}), felder);
        const Kachel g = kachel(k, k.seiten(), dimX, dimY);
        QCOMPARE((QList<double>{double(g.x0), double(g.x1), g.offX}), letzte);
    }

    // The preview of a drawing is a third of the screen height (here 900 pixels) high.
    void previewHeight()
    {
        const Seitenmass a4 = grafikSeitenmass(papierTwips(QPageSize(QPageSize::A4), true), 900 * 15.0);
        QCOMPARE(qRound(a4.vorschau.height()), 300 * 15);
    }

    // Page 3 of a desk 10 x 3 (pages 3 across, 2 down): columns 9 and 10, rows 1 and 2,
    // one field in from the left; the picture of every field at its place and size.
    void placementOnAPage()
    {
        TestDesk::leeresPult(10, 3);
        HauptFenster& w = MainWin();
        TestDesk::setzen(9, 1, weiche);
        w.Pult[0].setCellPicture(1, 9, datei("rot.bmp"));
        w.Pult[0].setCellPicture(2, 10, datei("blau.bmp"));   // an empty field: printed white
        w.Pult[1].setCellPicture(2, 9, datei("gruen.bmp"));
        const Kachelung k = kacheln(10, 3);
        QCOMPARE(k.seiten(), 6);
        const Zeichenplan plan = zeichenplan(DruckArt::Gleisplan, k, 3);
        QCOMPARE(bilder(plan), (QStringList{"rot@1,0", "weiss@1,1", "weiss@2,0", "weiss@2,1"}));
        QCOMPARE(plan.bilder[0].datei, datei("rot.bmp"));
        // Row numbers only in the first column, column numbers only in the first row.
        QStringList nummern;
        for (const Beschriftung& n : plan.nummern)
            nummern << n.text;
        QCOMPARE(nummern, (QStringList{"01", "09", "02", "10"}));
        QCOMPARE(plan.nummern[0].ort, QPointF(B + 0.05 * B, 0.05 * B));
        QCOMPARE(plan.nummern[1].ort, QPointF(B + 0.8 * B, 0.05 * B));
        // Three vertical and three horizontal lines frame the two by two fields.
        QCOMPARE(plan.linien.size(), 6);
        QCOMPARE(plan.linien[0], QLineF(B, 0, B, 2 * H));
        QCOMPARE(plan.linien[5], QLineF(B, 2 * H, 3 * B, 2 * H));

        QCOMPARE(bilder(zeichenplan(DruckArt::Elektrik, k, 3)).mid(0, 2), (QStringList{"weiss@1,0", "gruen@1,1"}));
        // Page 4 starts the second row of pages: row 3, the column numbers from 1.
        const Zeichenplan unten = zeichenplan(DruckArt::Gleisplan, k, 4);
        QCOMPARE(unten.nummern.first().text, QString("03"));
        QCOMPARE(bilder(unten).first(), QString("weiss@0,0.5"));
    }

    void throttleDrawsItsUpperPieces()
    {
        TestDesk::leeresPult(2, 4);
        HauptFenster& w = MainWin();
        TestDesk::setzen(1, 3, regler);
        TestDesk::setzen(2, 1, regler);   // in row 1: no field above it
        for (int y = 1; y <= 3; ++y)
            w.Pult[0].setCellPicture(y, 1, datei(y == 3 ? "rot.bmp" : "blau.bmp"));
        w.Pult[0].setCellPicture(1, 2, datei("rot.bmp"));
        QCOMPARE(bilder(zeichenplan(DruckArt::Gleisplan, kacheln(2, 4, QSizeF(2 * B, 4 * H)), 1)),
                 (QStringList{"blau@0,0", "blau@0,1", "rot@0,2", "blau@0,1", "blau@0,0", "weiss@0,3", "rot@1,0",
                              "weiss@1,1", "weiss@1,2", "weiss@1,3"}));
        // Split over two pages: the upper pieces still print on the page above.
        QCOMPARE(bilder(zeichenplan(DruckArt::Gleisplan, kacheln(2, 4, QSizeF(2 * B, 2 * H)), 1)).mid(0, 2),
                 (QStringList{"blau@0,0", "blau@0,1"}));
        // Page 2 holds row 5 only, centred: the throttle draws nothing above the page's grid.
        TestDesk::leeresPult(1, 5);
        TestDesk::setzen(1, 5, regler);
        w.Pult[0].setCellPicture(5, 1, datei("rot.bmp"));
        QCOMPARE(bilder(zeichenplan(DruckArt::Gleisplan, kacheln(1, 5, QSizeF(B, 4 * H)), 2)), QStringList{"rot@0,1.5"});
    }

    // The page as printed: each field's picture stretched over its field, white elsewhere.
    void renderedPageShowsThePictures()
    {
        TestDesk::leeresPult(3, 1);
        HauptFenster& w = MainWin();
        TestDesk::setzen(1, 1, weiche);
        TestDesk::setzen(3, 1, weiche);
        w.Pult[0].setCellPicture(1, 1, datei("rot.bmp"));
        w.Pult[0].setCellPicture(1, 3, datei("blau.bmp"));
        Seitenmass mass;
        mass.papier = QSizeF(5 * B, 2 * H) / 0.9;
        mass.ausgabe = QSizeF(5 * B, 2 * H);
        const Zeichnung z(DruckArt::Gleisplan, mass);
        QCOMPARE(z.seitenAnzahl(), 1);
        QImage bild((mass.papier / 15).toSize(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.scale(1 / 15.0, 1 / 15.0);
            z.seiteZeichnen(p, 1, AusgabeZiel{true, 1.0});
        }
        // Three fields centred among five, one field in; row 1 centred half a field down.
        const QPoint rand = (mass.rand() / 15).toPoint();
        const auto mitte = [&](double fx, double fy) { return rand + QPoint(int((fx + 0.5) * 81), int((fy + 0.5) * 51)); };
        QCOMPARE(bild.pixelColor(mitte(1, 0.5)), QColor(Qt::red));
        QCOMPARE(bild.pixelColor(mitte(2, 0.5)), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(mitte(3, 0.5)), QColor(Qt::blue));
        QCOMPARE(bild.pixelColor(mitte(0, 0.5)), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(mitte(1, 0.5) + QPoint(38, 0)), QColor(Qt::red));   // stretched to 81 pixels
        QCOMPARE(bild.pixelColor(mitte(1, 0.5) - QPoint(0, 38)), QColor(Qt::white)); // nothing above the row
    }
};

QTEST_MAIN(TestPrintDrawing)
#include "tst_print_drawing.moc"
