// F1 shows the program's own help window at the topic of the window that has
// the keyboard, and the help page says something under every topic the
// program can ask for.
#include "core/EditModes.h"
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "platform/FlexGridView.h"
#include "project/ProgramConfig.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void f1ShowsTheTopicOfTheActiveWindow()
    {
        MainWindow fenster;
        hilfeTasteAnmelden();
        fenster.show();
        EditModus = 2;
        ChangeEditMode();
        QTest::keyClick(fenster.Pult[0], Qt::Key_F1);
        QTextBrowser* hilfe = hilfeFenster();
        QVERIFY(hilfe && hilfe->isVisible());
        QCOMPARE(hilfe->source().fragment(), QStringLiteral("h22"));
        QVERIFY(hilfe->toPlainText().contains(QStringLiteral("Elektrische Verbindungen")));

        QDialog dialog;
        dialog.setProperty("HelpContextID", 41);
        auto* box = new QLineEdit(&dialog);
        dialog.show();
        QTest::keyClick(box, Qt::Key_F1);
        QCOMPARE(hilfe->source().fragment(), QStringLiteral("h41"));
        hilfe->hide();
    }

    void everyTopicHasText()
    {
        QFile datei(programmVerz() + QStringLiteral("Hilfe/index.html"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString seite = QString::fromUtf8(datei.readAll());
        QList<int> themen;
        const QRegularExpression abschnitt(QStringLiteral("<h2 id=\"h(\\d+)\">[^<]+</h2>\\s*<p>([^<]*)"));
        for (auto it = abschnitt.globalMatch(seite); it.hasNext();) {
            const auto treffer = it.next();
            QVERIFY2(treffer.captured(2).trimmed().size() > 20, qPrintable(treffer.captured(0)));
            themen << treffer.captured(1).toInt();
        }
        QCOMPARE(seite.count(QStringLiteral("<h2")), themen.size());
        QList<int> gefragt{10, 11, 12, 13, 14, 15, 35, 41, 42, 43, 44, 109};
        for (int i = 1; i <= 10; ++i)
            gefragt << 20 + i;
        for (int i = 1; i <= 7; ++i)
            gefragt << 100 + i;
        for (int k : gefragt)
            QVERIFY2(themen.contains(k), qPrintable(QString::number(k)));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
