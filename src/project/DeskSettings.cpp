#include "project/DeskSettings.h"

#include "config/AddressOptions.h"
#include "core/AddressGrid.h"
#include "core/BasicText.h"
#include "core/DeskReset.h"
#include "core/Desk.h"
#include "core/EditCommands.h"
#include "core/EditFrame.h"
#include "core/ModuleDefaults.h"
#include "core/Placement.h"
#include "platform/MsgBox.h"
#include "project/ProgramConfig.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteWarning.h"

#include <QStringList>
#include <cmath>

namespace {
QString zweistellig(int wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

bool schrumpft(int spalten, int zeilen)
{
    return spalten < PultdimensionenX || zeilen < PultdimensionenY;
}

bool faelltWeg(int x, int y, int spalten, int zeilen)
{
    return x > spalten || y > zeilen;
}

bool wegfallendeFelderBelegt(int spalten, int zeilen)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (faelltWeg(x, y, spalten, zeilen) && !(PultFelder[size_t(x)][size_t(y)] == LeerFeld))
                return true;
    return false;
}

bool verkleinernBestaetigt(int spalten, int zeilen)
{
    const QString text = QStringList{
        QStringLiteral("   Sie haben Abmasse des Pults geändert!  "),
        QStringLiteral("Bei Verkleinerung werden die Pultteile am "),
        QStringLiteral("rechten bzw. am unteren Pultrand gelöscht!"),
    }.join(QStringLiteral("\r\n"));
    if (MsgBox(text, Msg::OkAbbrechen | Msg::Kritisch, QStringLiteral("Achtung!!")) != Msg::Ok)
        return false;
    return !wegfallendeFelderBelegt(spalten, zeilen) || FS_Warnung_Pruefen();
}

void fahrstrassenAdressenUebernehmen(const PultEingabe& e)
{
    const float start = float(Zahl::lies(e.radr));
    AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = start;
    AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst] = float(Zahl::lies(e.radrOff)) - start;
    AdrOpt.AdrOpt_FahrstFolgenStart = int16_t(std::lround(Zahl::lies(e.fstFolSta)));
}
} // namespace

PultEingabe einstellungenEingabe()
{
    PultEingabe e;
    optionenEintragen(e, PultDaten);
    e.projektName = PultDaten.PultName;
    e.spalten = QString::number(PultdimensionenX);
    e.zeilen = QString::number(PultdimensionenY);
    e.verkehr = int(Verkehr);
    const float start = AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst];
    e.radr = QString::number(start);
    e.radrOff = QString::number(start + AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst]);
    e.fstFolSta = QString::number(AdrOpt.AdrOpt_FahrstFolgenStart);
    return e;
}

QString progDatumText(const PultDatenSatz& d)
{
    const QString jahr = QStringLiteral("%1").arg(int(d.PultProgJahr), 4, 10, QLatin1Char('0'));
    return zweistellig(d.PultProgTag / 100) + "." + zweistellig(d.PultProgTag % 100) + "." + jahr + " - "
        + zweistellig(d.PultProgZeit / 100) + "." + zweistellig(d.PultProgZeit % 100);
}

bool einstellungenUebernehmen(const PultEingabe& e)
{
    const QString fehler = eingabeFehler(e);
    if (!fehler.isEmpty()) {
        eingabeFehlerMelden(fehler);
        return false;
    }
    const int spalten = ganzZahl(e.spalten), zeilen = ganzZahl(e.zeilen);
    if (schrumpft(spalten, zeilen) && !verkleinernBestaetigt(spalten, zeilen))
        return false;
    if (!verkehrWechseln(e.verkehr))
        return false;

    optionenUebernehmen(e, PultDaten);
    fahrstrassenAdressenUebernehmen(e);
    if (spalten != PultdimensionenX || zeilen != PultdimensionenY)
        pultGroesseAendern(spalten, zeilen);
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            set_modul_optionen(x, y);
    make_54670_code();
    bearbeitungsRahmenErneuern();
    return true;
}

void pultGroesseAendern(int spalten, int zeilen)
{
    // Removed while the old size holds, so that each removal finds its field.
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (faelltWeg(x, y, spalten, zeilen))
                LoeschePultElement(x, y);
    const int alteSpalten = PultdimensionenX, alteZeilen = PultdimensionenY;
    PultdimensionenX = int16_t(spalten);
    PultdimensionenY = int16_t(zeilen);
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= zeilen; ++y)
            if (faelltWeg(x, y, alteSpalten, alteZeilen))
                PultFelder[size_t(x)][size_t(y)] = LeerFeld;
    init_flexgrid();
    Show_LNCV_in_PultAdr();
    undoVerwerfen();
    Markiert = false;
    ClipBoardFlags();
}
