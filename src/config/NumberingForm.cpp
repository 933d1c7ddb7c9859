#include "config/NumberingForm.h"

#include "config/AddressOptions.h"
#include "config/NumberingEngine.h"
#include "config/NumberingGroups.h"
#include "core/AddressGrid.h"
#include "core/BasicText.h"
#include "core/Desk.h"
#include "platform/MsgBox.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteSlots.h"

#include <QList>

namespace {
const QString dialogTitel = QStringLiteral("automatische Konfiguration von Adressen");

QString zeilenName(int i)
{
    static const char* const namen[KonfAdrBoxen] = {
        "Magnetartikeladresse für Fahrt- und Halttaste",
        "Magnetartikeladresse für Rangierfahrt- und Fahrstraßentaste",
        "Weichenadressierung",
        "Rückmeldeadressen für die Weichen",
        "Magnetartikeladressen für die Entkuppler",
        "Magnetartikeladressen für Schaltanwendungen",
        "Magnetartikeladressen für die Ausleuchtung 'gelb'",
        "Rückmeldeadressen für die Ausleuchtung 'rot'",
        "Magnetartikeladressen für die Hauptsignale",
        "Magnetartikeladressen für die Vorsignale",
        "Magnetartikeladressen für die Rangiersignale",
        "Magnetartikeladressen für die Zieltaster",
        "Mag.adr. für die Tastensperren bei Zieltasten",
        "Mag.adr. für die Tastensperren bei Weichen",
        "Magnetartikeladressen für die Zwergsignale",
    };
    return QString::fromUtf8(namen[i]);
}

// One text box: its row and whether it is the next-address box.
struct Box {
    int zeile;
    bool naechste;
};

// The boxes a button relies on: its row's next address and the range starts
// of its group and of the groups its addresses are checked against; the two
// auxiliary-key addresses for button 12; every box for "Alles Starten".
QList<Box> benutzteBoxen(int knopf)
{
    if (knopf == HilfstastenKnopf)
        return {{0, false}, {1, false}};
    const bool alle = knopf < 0;
    const int eigene = boxVonKnopf(knopf);
    const int klasse = kollisionsKlasse(gruppeVonBox(eigene));
    QList<Box> boxen;
    for (int i = 0; i < KonfAdrBoxen; ++i) {
        const int g = gruppeVonBox(i);
        if (alle || (g >= 0 && kollisionsKlasse(g) == klasse))
            boxen << Box{i, false};
        if (i >= 2 && (alle || i == eigene))
            boxen << Box{i, true};
    }
    return boxen;
}

void alleGruppen()
{
    for (int knopf = 0; knopf <= 12; ++knopf)
        AutoInc_Clr(knopf);
    AutoInc_Clr(14);
}
} // namespace

int gruppeVonBox(int i)
{
    if (i < 2 || i >= KonfAdrBoxen)
        return -1;
    return gruppeVonKnopf(i == 14 ? 14 : i - 2);
}

int boxVonKnopf(int knopf)
{
    if (knopf == HilfstastenKnopf)
        return 0;
    return knopf == 14 ? 14 : (knopf >= 0 && knopf <= 11 ? knopf + 2 : -1);
}

int konfAdrMaximum(int i)
{
    return i == 3 || i == 7 || i == 12 ? 4095 : 2047;
}

QString adressText(double adresse)
{
    return QString::number(adresse, 'g', 7);
}

double adressLesen(const QString& text)
{
    return Zahl::lies(QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
}

void Read_Form_Einstellungen(const KonfAdrEingabe& e)
{
    AdrOpt.AdrOpt_MagAdr_FaGTHaGT = int16_t(Zahl::liesGanz(e.konfAdr[0], -32768, 32767));
    AdrOpt.AdrOpt_MagAdr_SGTFHT = int16_t(Zahl::liesGanz(e.konfAdr[1], -32768, 32767));
    for (int i = 2; i < KonfAdrBoxen; ++i) {
        const size_t g = size_t(gruppeVonBox(i));
        const float start = float(adressLesen(e.konfAdr[size_t(i)]));
        const QString& naechste = e.startAdr[size_t(i)];
        const float weiter = naechste.trimmed().isEmpty() ? start : float(adressLesen(naechste));
        AdrOpt.AdrOpt_StartAdr[g] = start;
        AdrOpt.AdrOpt_AdrOff[g] = weiter - start - (istHalbadressGruppe(int(g)) ? 0.5f : 1.0f);
    }
    AdrOpt.AdrOpt_OptSigMehrbegriff = e.mehrbegriff ? 1 : 0;
    AdrOpt.AdrOpt_OptNummerierung = int16_t(e.nummerierung >= 0 && e.nummerierung <= 7 ? e.nummerierung : 0);
    AdrOpt.AdrOpt_OptErsetzen = e.ersetzen ? 1 : 0;
    make_auto_indices();
}

KonfAdrEingabe Load_Form_Einstellungen()
{
    KonfAdrEingabe e;
    e.konfAdr[0] = QString::number(AdrOpt.AdrOpt_MagAdr_FaGTHaGT);
    e.konfAdr[1] = QString::number(AdrOpt.AdrOpt_MagAdr_SGTFHT);
    for (int i = 2; i < KonfAdrBoxen; ++i) {
        const int g = gruppeVonBox(i);
        const double start = AdrOpt.AdrOpt_StartAdr[size_t(g)];
        const double weiter = start + AdrOpt.AdrOpt_AdrOff[size_t(g)] + (istHalbadressGruppe(g) ? 0.5 : 1.0);
        e.konfAdr[size_t(i)] = adressText(start);
        e.startAdr[size_t(i)] = adressText(weiter);
    }
    e.mehrbegriff = AdrOpt.AdrOpt_OptSigMehrbegriff != 0;
    const int ordnung = AdrOpt.AdrOpt_OptNummerierung;
    e.nummerierung = ordnung >= 0 && ordnung <= 7 ? ordnung : 0;
    e.ersetzen = AdrOpt.AdrOpt_OptErsetzen != 0;
    return e;
}

QString knopfPruefen(const KonfAdrEingabe& e, int knopf)
{
    for (const Box& b : benutzteBoxen(knopf)) {
        const QString& text = b.naechste ? e.startAdr[size_t(b.zeile)] : e.konfAdr[size_t(b.zeile)];
        if (adressLesen(text) > konfAdrMaximum(b.zeile))
            return QStringLiteral("Der Wert %1 bei \"%2\" ist zu groß (höchstens %3).\r\n"
                                  "Die automatische Adressierung wird nicht gestartet.")
                .arg(text.trimmed(), zeilenName(b.zeile))
                .arg(konfAdrMaximum(b.zeile));
    }
    return {};
}

bool knopfAusfuehren(const KonfAdrEingabe& e, int knopf, bool vergeben)
{
    const QString fehler = knopfPruefen(e, knopf);
    if (!fehler.isEmpty()) {
        MsgBox(fehler, Msg::NurOk | Msg::Ausruf, dialogTitel);
        return false;
    }
    Read_Form_Einstellungen(e);
    AutoAdrSetzen = vergeben;
    if (knopf < 0)
        alleGruppen();
    else
        AutoInc_Clr(knopf);
    RefreshFSin54660();
    Show_LNCV_in_PultAdr();
    make_54670_code();
    return true;
}

void AutoNumm_Setzen(int an)
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            PultFelder[size_t(x)][size_t(y)].AutoFlag.fill(uint8_t(an));
}
