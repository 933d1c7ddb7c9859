#include "core/Catalogue.h"
#include "core/Cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>

Q_DECLARE_METATYPE(std::set<int>)

namespace {

// Element codes the program dispatches on; every catalogue file must offer them.
std::set<int> verlangteCodes()
{
    std::set<int> codes{51, 52, 301, 302, 401, 402, 403, 610, 611, 700, 710, 711, 901, 920, 930};
    for (int c = 101; c <= 110; ++c) codes.insert(c);
    for (int c = 201; c <= 203; ++c) codes.insert(c);
    for (int c = 421; c <= 424; ++c) codes.insert(c);
    for (int c = 601; c <= 605; ++c) codes.insert(c);
    for (int c = 871; c <= 877; ++c) codes.insert(c);
    for (int familie : {500, 510, 520, 530, 540, 550, 800, 810, 820, 830, 840, 850})
        for (int k = 1; k <= 4; ++k) codes.insert(familie + k);
    return codes;
}

bool traegtSignalplatine(int code)
{
    return code == 402 || code == 403 || (code >= 501 && code <= 554) || (code >= 601 && code <= 605)
        || (code >= 801 && code <= 877);
}

// The article an element of the given code must carry; 0 = a signal board of the traffic side.
int verlangterArtikel(int code)
{
    if (code == 51 || code == 52) return 54644;
    if ((code >= 101 && code <= 302) || code == 401 || (code >= 421 && code <= 424) || code == 610 || code == 611)
        return 54650;
    if (traegtSignalplatine(code)) return 0;
    static const std::map<int, int> module{{700, 54690}, {710, 54700}, {711, 54700}, {901, 54730}, {920, 54680}, {930, 54670}};
    const auto m = module.find(code);
    return m != module.end() ? m->second : -1;
}

QString konfVerz() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Tessaro_Conf/"); }

void pruefeBild(const QString& name, const QString& wofuer)
{
    const QStringList vorhanden = QDir(konfVerz()).entryList({name}, QDir::Files);
    QVERIFY2(vorhanden.contains(name), qPrintable(wofuer + ": Bild fehlt: " + name));
    const QImage bild(konfVerz() + name);
    QVERIFY2(!bild.isNull(), qPrintable(name));
    QCOMPARE(bild.size(), QSize(84, 54));
}

// --- small catalogues for the reader's edge cases ---

QString element(const QString& name, int artikel, int code, int palette = 0, int dreh = 0, const QString& mehr = {})
{
    return QStringLiteral("\"b.bmp\",\"%1\",%2,%3,%4,%5").arg(name).arg(artikel).arg(code).arg(palette).arg(dreh)
        + (mehr.isEmpty() ? QString() : QStringLiteral(",") + mehr);
}

const QStringList platten{QStringLiteral("###"), QStringLiteral("\"b.bmp\",-1"), QStringLiteral("###")};

// "Leer" followed by further elements E1, E2, ... with codes 1, 2, ...
QStringList elemente(int weitere)
{
    QStringList z{element(QStringLiteral("Leer"), 0, 0)};
    for (int i = 1; i <= weitere; ++i)
        z << element(QStringLiteral("E%1").arg(i), 54642, i);
    return z;
}

struct Ergebnis {
    bool ok = false;
    KatalogDatei datei;
    QString fehler;
    QString pfad;
};

Ergebnis lies(const QTemporaryDir& ordner, const QStringList& zeilen,
              const QStringList& bilder = {QStringLiteral("b.bmp")})
{
    Ergebnis e;
    e.pfad = ordner.filePath(QStringLiteral("Test.cfg"));
    QFile datei(e.pfad);
    if (!datei.open(QIODevice::WriteOnly))
        qFatal("cannot write test catalogue");
    datei.write(Cp1252::datei(zeilen));
    datei.close();
    for (const QString& b : bilder) {
        QFile bild(ordner.filePath(b));
        if (!bild.open(QIODevice::WriteOnly))
            qFatal("cannot write picture");
    }
    e.ok = liesKatalogDatei(e.pfad, e.datei, e.fehler);
    return e;
}

} // namespace

class TstKatalog : public QObject {
    Q_OBJECT
    QTemporaryDir ordner_;

private slots:
    void versandterKatalog_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<std::set<int>>("signalplatinen");
        QTest::newRow("rechts") << katalogDateiName(0) << std::set<int>{54660};
        QTest::newRow("links") << katalogDateiName(1) << std::set<int>{54710};
        QTest::newRow("beides") << katalogDateiName(2) << std::set<int>{54660, 54710};
    }

    // Limits, tools, codes, articles, rotation families and pictures of a shipped catalogue.
    void versandterKatalog()
    {
        QFETCH(QString, datei);
        QFETCH(std::set<int>, signalplatinen);
        KatalogDatei k;
        QString fehler;
        QVERIFY2(liesKatalogDatei(konfVerz() + datei, k, fehler), qPrintable(fehler));
        const auto& e = k.eintraege;
        QVERIFY(e.size() <= size_t(KatalogMaxEintraege));
        QVERIFY(k.grundplatten.size() <= size_t(GrundplattenMax));
        QCOMPARE(e[0].Name, QStringLiteral("Leer"));
        QCOMPARE((QList<int>{e[0].ElementNr, e[0].ArtikelNr, e[0].InPalette, e[1].ElementNr, e[2].ElementNr}),
                 (QList<int>{0, 0, 0, -99, -1}));

        std::map<int, const KatalogEintrag*> nachCode;
        std::set<int> benutztePlatinen;
        int palette = 0;
        for (const KatalogEintrag& x : e) {
            QVERIFY2(nachCode.emplace(x.ElementNr, &x).second, qPrintable(QStringLiteral("Code doppelt: %1").arg(x.ElementNr)));
            palette += x.InPalette;
            const int soll = verlangterArtikel(x.ElementNr);
            if (soll == 0)
                benutztePlatinen.insert(x.ArtikelNr);
            else if (soll > 0)
                QCOMPARE(x.ArtikelNr, soll);
            else if (x.ElementNr > 0)
                QVERIFY2(x.ElementNr < 100 && (x.ArtikelNr == 54642 || x.ArtikelNr == 54644), qPrintable(x.Name));
        }
        QVERIFY(palette <= PaletteMaxEintraege);
        QCOMPARE(benutztePlatinen, signalplatinen);
        for (int code : verlangteCodes())
            QVERIFY2(nachCode.count(code), qPrintable(QStringLiteral("Code fehlt: %1").arg(code)));
        QCOMPARE(nachCode.at(901)->Hoehe, 3);

        // Every rotated variant joins an entry of the palette; no family is too long.
        std::map<int, int> familie;
        for (const KatalogEintrag& x : e) {
            if (x.DrehBasis != 0) {
                QVERIFY2(nachCode.count(x.DrehBasis), qPrintable(x.Name));
                QCOMPARE(nachCode.at(x.DrehBasis)->InPalette, 1);
                ++familie[x.DrehBasis];
            }
            if (x.InPalette == 0 && x.ElementNr != 0)
                QVERIFY2(x.DrehBasis != 0, qPrintable(x.Name + " ist weder in der Palette noch in einer Drehfolge"));
        }
        for (const auto& [basis, anzahl] : familie)
            QVERIFY(anzahl <= DrehFolgeMax);

        QCOMPARE((std::pair{k.grundplatten[0].ArtikelNr, k.grundplatten[1].ArtikelNr}), (std::pair{-1, -99}));
        std::set<int> platten;
        for (const GrundplattenEintrag& g : k.grundplatten)
            platten.insert(g.ArtikelNr);
        for (int a : {54430, 54480, 54490, 54640, 54642, 54644, 54730, 54731, 54732})
            QVERIFY2(platten.count(a), qPrintable(QStringLiteral("Grundplatte fehlt: %1").arg(a)));

        QFile roh(konfVerz() + datei);
        QVERIFY(roh.open(QIODevice::ReadOnly));
        const QByteArray bytes = roh.readAll();
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));

        // Every picture it names, and the highlighted picture of every module.
        for (const KatalogEintrag& x : e) {
            pruefeBild(x.Bild, x.Name);
            for (int t = 0; x.Hoehe > 1 && t < x.Hoehe; ++t)
                pruefeBild(x.Namen[t], x.Name);
            if (istLncvModul(x.ArtikelNr)) {
                QCOMPARE(x.Bild.count(QLatin1Char('.')), 1);
                pruefeBild(hervorgehobenesBild(x.Bild), x.Name);
            }
        }
        for (const GrundplattenEintrag& g : k.grundplatten)
            pruefeBild(g.Bild, QStringLiteral("Grundplatte %1").arg(g.ArtikelNr));
    }

    void weissesBild()
    {
        pruefeBild(QStringLiteral("weiss.bmp"), QStringLiteral("Druck"));
        const QImage bild(konfVerz() + QStringLiteral("weiss.bmp"));
        QCOMPARE(bild.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(bild.pixelColor(83, 53), QColor(Qt::white));
    }

    // One file at every limit: 130 entries, 48 in the palette, 20 in one
    // rotation, 16 base plates of which 9 in the base-plate palette.
    void alleGrenzenErreicht()
    {
        QStringList z = elemente(0);
        for (int i = 1; i <= 48; ++i)
            z << element(QStringLiteral("E%1").arg(i), 54642, i, 1);
        for (int i = 1; i <= 20; ++i)
            z << element(QStringLiteral("D%1").arg(i), 54642, 100 + i, 0, 1);
        for (int i = 1; i <= 61; ++i)
            z << element(QStringLiteral("F%1").arg(i), 54642, 200 + i);
        z << QStringLiteral("###");
        for (int j = 1; j <= 16; ++j)
            z << QStringLiteral("b.bmp, %1").arg(j <= 9 ? 54642 : 54000 + j);
        const Ergebnis r = lies(ordner_, z << QStringLiteral("###"));
        QVERIFY2(r.ok, qPrintable(r.fehler));
        QCOMPARE(r.datei.eintraege.size(), size_t(130));
        QCOMPARE(r.datei.eintraege.back().Name, QStringLiteral("F61"));
        QCOMPARE(r.datei.eintraege.back().Breite + r.datei.eintraege.back().Hoehe, 2);
        QCOMPARE(r.datei.grundplatten.size(), size_t(16));
        QCOMPARE(r.datei.grundplatten.back().ArtikelNr, 54016);
    }

    void fahrreglerVerbrauchtDreiAngaben()
    {
        QStringList z = elemente(0);
        z << QStringLiteral("\"f.bmp\",\"Fahrregler\",54730,901,1,0,")
          << QStringLiteral("\"u.bmp\",\"m.bmp\",\"o.bmp\"") << element(QStringLiteral("danach"), 54642, 1);
        const Ergebnis r = lies(ordner_, z + platten, {"b.bmp", "f.bmp", "u.bmp", "m.bmp", "o.bmp"});
        QVERIFY2(r.ok, qPrintable(r.fehler));
        const KatalogEintrag& f = r.datei.eintraege[1];
        QCOMPARE((QList<int>{f.Hoehe, f.Breite, f.LNCVAnzahl}), (QList<int>{3, 1, 0}));
        QCOMPARE(f.Namen[0], QStringLiteral("u.bmp"));
        QCOMPARE(f.Namen[2], QStringLiteral("o.bmp"));
        QCOMPARE(r.datei.eintraege[2].Name, QStringLiteral("danach"));
    }

    void zusatzwertNachArtikel_data()
    {
        QTest::addColumn<int>("artikel");
        QTest::addColumn<bool>("mitZusatz");
        QTest::addColumn<int>("lncvAnzahl");
        QTest::newRow("Weichenplatine") << 54650 << true << 128;
        QTest::newRow("Signalplatine") << 54660 << true << 128;
        QTest::newRow("Signalplatine links") << 54710 << true << 128;
        QTest::newRow("Fahrstraßenspeicher") << 54670 << false << 2048;
        QTest::newRow("Zugnummernanzeige") << 54680 << false << 128;
        QTest::newRow("Verbinder") << 54642 << false << 0;
    }

    void zusatzwertNachArtikel()
    {
        QFETCH(int, artikel);
        QFETCH(bool, mitZusatz);
        QFETCH(int, lncvAnzahl);
        const QStringList z = elemente(0) << element(QStringLiteral("M"), artikel, 101, 1, 0, mitZusatz ? "-70000" : "")
                                          << element(QStringLiteral("danach"), 54642, 1);
        const Ergebnis r = lies(ordner_, z + platten);
        QVERIFY2(r.ok, qPrintable(r.fehler));
        QCOMPARE(r.datei.eintraege[1].ZusatzWert, mitZusatz ? -70000 : 0);
        QCOMPARE(r.datei.eintraege[1].LNCVAnzahl, lncvAnzahl);
        QCOMPARE(r.datei.eintraege[2].Name, QStringLiteral("danach"));
    }

    // Quotes keep commas and blanks; line ends and commas separate items alike.
    void angabenInAnfuehrungszeichen()
    {
        const QStringList z{QStringLiteral("\"b.bmp\", \"Leer\" ,0,0,0,0,\"b.bmp\""),
                            QStringLiteral("\"Weiche, links \""),
                            QStringLiteral(" 54650 , 101"), QStringLiteral("1,0,3"),
                            QStringLiteral("b.bmp,Löschen,0,-99,1,0"), QStringLiteral("\"###\""),
                            QString(), QStringLiteral("\"b.bmp\",-1"), QStringLiteral("###")};
        const Ergebnis r = lies(ordner_, z);
        QVERIFY2(r.ok, qPrintable(r.fehler));
        QCOMPARE(r.datei.eintraege.size(), size_t(3));
        QCOMPARE(r.datei.eintraege[1].Name, QStringLiteral("Weiche, links "));
        QCOMPARE(r.datei.eintraege[1].ElementNr, 101);
        QCOMPARE(r.datei.eintraege[1].ZusatzWert, 3);
        QCOMPARE(r.datei.eintraege[2].Name, QStringLiteral("Löschen"));
        QCOMPARE(r.datei.grundplatten.size(), size_t(1));
    }

    void fehlerhafteDateien_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("meldung");
        QStringList palette = elemente(0), platten17 = elemente(0) << "###";
        QStringList drehung = elemente(0) << element(QStringLiteral("E1"), 54642, 1, 1);
        for (int i = 1; i <= 49; ++i)
            palette << element(QStringLiteral("E%1").arg(i), 54642, i, 1);
        for (int i = 1; i <= 21; ++i)
            drehung << element(QStringLiteral("D%1").arg(i), 54642, 100 + i, 0, 1);
        for (int j = 1; j <= 17; ++j)
            platten17 << QStringLiteral("b.bmp, %1").arg(54000 + j);
        QTest::newRow("131 Einträge") << (elemente(130) + platten)
                                      << QStringLiteral("Element-Eintrag 131 (Zeile 131, \"E130\")");
        QTest::newRow("49 in der Palette") << (palette + platten)
                                           << QStringLiteral("Element-Eintrag 50 (\"E49\"): mehr als 48");
        QTest::newRow("21 in der Drehfolge") << (drehung + platten)
                                             << QStringLiteral("Element-Eintrag 2 (\"E1\"): mehr als 20");
        QTest::newRow("17 Grundplatten") << (platten17 << "###") << QStringLiteral("Grundplatte 17");
        QStringList palette10 = elemente(0) << "###";
        for (int j = 1; j <= 10; ++j)
            palette10 << QStringLiteral("b.bmp, %1").arg(j % 2 ? 54642 : 54640);
        QTest::newRow("10 in der Grundplatten-Palette")
            << (palette10 << "b.bmp,54644" << "###")
            << QStringLiteral("Grundplatte 10 (Zeile 12, \"b.bmp\"): Mehr als 9 Grundplatten passen nicht in die "
                              "Grundplatten-Palette");
        const QString nul = QStringLiteral("b.bmp,Weiche,54650,101") + QChar(0) + QStringLiteral("7,1,0,0");
        QTest::newRow("NUL in der Zahl") << (elemente(0) << nul << platten)
                                         << QStringLiteral("Die Angabe \"ElementNr\" ist keine Zahl");
        QTest::newRow("Pluszeichen") << (elemente(0) << QStringLiteral("b.bmp,Weiche,+54650,101,1,0,0") << platten)
                                     << QStringLiteral("Die Angabe \"ArtikelNr\" ist keine Zahl: \"+54650\"");
        QTest::newRow("ohne ###") << elemente(2) << QStringLiteral("Das Ende der Elementliste \"###\" fehlt");
        QTest::newRow("ohne zweites ###") << (elemente(1) << "###" << "b.bmp,-1")
                                          << QStringLiteral("Das Ende der Grundplattenliste \"###\" fehlt");
        QTest::newRow("abgebrochen") << (elemente(1) << QStringLiteral("\"b.bmp\",\"Weiche\",54650,101,1"))
                                     << QStringLiteral("Element-Eintrag 3 (Zeile 3, \"Weiche\"): Der Eintrag ist "
                                                       "unvollständig, die Datei endet vor der Angabe \"DrehBasis\"");
        QTest::newRow("ohne Zusatzwert") << (elemente(1) << QStringLiteral("\"b.bmp\",\"Signal\",54660,501,1,0"))
                                         << QStringLiteral("\"Signal\"): Der Eintrag ist unvollständig, die Datei endet "
                                                           "vor der Angabe \"ZusatzWert\"");
        QTest::newRow("keine Zahl") << (elemente(0) << QStringLiteral("b.bmp,Weiche,54650,1o1,1,0,0") << platten)
                                    << QStringLiteral("Element-Eintrag 2 (Zeile 2, \"Weiche\"): Die Angabe \"ElementNr\" "
                                                      "ist keine Zahl: \"1o1\"");
        QTest::newRow("Zahl zu groß") << (elemente(0) << QStringLiteral("b.bmp,Weiche,54650,40000,1,0,0") << platten)
                                      << QStringLiteral("\"ElementNr\" liegt nicht zwischen -32768 und 32767");
        // Every comma ends an empty item: the second entry has no article number.
        QTest::newRow("eine Million Kommas") << (elemente(0) << QString(1'000'000, QLatin1Char(',')) << platten)
                                             << QStringLiteral("Element-Eintrag 2 (Zeile 2, \"\"): Die Angabe "
                                                               "\"ArtikelNr\" ist keine Zahl: \"\".");
        QTest::newRow("Anführungszeichen offen") << (elemente(0) << QStringLiteral("\"b.bmp,Weiche,54650,101,1,0,0") << platten)
                                                 << QStringLiteral("Zeile 2: ein Anführungszeichen");
        QTest::newRow("ohne Leer") << (QStringList{element(QStringLiteral("Nichts"), 0, 0)} + platten)
                                   << QStringLiteral("keinen Element-Eintrag mit dem Namen \"Leer\"");
        QTest::newRow("Bild fehlt") << (elemente(0) << QStringLiteral("w.bmp,Weiche,54650,101,1,0,0") << platten)
                                    << QStringLiteral("Element-Eintrag 2 (\"Weiche\"): das Bild \"w.bmp\" fehlt");
        QTest::newRow("Fahrreglerteil fehlt")
            << (elemente(0) << QStringLiteral("b.bmp,Fahrregler,54730,901,1,0,b.bmp,b.bmp,oben.bmp") << platten)
            << QStringLiteral("Element-Eintrag 2 (\"Fahrregler\"): das Bild \"oben.bmp\" fehlt");
        QTest::newRow("Grundplattenbild fehlt") << (elemente(0) << "###" << "b.bmp,-1" << "gp.bmp,54642" << "###")
                                                << QStringLiteral("Grundplatte 2 (Artikel 54642): das Bild \"gp.bmp\" fehlt");
    }

    void fehlerhafteDateien()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, meldung);
        QTemporaryDir eigener; // pictures of other rows must not be found
        const Ergebnis r = lies(eigener, zeilen);
        QVERIFY(!r.ok);
        QVERIFY2(r.fehler.startsWith(QStringLiteral("Fehler in der Katalogdatei \"%1\"").arg(r.pfad)), qPrintable(r.fehler));
        QVERIFY2(r.fehler.contains(meldung), qPrintable(r.fehler));
    }

    void fehlendeDatei()
    {
        const QString pfad = ordner_.filePath(QStringLiteral("Elemente_Nirgends.cfg"));
        KatalogDatei k;
        QString fehler;
        QVERIFY(!liesKatalogDatei(pfad, k, fehler));
        QCOMPARE(fehler, QStringLiteral("Die Katalogdatei \"%1\" fehlt.").arg(pfad));
    }

    void dateinamen()
    {
        QCOMPARE(katalogDateiName(0), QStringLiteral("Elemente_Rechtsverkehr.cfg"));
        QCOMPARE(katalogDateiName(1), QStringLiteral("Elemente_Linksverkehr.cfg"));
        QCOMPARE(katalogDateiName(2), QStringLiteral("Elemente_Beides.cfg"));
        QCOMPARE(hervorgehobenesBild(QStringLiteral("Signal_501_R.bmp")), QStringLiteral("Signal_501_R_ausw.bmp"));
        QCOMPARE(hervorgehobenesBild(QStringLiteral("a.b.bmp")), QStringLiteral("a_ausw.bmp"));
    }
};

QTEST_GUILESS_MAIN(TstKatalog)
#include "tst_catalogue.moc"
