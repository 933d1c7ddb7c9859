#include "platform/FlexGrid.h"
#include "platform/Wait.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
    }
};

QTEST_MAIN(TestFlexGrid)
#include "tst_flex_grid.moc"
