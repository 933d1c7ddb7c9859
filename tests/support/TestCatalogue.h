#pragma once
#include "core/CatalogueState.h"
#include "project/ProgramConfig.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

// Loads the catalogue of a traffic side (0 right-hand, 1 left-hand, 2 both)
// from folder verz (ending with "/").
inline void katalogLaden(const QString& verz, double verkehr = 0)
{
    KonfVerz = verz;
    Verkehr = verkehr;
    QString fehler;
    QVERIFY2(neues_pult_setzen(&fehler), qPrintable(fehler));
}

// The catalogue the program is shipped with.
inline void echtenKatalogLaden(double verkehr = 0)
{
    katalogLaden(programmVerz() + QStringLiteral("Tessaro_Conf/"), verkehr);
}

// A catalogue held in memory that holds "Leer" only.
inline void leererKatalog()
{
    ElementKatalog = {};
    ElementKatalog[0].Name = QStringLiteral("Leer");
    KatalogAnzahl = 1;
    LeerIndex = 0;
    LeerFeld = PultFeld{};
    LeerFeld.AutoFlag.fill(1);
}

// Adds an entry to the catalogue held in memory.
inline KatalogEintrag& katalogAnhaengen(const QString& name, int code, int32_t artikel = 0)
{
    KatalogEintrag& e = ElementKatalog[size_t(KatalogAnzahl++)];
    e.Name = name;
    e.ElementNr = int16_t(code);
    e.ArtikelNr = artikel;
    return e;
}

// Index of the first entry of the element code; an entry "Element <code>" is
// added where there is none.
inline int16_t katalogIndex(int code, int32_t artikel = 0, int lncvAnzahl = 0)
{
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == code)
            return int16_t(i);
    katalogAnhaengen(QStringLiteral("Element %1").arg(code), code, artikel).LNCVAnzahl = int16_t(lncvAnzahl);
    return int16_t(KatalogAnzahl - 1);
}

// Writes small catalogue files and their (empty) pictures into a folder.
struct TestKatalog {
    QStringList eintraege;      // one element record per entry, items joined by ","
    QStringList grundplatten;   // one "Bild,ArtikelNr" pair per entry

    // The three tools every catalogue starts with.
    static TestKatalog mitWerkzeugen()
    {
        TestKatalog k;
        k.eintraege << "leer.bmp,Leer,0,0,0,0" << "loeschen.bmp,Löschen,-99,-99,1,0" << "auswahl.bmp,Auswahl,-1,-1,1,0";
        k.grundplatten << "gauswahl.bmp,-1" << "gloeschen.bmp,-99";
        return k;
    }

    void schreiben(const QString& verz, const QString& dateiName) const
    {
        QStringList zeilen = eintraege;
        zeilen << "###";
        zeilen << grundplatten;
        zeilen << "###";
        QFile f(verz + dateiName);
        f.open(QIODevice::WriteOnly);
        f.write(zeilen.join("\r\n").toLatin1() + "\r\n");
        for (const QString& z : eintraege + grundplatten)
            bildAnlegen(verz, z.section(',', 0, 0));
        for (const QString& z : eintraege)
            if (z.section(',', 2, 2) == "54730")
                for (int i = 0; i < 3; ++i)
                    bildAnlegen(verz, z.section(',', 6 + i, 6 + i));
    }

    // Writes the catalogue of right-hand traffic into folder verz and loads it.
    void laden(const QString& verz) const
    {
        schreiben(verz, QStringLiteral("Elemente_Rechtsverkehr.cfg"));
        katalogLaden(verz);
    }

    static void bildAnlegen(const QString& verz, const QString& name)
    {
        QFile bild(verz + name);
        bild.open(QIODevice::WriteOnly);
    }
};
