// The warning before desk edits: asked only while routes exist, answered by
// its buttons, Enter, Escape or the window frame, and switched off for the
// rest of the run by its check box.
#include "routes/RouteTable.h"
#include "routes/RouteWarning.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstRouteWarning : public QObject {
    Q_OBJECT

    static Warnung_Fs_form* form() { return Warnung_Fs_form::instanz(); }

    // Asks, answering the dialog the way `weg` says as soon as it shows.
    static bool fragen(const QString& weg, bool ankreuzen)
    {
        QTimer::singleShot(0, [=] {
            QVERIFY(form()->isVisible());
            QCOMPARE(form()->property("Tag").toString(), QString("-1"));
            QVERIFY(!FS_Warnung_Pruefen());   // a second edit meanwhile is refused
            form()->NotChk->setChecked(ankreuzen);
            if (weg == "Ausführen")
                form()->Button[Warnung_Fs_form::Ausfuehren]->click();
            else if (weg == "Abbruch")
                form()->Button[Warnung_Fs_form::Abbruch]->click();
            else if (weg == "Enter")
                QTest::keyClick(form(), Qt::Key_Return);
            else if (weg == "Escape")
                QTest::keyClick(form(), Qt::Key_Escape);
            else
                form()->close();
        });
        return FS_Warnung_Pruefen();
    }

private slots:
    void init()
    {
        FSAnzahl = 0;
        FSWarnungAus = 0;
        form()->NotChk->setChecked(false);
    }

    void answers_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("ankreuzen");
        QTest::addColumn<bool>("weiter");
        QTest::newRow("Ausführen") << "Ausführen" << false << true;
        QTest::newRow("Abbruch") << "Abbruch" << false << false;
        QTest::newRow("Enter cancels") << "Enter" << false << false;
        QTest::newRow("Escape cancels") << "Escape" << false << false;
        QTest::newRow("frame cancels") << "Rahmen" << false << false;
        QTest::newRow("Abbruch, not again") << "Abbruch" << true << false;
        QTest::newRow("Ausführen, not again") << "Ausführen" << true << true;
    }

    void answers()
    {
        QFETCH(QString, weg);
        QFETCH(bool, ankreuzen);
        QTEST(fragen(weg, ankreuzen), "weiter");
        QVERIFY(!form()->isVisible());
        QCOMPARE(FSWarnungAus, int16_t(ankreuzen ? 1 : 0));
        // The next edit: without a question once switched off, else asked again.
        QCOMPARE(ankreuzen ? FS_Warnung_Pruefen() : fragen("Abbruch", false), ankreuzen);
        QCOMPARE(FSAnzahl, int16_t(0));
    }

    void noRoutesNoQuestion()
    {
        FSAnzahl = -1;
        QVERIFY(FS_Warnung_Pruefen());
        QVERIFY(!form()->isVisible());
    }
};

QTEST_MAIN(TstRouteWarning)
#include "tst_route_warning.moc"
