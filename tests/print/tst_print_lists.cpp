// The text lists of the print dialog, page by page and line by line, for sample desks.
#include "core/Words.h"
#include "print/ModuleList.h"
#include "print/PartsOrderList.h"
#include "print/RouteList.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"
#include "core/Desk.h"
#include "support/TestCatalogue.h"
#include "support/TestDesk.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
// Lines 1..50 of a page, without the trailing empty lines.
QStringList beschrieben(const QStringList& seite)
{
    QStringList z = seite.mid(1);
    while (!z.isEmpty() && z.last().isEmpty())
        z.removeLast();
    return z;
}

void vergleichen(const QStringList& ist, const QStringList& soll)
{
    for (qsizetype i = 0; i < std::max(ist.size(), soll.size()); ++i)
        QCOMPARE(ist.value(i, "<fehlt>"), soll.value(i, "<fehlt>"));
}

// One command of a route's list: slot, words 0..5 and the links.
void befehl(int r, int s, int e, std::array<int, 8> w)
{
    for (size_t k = 0; k < 8; ++k)
        FSDaten[size_t(r)].Route[size_t(s)][size_t(e)][k] = alsWort(w[k]);
}
constexpr int Ende = 65535;

const QStringList route0Seite1 = {
    " --- Fahrstraßen Liste --- Seite: 1 ---",
    "",
    "FS_Fahrstraße: 0",
    "FS_Name: Einfahrt",
    " Start   : X=03 Y=12 Rückmeldeadr. für Fahrstraßenaufruf = 1",
    " Ziel    : X=07 Y=12 Mag.art.Adr. des Zieltasters = 123 grün  ",
    " Auflösen: X=09 Y=12 Rückmeldeadr. für 'Fahrstraße auflösen' = 55 belegt",
    " Rückmeldeadressen zum Aufruf im Fahrstraßenspeicher 54670 : ",
    "     Fahrstraße festlegen: 201 grün  ",
    "     Fahrstraße auflösen : 202 rot   ",
    "",
    " Liste der Fahrstraßenbefehle für 'Fahrstraße festlegen':",
    " X: Y:  Beschreibung:",
    " 03 12  Weiche schalten,  Adr.= 0017 grün  ",
    " 05 12  Hauptsignal schalten, 1.Adr.= 0040 grün  ",
    " 05 12  Hauptsignal schalten, 2.Adr.= 0041 grün  ",
    " 05 12  Vorsig. 06,12 verknüpfen mit Signal= 0040",
    " -- --  Rückmeldung für 'Fahrstraße auflösen' Adr.= 0300 frei  ",
    " -- --  Pause für Zugfahrt 5s",
    "",
    " Liste der Fahrstraßenbefehle für 'Fahrstraße auflösen':",
    " X: Y:  Beschreibung:",
};

const QStringList route1Seite2 = {
    " --- Fahrstraßen Liste --- Seite: 2 ---",
    "",
    "FS_Fahrstraße: 1",
    "FS_Name: Benutzer",
    " Start   : X=00 Y=00 Rückmeldeadr. für Fahrstraßenaufruf = 0",
    " Ziel    : X=00 Y=00 Mag.art.Adr. des Zieltasters = 0 rot   ",
    " Auflösen: X=00 Y=00 Rückmeldeadr. für 'Fahrstraße auflösen' = 0 rot   ",
    " Rückmeldeadressen zum Aufruf im Fahrstraßenspeicher 54670 : ",
    "     Fahrstraße festlegen: 0 rot   ",
    "     Fahrstraße auflösen : 0 rot   ",
    "",
    " Liste der Fahrstraßenbefehle für 'Fahrstraße festlegen':",
    " X: Y:  Beschreibung:",
    "",
    " Liste der Fahrstraßenbefehle für 'Fahrstraße auflösen':",
    " X: Y:  Beschreibung:",
    " -- --  Benutzer def. Pause 3s",
    " -- --  Benutzer def. Magnetartikel Adr.= 0017 rot   ",
    " -- --  Benutzer def. Fahrstraßenaufruf (54670) durch 0088  grün  ",
    " -- --  Benutzer def. Fahrstraßennummer (54670): 0004",
    " -- --  Benutzer def. Fahrstraße verriegeln (54670): 0004",
    " -- --  Benutzer def. Fahrstraße entriegeln (54670): 0004",
    " -- --  Benutzer def. Rückmeldung Adr.= 0300 belegt",
};
} // namespace

class TestPrintLists : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        leererKatalog();
        TestDesk::leeresPult(12, 12);
        PultDaten = PultDatenSatz{};
        alleFahrstrassenLoeschen();
    }

    void pageHeaderAndStateTexts()
    {
        TextSeiten t(DruckArt::Fahrstrassen);
        for (int i = 0; i < 11 * 48; ++i)
            t.PrtTxt("x");
        QCOMPARE(t.seite(12)[1], QString(" --- Fahrstraßen Liste --- Seite: 12 ---"));
        QCOMPARE(Zustand(4), QString());
        QCOMPARE(Zustand(1), QString(" grün  "));
    }

    // Line n stands 300 x n twips from the top of the paper, 800 from its left
    // edge; in the preview at 400 and 300 x n - 100, both times the preview's scale.
    void textLinePlacement_data()
    {
        QTest::addColumn<bool>("drucker");
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QPointF>("ort");   // twips of the target
        QTest::newRow("paper, line 1") << true << 1.0 << 1 << QPointF(800, 300);
        QTest::newRow("paper, line 50") << true << 1.0 << 50 << QPointF(800, 15000);
        QTest::newRow("preview, line 1") << false << 0.5 << 1 << QPointF(200, 50);
        QTest::newRow("preview, line 3") << false << 0.5 << 3 << QPointF(200, 350);
    }
    void textLinePlacement()
    {
        QFETCH(bool, drucker);
        QFETCH(double, skala);
        QFETCH(int, zeile);
        QFETCH(QPointF, ort);
        QImage bild(900, 1100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.scale(1 / 15.0, 1 / 15.0);   // one pixel is 15 twips
            textSchriftSetzen(p, AusgabeZiel{drucker, skala});
            prt_z(p, AusgabeZiel{drucker, skala}, zeile, "HHHH");
        }
        QRect tinte;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (qGray(bild.pixel(x, y)) < 128)
                    tinte |= QRect(x, y, 1, 1);
        const QPointF pixel = ort / 15;
        QVERIFY2(tinte.left() >= pixel.x() - 1 && tinte.left() <= pixel.x() + 3, qPrintable(QString::number(tinte.left())));
        // The capitals stand below the line's top, within the line's height of 300 twips.
        QVERIFY2(tinte.top() >= pixel.y() && tinte.bottom() <= pixel.y() + 300 * skala / 15, qPrintable(QString::number(tinte.top())));
    }

    void routeListWithoutRoutes()
    {
        const TextSeiten t = fahrstrassenListe();
        QCOMPARE(t.anzahl(), 1);
        vergleichen(beschrieben(t.seite(1)),
                    {" --- Fahrstraßen Liste --- Seite: 1 ---", "", " -- keine Fahrstraßen vorhanden! -- "});
    }

    // Commands from the desk's LNCVs, the two commands of a typed release
    // feedback, user commands, and a damaged chain that loops on itself.
    void routeListOfASampleDesk()
    {
        PultDaten.PultOpt_HS_FolgeAdr = 1;
        TestDesk::setzen(3, 12, 0, {11, 17});
        TestDesk::setzen(5, 12, 0, {31, 40});
        TestDesk::setzen(7, 12, 0, {39, 1231});
        TestDesk::setzen(9, 12, 0, {13, 55});
        FSAnzahl = 2;
        Fahrstrasse& f = FSDaten[0];
        f.Name = "Einfahrt";
        f.Start = {3, 12, 1, 0, 0};
        f.Ziel = {7, 12, 0, 0, 39};
        f.Aufloesen = {9, 12, 0, 3, 13};
        f.Rueckmeldeadressen = {201, 1, 202, 0, 0};
        // words: X, Y, Wert, Zustand, Befehlsart, LNCVNr, previous, next
        befehl(0, 0, 1, {3, 12, 0, 1, 2, 11, Ende, 3});
        befehl(0, 0, 3, {5, 12, 0, 1, 7, 31, 1, 2});
        befehl(0, 0, 2, {5, 12, 0, 1, 8, 31, 3, 5});
        befehl(0, 0, 5, {5, 12, 6, 12, 5, 31, 2, 4});
        befehl(0, 0, 4, {0, 0, 300, 2, 10, -1, 5, 6});
        befehl(0, 0, 6, {0, 0, 5, 0, 9, -1, 4, Ende});

        FSDaten[1].Name = "Benutzer";
        FSDaten[1].Ziel[4] = -1;
        FSDaten[1].Aufloesen[4] = -1;
        befehl(1, 1, 2, {0, 0, 3, 0, 23, -1, Ende, 1});
        befehl(1, 1, 1, {0, 0, 17, 0, 21, -1, 2, 3});
        befehl(1, 1, 3, {0, 0, 88, 1, 24, -1, 1, 4});
        befehl(1, 1, 4, {0, 0, 4, 1, 25, -1, 3, 5});
        befehl(1, 1, 5, {0, 0, 4, 2, 25, -1, 4, 6});
        befehl(1, 1, 6, {0, 0, 4, 0, 25, -1, 5, 7});
        befehl(1, 1, 7, {3, 0, 300, 3, 22, -1, 6, Ende});

        FSDaten[2].Name = "Schleife";
        befehl(2, 0, 1, {3, 12, 0, 1, 2, 11, Ende, 2});
        befehl(2, 0, 2, {0, 0, 2, 0, 23, -1, 1, 3});
        befehl(2, 0, 3, {0, 0, 5, 1, 21, -1, 2, 1});   // links back to slot 1
        befehl(2, 0, 4, {0, 0, 9, 1, 21, -1, 9, Ende});

        const TextSeiten t = fahrstrassenListe();
        QCOMPARE(t.anzahl(), 3);
        vergleichen(beschrieben(t.seite(1)), route0Seite1);
        vergleichen(beschrieben(t.seite(2)), route1Seite2);
        // The looping chain prints each of its commands once and the list goes on.
        QCOMPARE(t.seite(3)[3], QString("FS_Fahrstraße: 2"));
        vergleichen(beschrieben(t.seite(3)).mid(13),
                    {" 03 12  Weiche schalten,  Adr.= 0017 grün  ", " -- --  Benutzer def. Pause 2s",
                     " -- --  Benutzer def. Magnetartikel Adr.= 0005 grün  ", "",
                     " Liste der Fahrstraßenbefehle für 'Fahrstraße auflösen':", " X: Y:  Beschreibung:"});
    }

    void moduleProgrammingList()
    {
        const int weiche = katalogIndex(101, 54650);
        const int signal = katalogIndex(501, 54660);
        const int links = katalogIndex(502, 54710);
        const int dreiTasten = katalogIndex(601, 54690);
        TestDesk::setzen(12, 3, weiche, {0, 17, 11, 101});
        TestDesk::setzen(2, 1, signal, {6, 5, 38, 40000, 41, 1231, 43, 2, 80, 65535, 119, 9, 127, 1});
        TestDesk::setzen(5, 2, links);
        TestDesk::setzen(1, 1, dreiTasten, {0, 3});
        const TextSeiten t = modulProgrammierListe();
        QCOMPARE(t.anzahl(), 1);
        vergleichen(beschrieben(t.seite(1)),
                    {" --- Modul Programmierung --- Seite: 1 ---", "",
                     " Modul in Zeile= 01, Spalte= 02",
                     " 06 = 005",
                     " 38 = 40000 -  Signal Konfiguration",
                     " 41 = 1231 -  Fahrstr. 1: Starttaste Magnetartikeladresse und Zustand",
                     " 43 = 002 -  Fahrstr. 1: Rückmeldeadresse und Zustand für 'Fahrstr auflösen'",
                     " 80 = 65535 -  Fahrstr. 10: LocoNet Message für 'Fahrstr. auflösen'",
                     "",
                     " Modul in Zeile= 02, Spalte= 05",
                     "",
                     " Modul in Zeile= 03, Spalte= 12",
                     " 00 = 017 -  Moduladresse",
                     " 11 = 101 -  Weichenadresse 1"});
    }

    void moduleListWithoutBoardsAndOverflow()
    {
        QCOMPARE(modulProgrammierListe().anzahl(), 1);
        QCOMPARE(beschrieben(modulProgrammierListe().seite(1)), QStringList{" --- Modul Programmierung --- Seite: 1 ---"});
        // 12 boards of 4 lines each fill page 1 exactly; the 48th line opens page 2.
        const int weiche = katalogIndex(101, 54650);
        for (int x = 1; x <= 12; ++x)
            TestDesk::setzen(x, 1, weiche, {0, x, 11, 100 + x});
        const TextSeiten t = modulProgrammierListe();
        QCOMPARE(t.anzahl(), 2);
        QCOMPARE(t.seite(1)[50], QString());
        QCOMPARE(t.seite(1)[47], QString(" Modul in Zeile= 01, Spalte= 12"));
        QCOMPARE(beschrieben(t.seite(2)), QStringList{" --- Modul Programmierung --- Seite: 2 ---"});
    }

    void lncvExplanations_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << " -  Moduladresse";
        QTest::newRow("8") << 8 << " -  Gruppentaste: Rangierfahrt/Fahrstraßen auflösen";
        QTest::newRow("37") << 37 << " -  ZIVRA Empfänger Adresse";
        QTest::newRow("42") << 42 << " -  Fahrstr. 1: LocoNet Message für 'Fahrstr. festlegen'";
        QTest::newRow("77") << 77 << " -  Fahrstr. 10: Starttaste Magnetartikeladresse und Zustand";
        for (int n : {6, 9, 16, 29, 34, 36, 81, 118})
            QTest::newRow(qPrintable(QString::number(n))) << n << "";
    }
    void lncvExplanations()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(LNCV_Erkl(n), text);
    }

    void partsAndOrderList()
    {
        TestDesk::leeresPult(6, 5);
        PultDaten.PultName = "Muster";
        const int weiche = katalogIndex(101, 54650);
        const int signal = katalogIndex(501, 54660);
        const int regler = katalogIndex(901, 54730);
        TestDesk::feld(1, 1).Grundplatte = 54490;
        for (int y = 1; y <= 3; ++y)
            TestDesk::setzen(2, y, weiche);
        for (int y = 1; y <= 4; ++y)
            TestDesk::setzen(3, y, signal);
        TestDesk::setzen(4, 5, regler);
        TestDesk::feld(5, 1).Grundplatte = 54642;
        TestDesk::feld(5, 2).Grundplatte = 54642;
        TestDesk::setzen(6, 1, weiche).Grundplatte = 54644;   // the base plate counts, not the element
        vergleichen(prt_stk_list().mid(1),
                    {" Tessaro Editor ",
                     "              Projekt: Muster",
                     "",
                     "           Stückliste: ",
                     "           Bezeichnung des Einzelteils                Anzahl",
                     "",
                     "           6 Kunststoffsegment                       :  27",
                     "           4 Verbindungsplatinen                     :  2",
                     "           2 Verbindungsplatinen mit Ausleuchtung    :  1",
                     "           1 Weichenplatine                          :  3",
                     "           1 Signalplatine                           :  4",
                     "           1 Fahrregler                              :  1",
                     "           Speiseteil                                :  1",
                     "",
                     "           unverbindliche Bestellliste: ",
                     " Art.Nr.:  Artikelbezeichnung:                        Anzahl",
                     "",
                     "  54644    2 Verbindungsplatinen mit Ausleuchtung    :  1",
                     "  54660    1 Signalplatine                           :  1",
                     "  54730    1 Fahrregler                              :  1",
                     "  54430    Tessaro Basis-Set                         :  1"});
        PultDaten.PultName.clear();
        QCOMPARE(prt_stk_list()[2], QString("              Projekt: "));
        int32_t artikel = 7;
        QString text = "unverändert";
        prt_bestell(18, artikel, text);
        QCOMPARE(artikel, 7);
        QCOMPARE(text, QString("unverändert"));
    }
};

QTEST_MAIN(TestPrintLists)
#include "tst_print_lists.moc"
