#include "core/DialogFields.h"
#include "core/Desk.h"
#include "core/ErrorReport.h"
#include "core/Words.h"
#include "platform/MsgBox.h"

#include <QCheckBox>
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

    void digitFilter_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("0") << int('0') << int('0');
        QTest::newRow("9") << int('9') << int('9');
        QTest::newRow("backspace") << 8 << 8;
        QTest::newRow("minus") << int('-') << 0;
        QTest::newRow("point") << int('.') << 0;
        QTest::newRow("blank") << int(' ') << 0;
        QTest::newRow("letter") << int('a') << 0;
    }
    void digitFilter()
    {
        QFETCH(int, taste);
        QFETCH(int, ergebnis);
        QCOMPARE(Nur_Ziffern(taste), ergebnis);
    }

    void digitFilterDiscardsTypedLetters()
    {
        QLineEdit box;
        nurZiffernEingabe(&box);
        QTest::keyClicks(&box, "12a-3.");
        QCOMPARE(box.text(), QString("123"));
    }

    void rangeCheckMarksTheBoxAndLocksOk()
    {
        ZweiBoxDialog d;
        d.a->setText("2047");
        Check_Wert(&d.dialog, d.a, 2047);
        QVERIFY(d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString("Weiche"));
        d.a->setText("2048");
        Check_Wert(&d.dialog, d.a, 2047);
        QVERIFY(!d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString(" --- Wert zu groß !! ---"));
        d.a->setText("204");
        Check_Wert(&d.dialog, d.a, 2047);
        QVERIFY(d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString("Weiche"));
    }

    void okStaysLockedWhileAnyBoxIsOutOfRange()
    {
        ZweiBoxDialog d;
        d.a->setText("5000");
        Check_Wert(&d.dialog, d.a, 4095);
        d.b->setText("3000");
        Check_Wert(&d.dialog, d.b, 2047);
        d.b->setText("30");
        Check_Wert(&d.dialog, d.b, 2047);
        QVERIFY(!d.ok->isEnabled());
        QCOMPARE(d.dialog.windowTitle(), QString(" --- Wert zu groß !! ---"));
        d.a->setText("4095");
        Check_Wert(&d.dialog, d.a, 4095);
        QVERIFY(d.ok->isEnabled());
    }

    void hugeNumbersDoNotOverflow()
    {
        ZweiBoxDialog d;
        d.a->setText("99999999999999999999");
        Check_Wert(&d.dialog, d.a, 65535);
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
        QTest::newRow("occupied") << 12343 << "1234" << 3;
        QTest::newRow("zero") << 0 << "0" << -1;
        QTest::newRow("red") << 20 << "2" << 0;
        QTest::newRow("green") << 41 << "4" << 1;
        QTest::newRow("code 7 selects none") << 47 << "4" << -1;
    }
    void addressAndCodeShown()
    {
        QFETCH(int, wert);
        QFETCH(QString, text);
        QFETCH(int, option);
        akt().LNCV[39] = int16_t(wert);
        QWidget gruppe;
        QLineEdit box;
        QRadioButton opt[4] = {QRadioButton(&gruppe), QRadioButton(&gruppe), QRadioButton(&gruppe),
                               QRadioButton(&gruppe)};
        opt[2].setChecked(true);
        Set_AAAAC_Feld(&box, nullptr, &opt[0], &opt[1], &opt[2], &opt[3], 39);
        QCOMPARE(box.text(), text);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(opt[i].isChecked(), i == option);
    }

    void addressAndCodeStored()
    {
        QWidget gruppe;
        QLineEdit box;
        box.setText("1234");
        QRadioButton opt[4] = {QRadioButton(&gruppe), QRadioButton(&gruppe), QRadioButton(&gruppe),
                               QRadioButton(&gruppe)};
        opt[2].setChecked(true);
        Get_AAAAC_Feld(&box, nullptr, &opt[0], &opt[1], &opt[2], &opt[3], 39);
        QCOMPARE(akt().LNCV[39], int16_t(12342));
        opt[0].setChecked(true);
        Get_AAAAC_Feld(&box, nullptr, &opt[0], &opt[1], &opt[2], &opt[3], 39);
        QCOMPARE(akt().LNCV[39], int16_t(12340));
    }

    void shortAddressText_data()
    {
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("green") << 12341 << "1234g";
        QTest::newRow("code 5") << 12345 << "";
        QTest::newRow("zero") << 0 << "0r";
        QTest::newRow("occupied") << 33 << "3b";
    }
    void shortAddressText()
    {
        QFETCH(int, wert);
        QFETCH(QString, text);
        QCOMPARE(make_adr_rgfb_str(wert), text);
    }

    void wordsAndBits()
    {
        QCOMPARE(Int_to_UWord(-1), 65535);
        QCOMPARE(UWord_to_Int(65535), -1);
        QCOMPARE(UWord_to_Int(32767), 32767);
        QCOMPARE(UWord_to_Int(32768), -32768);
        QCOMPARE(Chk_Value_from(48, 16), 1);
        QCOMPARE(Chk_Value_from(40, 16), 0);
        QCOMPARE(Chk_Value_to_Bit(1, 32), 32);
        QCOMPARE(Chk_Value_to_Bit(0, 32), 0);
        QCOMPARE(Max(7, 7), 7);
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
};

QTEST_MAIN(TestDialogFields)
#include "tst_dialog_fields.moc"
