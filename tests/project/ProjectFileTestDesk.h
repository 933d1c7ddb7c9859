#pragma once
#include "core/PlacementTestDesk.h"

#include "config/AddressOptions.h"
#include "core/Cp1252.h"
#include "project/ProjectFileLoad.h"
#include "routes/RouteMemoryCode.h"

#include <QDir>
#include <QMap>
#include <array>
#include <memory>

using Ordnerinhalt = QMap<QString, QByteArray>;

inline QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

inline Ordnerinhalt ordner(const QString& verz)
{
    Ordnerinhalt inhalt;
    // A link to a device is listed among the files, but has nothing to read.
    for (const QFileInfo& info : QDir(verz).entryInfoList(QDir::Files))
        if (info.isFile())
            inhalt.insert(info.fileName(), lesen(info.filePath()));
    return inhalt;
}

inline QStringList pltZeilen()
{
    return Cp1252::zeilen(lesen(PultVerz + PultDatei));
}

// The stored address groups, in file order.
inline const QStringList adrGruppen = {"MAWeichen", "RMWeichen", "Entkuppler", "Schalt", "MAAusl", "RMAusl", "Hauptsig",
                                       "Vorsig", "Rangsig", "Zwergsig", "Zieltaster", "TsperrZT", "TsperrW", "Fahrst"};

// What a failed load must leave alone.
struct Stand {
    std::unique_ptr<std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1>> felder;
    int16_t dimX, dimY, fsAnzahl;
    QString name;
    float offset;
    QString bild;
    Ordnerinhalt dateien;

    static Stand jetzt()
    {
        return {std::make_unique<std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1>>(PultFelder),
                PultdimensionenX, PultdimensionenY, FSAnzahl, PultDaten.PultName,
                AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler], MainWin().Pult[0].CellPicture(2, 2), ordner(PultVerz)};
    }
    bool gleich(const Stand& s) const
    {
        return *felder == *s.felder && dimX == s.dimX && dimY == s.dimY && fsAnzahl == s.fsAnzahl && name == s.name
            && offset == s.offset && bild == s.bild && dateien == s.dateien;
    }
};

// The placement test desk with the project file's own folder and file name,
// the folder emptied before each test.
struct ProjectFileTestDesk {
    PlacementTestDesk pult;

    using I = PlacementTestDesk::Index;
    static PultFeld& feld(int x, int y) { return PlacementTestDesk::feld(x, y); }
    static void setze(int x, int y, int16_t index) { PlacementTestDesk::setze(x, y, index); }

    // A desk with a module of every kind, a connection module and a route.
    void beispielPult()
    {
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultName = QString::fromUtf8("Wä€ß");
        setze(2, 3, I::Weiche);
        setze(4, 1, I::Signal);
        setze(5, 5, I::FSSpeicherEl);
        setze(6, 2, I::Zugnummer);
        setze(7, 7, I::DreiTasten);
        setze(9, 9, I::Fahrregler);
        setze(1, 1, I::Gleis);
        feld(2, 3).LNCV[11] = 1234;
        feld(2, 3).LNCV[12] = -1;
        feld(2, 3).AutoFlag[11] = 0;
        feld(3, 8).Grundplatte = 54490;
        feld(3, 8).Anschluss = 3;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Entkuppler] = 2.5f;
        AdrOpt.AdrOpt_AdrOff[AdrGruppe::Zieltaster] = 0.5f;
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 1017;
        FSAnzahl = 0;
        FSDaten[0].Name = QString::fromUtf8("Nord, Süd");
        FSDaten[0].Start = {4, 1, 1, 0, 0};
        FSDaten[0].Route[0][1] = {2, 3, 0, 1, 2, 11, -1, 2};
        FSDaten[0].Route[0][2] = {4, 1, 0, 1, 7, 31, 1, -1};
        make_54670_code();
        FSSpeicher[size_t(fahrstrassenSpeicherSlot(5, 5))].LNCV[2045] = 77;
    }

    void neuLaden()
    {
        PultAufgebaut = false;
        QVERIFY(Load_plt());
    }

    // A new 10 x 10 desk, the project's folder emptied, the address options of a new project.
    void vorbereiten()
    {
        pult.aufbauen();
        PultDatei = "Test.plt";
        AdrOpt = AdrOptDaten{};
        PultOptGPLocked = false;
        for (const QString& name : QDir(PultVerz).entryList(QDir::Files))
            QFile::remove(PultVerz + name);
    }
};
