// The capture of replies into the reply table, fed byte by byte.
#include "LnModulSim.h"
#include "loconet/LnAntwort.h"

#include <QTest>

namespace {
using SimLn::mitPruefbyte;

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// An LNCV read reply for type 5465, LNCV 5.
QByteArray leseAntwort(int wert)
{
    return SimLn::lncvAntwort(5465, 5, uint16_t(wert));
}

void gib(const QByteArray& bytes)
{
    for (char c : bytes)
        Antwort_erfassen(uint8_t(c));
}

QByteArray zeile(int z, int laenge)
{
    QByteArray bytes;
    for (int i = 0; i < laenge; ++i)
        bytes.append(char(LN_Antwort[z][i]));
    return bytes;
}

bool markiert(int z)
{
    return LN_Antwort[z][LN_Marke] == -1;
}
} // namespace

class TstLnAntwort : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        LN_AntwortLeeren();
        LN_AntwortAktiv = 0;
    }

    void vollstaendigeNachrichten_data()
    {
        QTest::addColumn<QByteArray>("nachricht");
        QTest::addColumn<int>("zeile");
        QTest::newRow("Quittung") << mitPruefbyte(hex("B4 6D 7F")) << LN_ZeileQuittung;
        QTest::newRow("LNCV-Antwort") << leseAntwort(9) << LN_ZeileLncv;
        QTest::newRow("Direktpaket") << mitPruefbyte(hex("ED 0F 08 05 00 21 00 59 15 05 00 00 00 00")) << LN_ZeileDirekt;
        QTest::newRow("Slotdaten") << mitPruefbyte(hex("E7 0E 01 00 00 00 00 00 00 00 00 00 00")) << LN_ZeileSlot;
    }

    void vollstaendigeNachrichten()
    {
        QFETCH(QByteArray, nachricht);
        QFETCH(int, zeile);
        std::fill_n(LN_Antwort[zeile], 3, int16_t(0x55));
        gib(nachricht.left(nachricht.size() - 1));
        QVERIFY(!markiert(zeile));
        QCOMPARE(::zeile(zeile, 3), QByteArray(3, 0x55));   // replaced only once complete
        gib(nachricht.right(1));
        QVERIFY(markiert(zeile));
        QVERIFY(LN_ZeileKomplett(zeile));
        QCOMPARE(::zeile(zeile, nachricht.size()), nachricht);
        QCOMPARE(LN_Antwort[zeile][nachricht.size()], int16_t(0));
    }

    void fehlerhafteNachrichtZaehltNicht_data()
    {
        QTest::addColumn<QByteArray>("nachricht");
        QByteArray falschesPruefbyte = leseAntwort(9);
        falschesPruefbyte[14] = char(falschesPruefbyte[14] ^ 0x01);
        QTest::newRow("falsches Prüfbyte") << falschesPruefbyte;
        // A length byte of 16: the 16th byte would come after the captured 15.
        QTest::newRow("Länge 16") << mitPruefbyte(hex("E5 10 05 49 4B 1F 00 59 15 05 00 09 00 00"));
        QTest::newRow("fremdes Opcode mittendrin") << leseAntwort(9).left(6) + hex("83 7C") + leseAntwort(9).mid(6);
        QTest::newRow("abgebrochen") << leseAntwort(9).left(10);
    }

    void fehlerhafteNachrichtZaehltNicht()
    {
        QFETCH(QByteArray, nachricht);
        const QByteArray alt = leseAntwort(3);
        gib(alt);
        LN_Antwort[LN_ZeileLncv][LN_Marke] = 0;   // as the LNCV layer does before a request
        gib(nachricht);
        gib(hex("01 02 03"));
        QVERIFY(!markiert(LN_ZeileLncv));
        QCOMPARE(zeile(LN_ZeileLncv, 15), alt);
    }

    void neuerOpcodeBeginntNeueErfassung()
    {
        const QByteArray alt = leseAntwort(3);
        gib(alt);
        const QByteArray direkt = mitPruefbyte(hex("ED 0F 08 05 00 21 00 59 15 05 00 00 00 00"));
        gib(leseAntwort(9).left(5) + direkt);
        // The cut reply left its row as it was, old mark included.
        QCOMPARE(zeile(LN_ZeileLncv, 15), alt);
        QVERIFY(markiert(LN_ZeileLncv));
        QCOMPARE(zeile(LN_ZeileDirekt, 15), direkt);
        QVERIFY(markiert(LN_ZeileDirekt));
    }

    void bytesAusserhalbEinerErfassung()
    {
        gib(hex("00 7F 55"));
        for (int z = 0; z < 5; ++z)
            QVERIFY(!markiert(z) && LN_Antwort[z][0] == 0);
        gib(mitPruefbyte(hex("B4 6D 7F")) + hex("11 22 33 44"));
        QCOMPARE(zeile(LN_ZeileQuittung, 6), mitPruefbyte(hex("B4 6D 7F")) + QByteArray(2, '\0'));
        QCOMPARE(LN_AntwortAktiv, int16_t(0));
    }

    void markenLoeschen()
    {
        gib(mitPruefbyte(hex("B4 6D 7F")) + leseAntwort(1) + mitPruefbyte(hex("E7 0E 01 00 00 00 00 00 00 00 00 00 00")));
        LN_MarkenLoeschen();
        QVERIFY(!LN_ZeileKomplett(LN_ZeileQuittung));
        QVERIFY(!LN_ZeileKomplett(LN_ZeileLncv));
        QVERIFY(LN_ZeileKomplett(LN_ZeileSlot));   // rows 0 to 2 only
        QCOMPARE(LN_Antwort[LN_ZeileQuittung][2], int16_t(0x7F));
    }
};

QTEST_GUILESS_MAIN(TstLnAntwort)
#include "tst_ln_antwort.moc"
