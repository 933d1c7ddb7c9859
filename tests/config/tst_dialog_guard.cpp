// Every dialog bound to a desk element refuses to write once that element has
// left its field while the dialog stood open: replaced by another element of
// the same kind, deleted, or gone with the whole desk. Values the LNCV table
// changed meanwhile are written over only when the user says so.
#include "config/AddressOptions.h"
#include "config/ElementDialogs.h"
#include "config/LncvTableDialog.h"
#include "config/ModuleDialogs.h"
#include "config/NumberingGroups.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "platform/FlexGridView.h"
#include "project/DeskRecord.h"
#include "project/DeskSettingsDialog.h"
#include "support/Meldungen.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestDesk::lncv;
using TestDialog::teil;

namespace {
// How the element or its values change under the open dialog; the two ways
// through the LNCV table differ in the answer to the question at OK.
enum Weg : int { GleichesElement, Geloescht, NeuesPult, Nummeriert, Tabelle, TabelleUeberschreiben };

int16_t index(int code, int32_t artikel, int anzahl = 128)
{
    return katalogIndex(code, artikel, anzahl);
}

void ersetzen(int weg, int x, int y, int16_t element, int n = 0)
{
    switch (weg) {
    case Tabelle:
    case TabelleUeberschreiben: {
        LncvTabelle tabelle;
        tabelle.fuellen(x, y);
        tabelle.zelleWaehlen(n / 10 + 1, n % 10 + 1);
        tabelle.tasteGedrueckt(QLatin1Char('5'));
        tabelle.tasteLosgelassen(Qt::Key_5);
        break;
    }
    case GleichesElement:
        MainWin().Pult[0].setzeZelle(y, x);
        SetzePultElement(element);
        break;
    case Geloescht: LoeschePultElement(x, y); break;
    case NeuesPult: TestDesk::neuesPult(PultdimensionenX, PultdimensionenY); break;
    case Nummeriert:
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::MAWeichen] = 100;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::MAWeichen] = 0;
        AutoAdrSetzen = true;
        gruppeAutoAdr(AdrGruppe::MAWeichen);
        break;
    }
}
} // namespace

class TstDialogGuard : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        TestDialog::alleFensterVerbergen();
        leererKatalog();
        TestDesk::neuesPult(4, 3);
        elementDialogeAnmelden();
        moduleDialogeAnmelden();
    }

    void okSchreibtNichtInsNeueElement_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("artikel");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("weg");
        const struct {
            Dialog d;
            const char* name;
            int code, artikel;
            const char* box;
            int n;
        } dialoge[] = {
            {Dialog::Weichen_Form, "Weichen_Form", 101, 54650, "WAdr_Txt(0)", 11},
            {Dialog::Ausl_Form, "Ausl_Form", 403, 54660, "MagAdr_Txt(2)", 25},
            {Dialog::Signal_Form, "Signal_Form", 501, 54660, "SigAdr_Txt(0)", 31},
            {Dialog::Tasten_Form, "Tasten_Form", 610, 54660, "TastAdr_Txt(0)", 11},
            {Dialog::Zivra_Form, "Zivra_Form", 920, 54680, "ZivraAdr_Txt", 11},
            {Dialog::T3Mod_Form, "T3Mod_Form", 700, 54690, "MagAdr_Txt(0)", 11},
        };
        for (const auto& d : dialoge)
            for (const auto& [weg, wegName] : {std::pair{int(GleichesElement), "ersetzt"},
                                               std::pair{int(Geloescht), "geloescht"},
                                               std::pair{int(NeuesPult), "neues Pult"},
                                               std::pair{int(Tabelle), "LNCV-Tabelle, nicht überschreiben"},
                                               std::pair{int(TabelleUeberschreiben), "LNCV-Tabelle, überschreiben"}})
                QTest::addRow("%s %s", d.name, wegName)
                    << int(d.d) << d.name << d.code << d.artikel << d.box << d.n << weg;
        // Automatic numbering gave the open dialog's turnout a new address.
        QTest::addRow("Weichen_Form nummeriert") << int(Dialog::Weichen_Form) << "Weichen_Form" << 101 << 54650
                                                  << "WAdr_Txt(0)" << 11 << int(Nummeriert);
    }

    void okSchreibtNichtInsNeueElement()
    {
        QFETCH(int, dialog);
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(int, artikel);
        QFETCH(QString, box);
        QFETCH(int, n);
        QFETCH(int, weg);
        const int16_t element = index(code, artikel);
        MainWin().Pult[0].setzeZelle(2, 3);
        SetzePultElement(element);
        auto* dlg = TestDialog::oeffnen(Dialog(dialog), qPrintable(name), 3, 2);
        QVERIFY(dlg && dlg->isVisible());
        auto* b = teil<QLineEdit>(dlg, box);
        b->selectAll();
        QTest::keyClicks(b, "77");

        Meldungen meldungen(Msg::Nein);
        ersetzen(weg, 3, 2, element, n);
        const int vorher = lncv(3, 2, n);
        meldungen.neu(weg == TabelleUeberschreiben ? Msg::Ja : Msg::Ok);
        teil<QPushButton>(dlg, QStringLiteral("OK_But"))->click();

        if (weg == TabelleUeberschreiben) {   // asked, the dialog's value is written
            QCOMPARE(lncv(3, 2, n), 77);
            QCOMPARE(meldungen.boxen.size(), 1);
            QCOMPARE(meldungen.boxen[0].stil, Msg::JaNein | Msg::Frage);
            return;
        }
        QCOMPARE(lncv(3, 2, n), vorher);
        QCOMPARE(meldungen.boxen.size(), 1);
        QCOMPARE(meldungen.boxen[0].titel, dlg->property("Tag").toString());
        QVERIFY(meldungen.boxen[0].text.contains(QStringLiteral("Spalte 3, Zeile 2")));
        QVERIFY(dlg->isHidden());

        // Opened again, the dialog shows and writes the new element.
        if (weg == GleichesElement) {
            dlg = TestDialog::oeffnen(Dialog(dialog), qPrintable(name), 3, 2);
            teil<QLineEdit>(dlg, box)->setText(QStringLiteral("12"));
            teil<QPushButton>(dlg, QStringLiteral("OK_But"))->click();
            QCOMPARE(lncv(3, 2, n), 12);
            QCOMPARE(meldungen.boxen.size(), 1);
        }
    }

    void lncvTabelleTipptNichtInsNeueElement()
    {
        const int16_t element = index(920, 54680);
        MainWin().Pult[0].setzeZelle(1, 1);
        SetzePultElement(element);
        auto* dlg = static_cast<LNCV_Tab*>(TestDialog::oeffnen(Dialog::LNCV_Tab, "LNCV_Tab", 1, 1));
        QVERIFY(dlg);
        QTest::keyClicks(dlg->Tabelle, "4");
        QCOMPARE(lncv(1, 1, 0), 4);

        Meldungen meldungen(Msg::Nein);
        ersetzen(GleichesElement, 1, 1, element);
        meldungen.neu(Msg::Ok);
        QTest::keyClicks(dlg->Tabelle, "2");
        QCOMPARE(lncv(1, 1, 0), 0);
        QCOMPARE(meldungen.boxen.size(), 1);
        QCOMPARE(meldungen.boxen[0].titel, QStringLiteral("LNCV Tabelle"));
        QVERIFY(dlg->isHidden());
    }

    // "Grundeinstellungen" left open while another desk is created or loaded
    // never applies the first desk's size and options to the second: it shows
    // the new desk's when activated, and an OK before that takes nothing.
    void grundeinstellungenFolgenDemNeuenPult_data()
    {
        QTest::addColumn<bool>("aktiviert");
        QTest::newRow("OK sofort") << false;
        QTest::newRow("erst aktiviert") << true;
    }
    void grundeinstellungenFolgenDemNeuenPult()
    {
        QFETCH(bool, aktiviert);
        PultDaten.PultOpt_HellWert = 7;
        grundeinstellungenZeigen();
        KonfModulOpt_Form* dlg = KonfModulOpt_Form::instanz();
        QCOMPARE(dlg->AnzCol_Txt->text(), QStringLiteral("4"));

        TestDesk::neuesPult(9, 6);
        PultDaten.PultOpt_HellWert = 2;
        Meldungen meldungen(Msg::Ok);
        if (aktiviert) {
            QEvent aktivierung(QEvent::WindowActivate);
            QApplication::sendEvent(dlg, &aktivierung);
        }
        dlg->OK_But->click();
        QCOMPARE((QList<int>{PultdimensionenX, PultdimensionenY, PultDaten.PultOpt_HellWert}), (QList<int>{9, 6, 2}));
        QCOMPARE(dlg->AnzCol_Txt->text(), QStringLiteral("9"));
        QCOMPARE(dlg->Hell_Txt->text(), QStringLiteral("2"));
        QCOMPARE(meldungen.boxen.size(), aktiviert ? 0 : 1);
        QCOMPARE(dlg->isVisible(), !aktiviert);
        dlg->hide();
    }

    // Escape closes the LNCV table as it closes the other dialogs; what was
    // typed is stored already.
    void lncvTabelleSchliesstMitEscape()
    {
        TestDesk::setzen(1, 1, index(920, 54680));
        auto* dlg = static_cast<LNCV_Tab*>(TestDialog::oeffnen(Dialog::LNCV_Tab, "LNCV_Tab", 1, 1));
        QTest::keyClicks(dlg->Tabelle, "3");
        QTest::keyClick(dlg->Tabelle, Qt::Key_Escape);
        QVERIFY(dlg->isHidden());
        QCOMPARE(lncv(1, 1, 0), 3);
    }
};

QTEST_MAIN(TstDialogGuard)
#include "tst_dialog_guard.moc"
