#include "platform/FlexGrid.h"
#include "platform/FlexGridView.h"
#include "platform/Wait.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <ctime>

class TestFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void resizingKeepsWhatStaysInside()
    {
        FlexGrid g;
        g.setzeGroesse(4, 5);
        g.setText(1, 1, "a");
        g.setCellPicture(3, 4, "bild.bmp");
        g.setzeZelle(3, 4);
        g.setzeGroesse(3, 3);
        QCOMPARE(g.Text(1, 1), QString("a"));
        QCOMPARE(g.Rows(), 3);
        QCOMPARE(g.Row, 2);
        QCOMPARE(g.Col, 2);
        g.setzeGroesse(5, 6);
        QCOMPARE(g.CellPicture(3, 4), QString());
    }

    void cellsOutsideTheGridAreIgnored()
    {
        FlexGrid g;
        g.setzeGroesse(2, 2);
        g.setText(5, 5, "x");
        g.setCellPicture(-1, 0, "x");
        g.setColWidth(9, 10);
        QCOMPARE(g.Text(5, 5), QString());
        QCOMPARE(g.ColWidth(9), 0);
        QCOMPARE(g.CellForeColor(7, 7), QColor(Qt::black));
    }

    // A 99 x 99 desk scrolled to its far corner still shows its column and
    // row numbers; a 13-pixel text row is as high as its text.
    void fixedHeadersStayInViewWhileScrolling()
    {
        FlexGrid g;
        g.FixedRows = g.FixedCols = 1;
        g.setzeGroesse(100, 100);
        g.setColWidth(0, 30);
        g.setRowHeight(0, 20);
        for (int i = 1; i < 100; ++i) {
            g.setColWidth(i, 84);
            g.setRowHeight(i, i == 50 ? 13 : 54);
            g.setText(0, i, QString::number(i));
            g.setText(i, 0, QString::number(i));
            g.setText(i, i, QStringLiteral("Adr"));
        }
        FlexGridView view(&g);
        view.resize(400, 300);
        view.show();
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QVERIFY(view.isRowHidden(0) && view.isColumnHidden(0));
        QCOMPARE(view.horizontalHeader()->height(), 20);
        QCOMPARE(view.verticalHeader()->width(), 30);
        // The header bars are painted grey over the whole length of the view.
        const QImage bild = view.grab().toImage();
        const QPoint ecke = view.viewport()->geometry().topLeft();
        QCOMPARE(bild.pixelColor(ecke + QPoint(150, -4)), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(bild.pixelColor(ecke + QPoint(-4, 150)), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(view.horizontalHeader()->logicalIndexAt(view.viewport()->width() - 1), 99);
        QVERIFY(view.rowHeight(50) >= view.fontMetrics().height());
    }

    void groupedChangesAnnounceOnce()
    {
        FlexGrid g;
        g.setzeGroesse(100, 100);
        QSignalSpy daten(&g, &QAbstractItemModel::dataChanged);
        {
            FlexGrid::Stapel aussen(g);
            FlexGrid::Stapel innen(g);
            for (int r = 0; r < 100; ++r)
                g.setText(r, r, "t");
        }
        QCOMPARE(daten.size(), 1);
        g.setText(1, 2, "u");
        QCOMPARE(daten.size(), 2);
        g.setText(1, 2, "u");   // no change, no signal
        QCOMPARE(daten.size(), 2);
    }

    void selectionKeepsTheCurrentCell()
    {
        FlexGrid g;
        g.setzeGroesse(10, 10);
        g.setzeZelle(2, 3);
        g.setzeAuswahlEnde(5, 7);
        QCOMPARE(g.Row, 2);
        QCOMPARE(g.Col, 3);
        QCOMPARE(g.RowSel, 5);
        QCOMPARE(g.ColSel, 7);
        g.setzeZelle(4, 4);
        QCOMPARE(g.RowSel, 4);
    }

    void waitReturnsWhenTheConditionHolds()
    {
        bool fertig = false;
        QTimer::singleShot(20, [&] { fertig = true; });
        QVERIFY(Warten::bis([&] { return fertig; }, 5000));
        QVERIFY(!Warten::bis([] { return false; }, 30));

        // The wait sleeps in the event loop: half a second costs next to no processor time.
        const std::clock_t vorher = std::clock();
        QVERIFY(!Warten::bis([] { return false; }, 500));
        QVERIFY2(std::clock() - vorher < CLOCKS_PER_SEC / 10, "the wait keeps the processor busy");
    }
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flex_grid.moc"
