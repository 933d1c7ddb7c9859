#include "project/NewDesk.h"

#include "config/AddressOptions.h"
#include "core/BasicText.h"
#include "core/DeskReset.h"
#include "core/Desk.h"
#include "core/EditCommands.h"
#include "core/EditModes.h"
#include "project/PendingLncvDeletions.h"
#include "project/ProjectFileState.h"

#include <QStringList>
#include <cmath>

namespace {
QString neuesPultFehler(const PultEingabe& e)
{
    const QString fehler = eingabeFehler(e);
    if (!fehler.isEmpty())
        return fehler;
    if (e.projektName.isEmpty())
        return QStringLiteral("Sie müssen einen Projektnamen vergeben (max. 8 Zeichen)!");
    if (Zahl::lies(e.radr) == 0)
        return QStringList{
            QStringLiteral("Im Fahrstraßenspeicher werden alle Schaltfolgen der Fahrstraßen abgespeichert."),
            QStringLiteral("Jede Fahrstraße wird über eine Rückmeldung aktiviert. Mit welcher Adresse soll"),
            QStringLiteral("die erste Fahrstraße aufgerufen werden? Alle anderen Fahrstraßen erhalten dann"),
            QStringLiteral("Folgeadressen."),
        }.join(QStringLiteral("\r\n"));
    return {};
}
} // namespace

NeuesPultVorgabe neuesPultVorgabe(const QString& verz, const QString& datei)
{
    NeuesPultVorgabe v;
    v.verz = verz;
    v.datei = datei;
    v.spalten = PultdimensionenX;
    v.zeilen = PultdimensionenY;
    v.daten = neuesPultDaten(PultDaten);
    return v;
}

PultDatenSatz neuesPultDaten(const PultDatenSatz& bisher)
{
    PultDatenSatz d = bisher;
    d.PultOpt_ZS_AdrOpt = 1;
    d.PultOpt_HellStartOpt = 1;
    d.PultOpt_HellWert = 10;
    d.PultOpt_HellOpt = 1;
    d.PultOpt_TastenOpt = 1;
    d.PultOpt_StartReboot = 0;
    d.PultOpt_StartUpOpt = 1;
    d.PultOpt_StartUpWert = 12;
    d.PultOpt_WeichenEinschalt = 25;
    d.PultOpt_TastenProgZeit = 22;
    d.PultOpt_HS_FolgeAdr = 1;
    d.PultOpt_VS_FolgeAdr = 1;
    d.PultProgJahr = d.PultProgTag = d.PultProgZeit = 0;
    d.PultInit = 0;
    return d;
}

// A new desk numbers nothing until the user gives a group its range start.
void neueAdressOptionen(AdrOptDaten& a, float fahrstrStart, int16_t folgenStart)
{
    a.AdrOpt_MagAdr_FaGTHaGT = 0;
    a.AdrOpt_MagAdr_SGTFHT = 0;
    for (int g : AdrGruppe::Benutzt) {
        a.AdrOpt_StartAdr[size_t(g)] = 0;
        a.AdrOpt_AdrOff[size_t(g)] = 0;
    }
    a.AdrOpt_StartAdr[AdrGruppe::Fahrst] = fahrstrStart;
    a.AdrOpt_FahrstFolgenStart = folgenStart;
    a.AdrOpt_OptSigMehrbegriff = 0;
    a.AdrOpt_OptNummerierung = 0;
    a.AdrOpt_OptErsetzen = 0;
}

PultEingabe neuesPultEingabe(const NeuesPultVorgabe& v, const PultEingabe& bisher)
{
    PultEingabe e;
    optionenEintragen(e, v.daten);
    e.blinken = bisher.blinken;
    e.belegt = bisher.belegt;
    e.hsFolge = bisher.hsFolge;
    e.vsFolge = bisher.vsFolge;
    e.spalten = QString::number(v.spalten);
    e.zeilen = QString::number(v.zeilen);
    e.verkehr = 0;
    e.radr = e.fstFolSta = QStringLiteral("0");
    return e;
}

bool neuesPultAnlegen(const NeuesPultVorgabe& v, const PultEingabe& e)
{
    const QString fehler = neuesPultFehler(e);
    if (!fehler.isEmpty()) {
        eingabeFehlerMelden(fehler);
        return false;
    }
    if (!verkehrWechseln(e.verkehr))
        return false;

    PultVerz = v.verz;
    PultDatei = v.datei;
    PultDaten = v.daten;
    PultDaten.PultName = e.projektName.left(8);
    optionenUebernehmen(e, PultDaten);
    PultdimensionenX = int16_t(ganzZahl(e.spalten));
    PultdimensionenY = int16_t(ganzZahl(e.zeilen));
    neueAdressOptionen(AdrOpt, float(Zahl::lies(e.radr)), int16_t(std::lround(Zahl::lies(e.fstFolSta))));

    // The files marked for deletion belong to the project given up.
    vormerkungenVerwerfen();
    Markiert = false;
    pult_leeren();
    PultOptGPLocked = false;
    GleisPlan_Lock_Unlock();
    EditModus = 1;
    ChangeEditMode();
    ClipBoardFlags();
    // The empty desk has nothing to lose until it is edited.
    projektAlsGespeichertMerken();
    return true;
}
