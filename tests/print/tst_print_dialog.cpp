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

class TestPrintDialog : public QObject {
    Q_OBJECT
    QTemporaryDir verz;
    QString pdf;
    QByteArray pdfInhalt;
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
        QFile f(pdf);
        pdfInhalt = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        if (!pdfInhalt.startsWith("%PDF"))
            return -1;
        return int(QString::fromLatin1(pdfInhalt).count(QRegularExpression("/Type\\s*/Page[^s]")));
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

    // Each list previewed and printed into a PDF, its page and all pages; the
    // buttons offer what the list has. "Alles drucken" includes the parts and
    // order list; drawings print on landscape A4, which holds 12 x 14 fields.
    void everyListPrintsIntoAPdf_data()
    {
        QTest::addColumn<QString>("liste");          // its button
        QTest::addColumn<int>("weichen");            // turnout boards in row 1
        QTest::addColumn<int>("seiten");
        QTest::addColumn<QList<bool>>("frei");       // next, previous, this page, all pages
        QTest::newRow("Fahrstraßen") << "FahrstBut" << 0 << 1 << QList<bool>{false, false, true, false};
        QTest::newRow("Module") << "ModProgBut" << 13 << 2 << QList<bool>{true, true, true, true};
        QTest::newRow("Stückliste") << "StkListeBut" << 0 << 1 << QList<bool>{false, false, true, true};
        QTest::newRow("Gleisplan") << "GleisPlanBut" << 0 << 4 << QList<bool>{true, true, true, true};
        QTest::newRow("Elektrik") << "EleVerbBut" << 0 << 4 << QList<bool>{true, true, true, true};
    }
    void everyListPrintsIntoAPdf()
    {
        QFETCH(QString, liste);
        QFETCH(int, weichen);
        QFETCH(int, seiten);
        QFETCH(QList<bool>, frei);
        TestDesk::neuesPult(15, 20);
        int16_t weiche = 0;
        while (ElementKatalog[size_t(weiche)].ArtikelNr != 54650)
            ++weiche;
        for (int x = 1; x <= weichen; ++x)
            TestDesk::setzen(x, 1, weiche, {0, x, 11, x});
        Meldungen m;
        dialog->aktivieren();
        knopf(qPrintable(liste))->click();
        QCOMPARE(dialog->liste()->seitenAnzahl(), seiten);
        QCOMPARE(knoepfe(), frei);
        // The preview is drawn in the screen's device pixels.
        const QLabel* vorschau = dialog->findChild<QLabel*>("Vorschau");
        const qreal ratio = vorschau->screen()->devicePixelRatio();
        QCOMPARE(vorschau->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(vorschau->pixmap().size(), vorschau->size() * ratio);
        for (const char* blaettern : {"SeiteVorBut", "SeiteZurueckBut"}) {
            for (int i = 1; i <= seiten; ++i)   // the last and the first page stay
                knopf(blaettern)->click();
            QCOMPARE(seitenNr(), QString::number(blaettern[5] == 'V' ? seiten : 1));
        }
        QCOMPARE(drucken("DruckenSeite"), 1);
        QCOMPARE(pdfInhalt.contains("/MediaBox [0 0 842"), seiten == 4);   // landscape A4
        if (frei[3])
            QCOMPARE(drucken("DruckenAllesBut"), seiten);
        QVERIFY(m.boxen.isEmpty());
    }

    // A text list after a drawing gives the dialog the size it has for text lists alone.
    void keepsOneSizeForTextLists()
    {
        knopf("FahrstBut")->click();
        const QSize text = dialog->size();
        knopf("GleisPlanBut")->click();
        QVERIFY(dialog->size() != text);
        knopf("FahrstBut")->click();
        QCOMPARE(dialog->size(), text);
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
