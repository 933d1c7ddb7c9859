#include "core/DialogFields.h"
#include "core/Desk.h"
#include "core/ErrorReport.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "project/NewDeskDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
// A dialog with two numeric boxes and an OK button, as the element dialogs have.
struct ZweiBoxDialog {
    QDialog dialog;
    QLineEdit* a = new QLineEdit(&dialog);
    QLineEdit* b = new QLineEdit(&dialog);
    QPushButton* ok = new QPushButton("OK", &dialog);
    ZweiBoxDialog()
    {
        ok->setObjectName("OK_But");
        dialog.setProperty("Tag", "Weiche");
        dialog.setWindowTitle("Weiche");
    }
    // Types a value into the box and checks it against its maximum.
    void eingeben(QLineEdit* box, const char* text, double maximum)
    {
        box->setText(text);
        Check_Wert(&dialog, box, maximum);
    }
};

// The four options red, green, free, occupied of an address with code.
struct CodeOptionen {
    QWidget gruppe;
    QRadioButton opt[4] = {QRadioButton(&gruppe), QRadioButton(&gruppe), QRadioButton(&gruppe), QRadioButton(&gruppe)};
    QLineEdit box;
    void setzen(int n) { Set_AAAAC_Feld(&box, nullptr, &opt[0], &opt[1], &opt[2], &opt[3], n); }
    void holen(int n) { Get_AAAAC_Feld(&box, nullptr, &opt[0], &opt[1], &opt[2], &opt[3], n); }
};

PultFeld& akt()
{
    return PultFelder[AktFeldX][AktFeldY];
}
} // namespace

class TestDialogFields : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        AktFeldX = 3;
        AktFeldY = 2;
        akt() = PultFeld{};
    }

    void digitFilter()
    {
        for (int taste : {int('0'), int('9'), 8})
            QCOMPARE(Nur_Ziffern(taste), taste);
        for (char taste : {'-', '.', ' ', 'a'})
            QCOMPARE(Nur_Ziffern(taste), 0);
        QLineEdit box;
        nurZiffernEingabe(&box);
        QTest::keyClicks(&box, "12a-3.");
        QCOMPARE(box.text(), QString("123"));
    }

    void rangeCheckMarksTheBoxAndLocksOk()
    {
        ZweiBoxDialog d;
        d.eingeben(d.a, "2047", 2047);
        QVERIFY(d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString("Weiche"));
        d.eingeben(d.a, "2048", 2047);
        QVERIFY(!d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString(" --- Wert zu groß !! ---"));
        d.eingeben(d.a, "204", 2047);
        QVERIFY(d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString("Weiche"));
    }

    void okStaysLockedWhileAnyBoxIsOutOfRange()
    {
        ZweiBoxDialog d;
        d.eingeben(d.a, "5000", 4095);
        d.eingeben(d.b, "3000", 2047);
        d.eingeben(d.b, "30", 2047);
        QVERIFY(!d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString(" --- Wert zu groß !! ---"));
        d.eingeben(d.a, "4095", 4095);
        QVERIFY(d.ok->isEnabled());
    }

    void hugeNumbersDoNotOverflow()
    {
        ZweiBoxDialog d;
        d.eingeben(d.a, "99999999999999999999", 65535);
        QVERIFY(!d.ok->isEnabled());
        Get_Txt_Feld(d.a, nullptr, 5);
        QCOMPARE(Int_to_UWord(akt().LNCV[5]), 65535);
    }

    void textFieldRoundTrip()
    {
        akt().LNCV[11] = 1234;
        akt().AutoFlag[11] = 0;
        QLineEdit box;
        QCheckBox chk;
        chk.setChecked(true);
        Set_Txt_Feld(&box, &chk, 11);
        QCOMPARE(box.text(), QString("1234"));
        QVERIFY(!chk.isChecked());
        box.setText("999");
        chk.setChecked(true);
        Get_Txt_Feld(&box, &chk, 11);
        QCOMPARE(akt().LNCV[11], int16_t(999));
        QCOMPARE(akt().AutoFlag[11], uint8_t(1));
    }

    void addressAndCodeShown_data()
    {
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("option");   // -1 none
        QTest::addColumn<QString>("kurz");   // as the address grid shows it
        QTest::newRow("occupied") << 12343 << "1234" << 3 << "1234b";
        QTest::newRow("zero") << 0 << "0" << -1 << "0r";
        QTest::newRow("red") << 20 << "2" << 0 << "2r";
        QTest::newRow("green") << 12341 << "1234" << 1 << "1234g";
        QTest::newRow("code 5") << 12345 << "1234" << -1 << "";
        QTest::newRow("code 7 selects none") << 47 << "4" << -1 << "";
    }
    void addressAndCodeShown()
    {
        QFETCH(int, wert);
        QFETCH(QString, text);
        QFETCH(int, option);
        QFETCH(QString, kurz);
        akt().LNCV[39] = int16_t(wert);
        CodeOptionen c;
        c.opt[2].setChecked(true);
        c.setzen(39);
        QCOMPARE(c.box.text(), text);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(c.opt[i].isChecked(), i == option);
        QCOMPARE(make_adr_rgfb_str(wert), kurz);
    }

    void addressAndCodeStored()
    {
        CodeOptionen c;
        c.box.setText("1234");
        c.opt[2].setChecked(true);
        c.holen(39);
        QCOMPARE(akt().LNCV[39], int16_t(12342));
        c.opt[0].setChecked(true);
        c.holen(39);
        QCOMPARE(akt().LNCV[39], int16_t(12340));
    }

    void wordsAndBits()
    {
        QCOMPARE(Int_to_UWord(-1), 65535);
        QCOMPARE(UWord_to_Int(65535), -1);
        QCOMPARE(UWord_to_Int(32768), -32768);
        QCOMPARE(Chk_Value_from(48, 16), 1);
        QCOMPARE(Chk_Value_from(40, 16), 0);
        QCOMPARE(Chk_Value_to_Bit(1, 32), 32);
        QCOMPARE(Chk_Value_to_Bit(0, 32), 0);
    }

    void errorReportEndsTheProgram()
    {
        MsgBoxAufruf gezeigt;
        setzeMsgBoxResponder([&](const MsgBoxAufruf& a) { gezeigt = a; return int(Msg::Ok); });
        int endeCode = -1;
        setzeProgrammEnde([&](int code) { endeCode = code; });
        erkenne_fehler("Funktionen : LoeschePultElement", 53, "Datei nicht gefunden");
        QCOMPARE(gezeigt.titel, QString("--- Programmfehler ---"));
        QCOMPARE(gezeigt.stil, Msg::NurOk | Msg::Kritisch);
        QCOMPARE(gezeigt.text, QString(" Fehler in : Funktionen : LoeschePultElement\r\n Fehlernummer: 53 -> "
                                       "Datei nicht gefunden\r\n Bei einer Fehlerbeschreibung bitte den Inhalt "
                                       "dieser Box angeben! "));
        QVERIFY(endeCode != -1 && endeCode != 0);
        setzeMsgBoxResponder({});
    }

    // The project name takes only what the project file can hold: typed
    // characters without a Windows-1252 code are refused, the others kept.
    void projectNameTakesOnlyWindows1252()
    {
        QLineEdit* name = NeuesPultAnlegen::instanz()->ProjektNameTxt;
        name->clear();
        for (QChar c : QStringLiteral("Ä€\u2192ß\u4e2d?x")) {
            QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &taste);
        }
        QCOMPARE(name->text(), QStringLiteral("Ä€ß?x"));
    }
};

QTEST_MAIN(TestDialogFields)
#include "tst_dialog_fields.moc"
