// The print dialog end to end without a printer: every list is previewed and
// printed into a PDF file, and a job that cannot be written says so.
#include "core/Desk.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "print/PrintDialog.h"
#include "print/PrintJob.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"
#include "support/Meldungen.h"
#include "support/TestCatalogue.h"
#include "support/TestDesk.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
int pdfSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray inhalt = f.readAll();
    if (!inhalt.startsWith("%PDF"))
        return -1;
    return int(QString::fromLatin1(inhalt).count(QRegularExpression("/Type\\s*/Page[^s]")));
}
} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
    QTemporaryDir verz;
    QString pdf;
    std::unique_ptr<DruckenDialog> dialog;

    QPushButton* knopf(const char* name) { return dialog->findChild<QPushButton*>(name); }
    QString seitenNr() { return dialog->findChild<QLabel*>("SeitenNrTxt")->text(); }
    QList<bool> knoepfe()
    {
        return {knopf("SeiteVorBut")->isEnabled(), knopf("SeiteZurueckBut")->isEnabled(),
                knopf("DruckenSeite")->isEnabled(), knopf("DruckenAllesBut")->isEnabled()};
    }
    // Clicks a print button and returns the pages of the PDF it wrote (-1: none).
    int drucken(const char* name)
    {
        QFile::remove(pdf);
        knopf(name)->click();
        return pdfSeiten(pdf);
    }

private slots:
    void initTestCase()
    {
        pdf = verz.path() + "/druck.pdf";
        Druckausgabe::setzeDruckerName(QString());
        Druckausgabe::setzePdfDateiWahl([this] { return pdf; });
        echtenKatalogLaden();
        dialog = std::make_unique<DruckenDialog>();
        dialog->show();
    }

    void cleanupTestCase() { dialog.reset(); }

    void opensWithoutAListAndWithoutPrinter()
    {
        QCOMPARE(dialog->windowTitle(), QString("Drucker: kein Drucker vorhanden!"));
        QCOMPARE(seitenNr(), QString("---"));
        QCOMPARE(knoepfe(), (QList<bool>{false, false, false, false}));
        // The preview of a text page is a third of the screen height wide.
        const QSize schirm = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(dialog->findChild<QLabel*>("Vorschau")->width(), qRound(schirm.height() / 3.0));
    }

    void routeListPrintsItsPage()
    {
        TestDesk::neuesPult(3, 3);
        Meldungen m;
        knopf("FahrstBut")->click();
        QCOMPARE(seitenNr(), QString("1"));
        QCOMPARE(knoepfe(), (QList<bool>{false, false, true, false}));
        QCOMPARE(drucken("DruckenSeite"), 1);
        QVERIFY(m.boxen.isEmpty());
    }

    void moduleListPagesAndPrintAll()
    {
        TestDesk::neuesPult(13, 2);
        int weiche = 0;
        while (ElementKatalog[size_t(weiche)].ArtikelNr != 54650)
            ++weiche;
        for (int x = 1; x <= 13; ++x)
            TestDesk::setzen(x, 1, weiche, {0, x, 11, x});
        knopf("ModProgBut")->click();
        QCOMPARE(dialog->liste()->seitenAnzahl(), 2);
        QCOMPARE(knoepfe(), (QList<bool>{true, true, true, true}));
        knopf("SeiteVorBut")->click();
        QCOMPARE(seitenNr(), QString("2"));
        knopf("SeiteVorBut")->click();   // the last page stays
        QCOMPARE(dialog->aktSeite(), 2);
        QCOMPARE(drucken("DruckenAllesBut"), 2);
        knopf("SeiteZurueckBut")->click();
        QCOMPARE(seitenNr(), QString("1"));
    }

    // "Alles drucken" prints the parts and order list too.
    void partsListPrintAll()
    {
        dialog->aktivieren();
        knopf("StkListeBut")->click();
        QCOMPARE(dialog->druckArt(), DruckArt::Stueckliste);
        QCOMPARE(seitenNr(), QString("1"));
        QCOMPARE(knoepfe(), (QList<bool>{false, false, true, true}));
        QCOMPARE(drucken("DruckenAllesBut"), 1);
        QCOMPARE(drucken("DruckenSeite"), 1);
    }

    void trackPlanAllPagesInLandscape()
    {
        TestDesk::neuesPult(15, 20);   // A4 landscape holds 12 x 14 fields: 2 x 2 pages
        knopf("GleisPlanBut")->click();
        QCOMPARE(dialog->liste()->seitenAnzahl(), 4);
        QCOMPARE(knoepfe(), (QList<bool>{true, true, true, true}));
        QCOMPARE(drucken("DruckenAllesBut"), 4);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("/MediaBox [0 0 842"));   // landscape A4
        knopf("EleVerbBut")->click();
        QCOMPARE(drucken("DruckenSeite"), 1);
    }

    void failingJobSaysSo()
    {
        Meldungen m;
        const QString gut = pdf;
        pdf = verz.path() + "/fehlt/druck.pdf";
        knopf("FahrstBut")->click();
        QCOMPARE(drucken("DruckenSeite"), -1);
        QCOMPARE(m.boxen.size(), 1);
        QCOMPARE(m.boxen[0].titel, QString("Drucken"));
        QVERIFY(m.boxen[0].text.contains(pdf));
        QVERIFY(m.boxen[0].text.contains("Es wurde nichts gedruckt."));
        // Cancelling the file question prints nothing and asks nothing more.
        pdf.clear();
        knopf("DruckenSeite")->click();
        QCOMPARE(m.boxen.size(), 1);
        pdf = gut;
    }

    // Coming back from another window of the program empties the dialog;
    // coming back from one of its own message boxes or file questions does not.
    void activationFromAnotherWindowEmptiesIt()
    {
        knopf("FahrstBut")->click();
        QDialog eigene(dialog.get());
        eigene.show();
        QVERIFY(QTest::qWaitForWindowActive(&eigene));
        eigene.hide();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(seitenNr(), QString("1"));
        QWidget haupt;
        haupt.show();
        QVERIFY(QTest::qWaitForWindowActive(&haupt));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(seitenNr(), QString("---"));
        QCOMPARE(knoepfe(), (QList<bool>{false, false, false, false}));
    }

    void cancelHidesAndReopensEmpty()
    {
        EditModus = 4;
        MainWin().HelpContextID = 14;
        dialog->aktivieren();
        QCOMPARE(dialog->property("HelpContextID").toInt(), 14);
        knopf("FahrstBut")->click();
        knopf("AbbruchBut")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(MainWin().HelpContextID, 24);
        dialog->aktivieren();
        dialog->show();
        QCOMPARE(knoepfe(), (QList<bool>{false, false, false, false}));
        QCOMPARE(seitenNr(), QString("---"));
        QVERIFY(dialog->findChild<QLabel*>("Vorschau")->pixmap().isNull());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "tst_print_dialog.moc"
