#pragma once
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

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

    static void bildAnlegen(const QString& verz, const QString& name)
    {
        QFile bild(verz + name);
        bild.open(QIODevice::WriteOnly);
    }
};
