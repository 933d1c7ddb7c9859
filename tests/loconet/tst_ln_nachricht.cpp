// LocoNet messages byte for byte, without any port.
#include "loconet/LnNachricht.h"

#include <QTest>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

class TstLnNachricht : public QObject {
    Q_OBJECT

private slots:
    void lncvNachrichten_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::addColumn<QByteArray>("gebaut");
        LnPuffer p;
        auto draht = [&] { return mitPruefbyte(p, LncvLetztesWort); };

        LncvNachricht::lesen(p, 1234, 1000);
        QTest::newRow("Read_Lncv 1234/1000") << 1234 << hex("ED 0F 08 05 00 21 05 52 04 68 03 00 00 00 09") << draht();
        LncvNachricht::progOnTaste(p);
        QTest::newRow("Prog_On_Taste") << 0 << hex("ED 0F 08 05 00 21 33 7F 7F 00 00 7F 7F 00 02") << draht();
        LncvNachricht::progOn(p, 5465, 1);
        QTest::newRow("Prog_On 5465/1") << 5465 << hex("ED 0F 08 05 00 21 40 59 15 00 00 01 00 00 3C") << draht();
        LncvNachricht::progOn(p, 5465, -25536);
        QTest::newRow("Prog_On Adresse 40000") << 5465 << hex("ED 0F 08 05 00 21 60 59 15 00 00 40 1C 00 41") << draht();
        LncvNachricht::schreiben(p, 5465, 3, -1);
        QTest::newRow("Prog_Lncv Wert -1") << 5465 << hex("ED 0F 08 05 00 20 30 59 15 03 00 7F 7F 00 4F") << draht();
        LncvNachricht::progOff(p, 5465, -1);
        QTest::newRow("Prog_Off Adresse 65535") << 5465 << hex("E5 0F 08 05 00 21 30 59 15 00 00 7F 7F 40 05") << draht();
        LncvNachricht::progOff(p, 5465, 32768);
        QTest::newRow("Prog_Off Adresse 32768") << 5465 << hex("E5 0F 08 05 00 21 20 59 15 00 00 00 00 40 15") << draht();
    }

    void lncvNachrichten()
    {
        QFETCH(QByteArray, erwartet);
        QFETCH(QByteArray, gebaut);
        QCOMPARE(gebaut.toHex(' ').toUpper(), erwartet.toHex(' ').toUpper());
    }

    void werteAufDemDraht_data()
    {
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("pxct1");
        QTest::newRow("127") << 127 << 0x7F << 0x00 << 0x00;
        QTest::newRow("128") << 128 << 0x00 << 0x00 << 0x10;
        QTest::newRow("32768") << 32768 << 0x00 << 0x00 << 0x20;
        QTest::newRow("-1") << -1 << 0x7F << 0x7F << 0x30;
    }

    void werteAufDemDraht()
    {
        QFETCH(int, wert);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, pxct1);
        LnPuffer p;
        LncvNachricht::schreiben(p, 5465, 2, wert);   // type bytes 59 15 and LNCV 2 carry no bit 7
        QCOMPARE(int(p[11]), low);
        QCOMPARE(int(p[12]), high);
        QCOMPARE(int(p[6]), pxct1);
        // Read back as the reply decoding does, the 16-bit pattern returns.
        int16_t zeile[34]{};
        std::copy(p.begin(), p.begin() + 14, zeile);
        QCOMPARE(int(leseLncvFelder(zeile).wert), wert & 0xFFFF);
    }

    void antwortLesen_data()
    {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<int>("lncvNr");
        QTest::addColumn<int>("wert");
        QTest::addColumn<bool>("leseAntwort");
        QTest::addColumn<int>("art");
        QTest::newRow("LNCV ab 32768") << hex("E5 0F 05 49 4B 1F 08 59 15 00 00 01 00 00 00") << 32768 << 1 << true
                                       << 5465;
        QTest::newRow("alle hohen Bits") << hex("E5 0F 05 49 4B 1F 3F 59 15 7F 7F 7F 7F 00 00") << 65535 << 65535
                                         << true << 0x95D9;
        // 5577 = 0x15C9: its low byte's bit 7 travels in PXCT1; the rest reads as 5449.
        QTest::newRow("Typ 5577") << hex("E5 0F 05 49 4B 1F 01 49 15 05 00 09 00 00 00") << 5 << 9 << true << 5577;
        QTest::newRow("Echo des Programmierendes") << hex("E5 0F 08 05 00 21 00 59 15 00 00 01 00 40 00") << 0 << 1
                                                  << false << 5465;
    }

    void antwortLesen()
    {
        QFETCH(QByteArray, zeile);
        QFETCH(int, lncvNr);
        QFETCH(int, wert);
        QFETCH(bool, leseAntwort);
        QFETCH(int, art);
        int16_t z[34]{};
        for (int i = 0; i < zeile.size(); ++i)
            z[i] = uint8_t(zeile[i]);
        const LncvFelder f = leseLncvFelder(z);
        QCOMPARE(int(f.lncvNr), lncvNr);
        QCOMPARE(int(f.wert), wert);
        QCOMPARE(f.istLeseAntwort(), leseAntwort);
        QCOMPARE(int(f.art), art);
    }

    void fahrregler_data()
    {
        QTest::addColumn<int>("adresse");
        QTest::addColumn<QByteArray>("erwartet");   // empty: refused
        QTest::newRow("300") << 300 << hex("E4 08 00 41 2C 00 01 7F");
        QTest::newRow("3967") << 3967 << hex("E4 08 00 4F 7F 00 01") + char(0xFF ^ 0xE4 ^ 0x08 ^ 0x4F ^ 0x7F ^ 0x01);
        QTest::newRow("1") << 1 << hex("E4 08 00 40 01 00 01") + char(0xFF ^ 0xE4 ^ 0x08 ^ 0x40 ^ 0x01 ^ 0x01);
        QTest::newRow("niederwertiges Byte 128") << 384 << QByteArray();
        QTest::newRow("4095") << 4095 << QByteArray();
        QTest::newRow("0") << 0 << QByteArray();
        QTest::newRow("4096") << 4096 << QByteArray();
    }

    void fahrregler()
    {
        QFETCH(int, adresse);
        QFETCH(QByteArray, erwartet);
        LnPuffer p;
        p.fill(0x11);
        const bool gebaut = baueFahrreglerNachricht(p, adresse);
        QCOMPARE(gebaut, !erwartet.isEmpty());
        if (gebaut)
            QCOMPARE(mitPruefbyte(p, FahrreglerLetztesWort).toHex(' '), erwartet.toHex(' '));
        else
            QCOMPARE(p[0], int16_t(0x11));
    }
};

QTEST_GUILESS_MAIN(TstLnNachricht)
#include "tst_ln_nachricht.moc"
