#include "project/DeskEntries.h"

#include "core/BasicText.h"
#include "core/CatalogueState.h"
#include "platform/MsgBox.h"
#include "project/ProgramConfig.h"

namespace {
int16_t schalter(bool an)
{
    return an ? 1 : 0;
}

QString alsText(int16_t wert)
{
    return QString::number(wert);
}

bool leer(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool groesseFehlt(const QString& text)
{
    return leer(text) || Zahl::lies(text) < 1;
}
} // namespace

void optionenEintragen(PultEingabe& e, const PultDatenSatz& d)
{
    e.modAdr = d.PultOpt_ZS_AdrOpt != 0;
    e.hellStart = d.PultOpt_HellStartOpt != 0;
    e.hellOpt = d.PultOpt_HellOpt != 0;
    e.tastenOpt = d.PultOpt_TastenOpt != 0;
    e.startReboot = d.PultOpt_StartReboot != 0;
    e.blinken = d.PultOpt_WeichenUmlaufBlinken != 0;
    e.belegt = d.PultOpt_WeichenBelegtOpt != 0;
    e.hsFolge = d.PultOpt_HS_FolgeAdr != 0;
    e.vsFolge = d.PultOpt_VS_FolgeAdr != 0;
    e.hellWert = alsText(d.PultOpt_HellWert);
    e.progZeit = alsText(d.PultOpt_TastenProgZeit);
    e.weichenDauer = alsText(d.PultOpt_WeichenEinschalt);
}

void optionenUebernehmen(const PultEingabe& e, PultDatenSatz& d)
{
    d.PultOpt_ZS_AdrOpt = schalter(e.modAdr);
    d.PultOpt_HellStartOpt = schalter(e.hellStart);
    d.PultOpt_HellWert = int16_t(ganzZahl(e.hellWert));
    d.PultOpt_HellOpt = schalter(e.hellOpt);
    d.PultOpt_TastenOpt = schalter(e.tastenOpt);
    d.PultOpt_StartReboot = schalter(e.startReboot);
    d.PultOpt_TastenProgZeit = int16_t(ganzZahl(e.progZeit));
    d.PultOpt_WeichenEinschalt = int16_t(ganzZahl(e.weichenDauer));
    d.PultOpt_WeichenUmlaufBlinken = schalter(e.blinken);
    d.PultOpt_WeichenBelegtOpt = schalter(e.belegt);
    d.PultOpt_HS_FolgeAdr = schalter(e.hsFolge);
    d.PultOpt_VS_FolgeAdr = schalter(e.vsFolge);
}

QString eingabeFehler(const PultEingabe& e)
{
    if (groesseFehlt(e.spalten) || groesseFehlt(e.zeilen))
        return QStringLiteral("Sie müssen die Pultdimensionen angeben!");
    if (Zahl::lies(e.spalten) > PultGrenze::Groesse || Zahl::lies(e.zeilen) > PultGrenze::Groesse)
        return QStringLiteral("Ein Pult hat höchstens 99 Spalten und 99 Zeilen!");
    if (leer(e.hellWert))
        return QStringLiteral("Sie müssen die Helligkeit beim Start des Pults angeben!");
    if (leer(e.progZeit))
        return QStringLiteral("Sie müssen die Dauer des Tastendrucks für den Programmiermodus angeben!");
    if (leer(e.weichenDauer))
        return QStringLiteral("Sie müssen die Weicheneinschaltdauer bei Fahrstraßen angeben!");
    return {};
}

void eingabeFehlerMelden(const QString& text)
{
    MsgBox(text, Msg::NurOk | Msg::Kritisch, QStringLiteral("Achtung!"));
}

bool verkehrWechseln(int seite)
{
    if (int(Verkehr) == seite)
        return true;
    const double bisher = Verkehr;
    Verkehr = seite;
    QString fehler;
    if (neues_pult_setzen(&fehler))
        return true;
    Verkehr = bisher;
    eingabeFehlerMelden(fehler);
    return false;
}

int ganzZahl(const QString& text)
{
    return int(Zahl::liesGanz(text, 0, 65535));
}
