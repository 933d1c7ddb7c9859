#include "core/EditModes.h"

#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/EditFrame.h"
#include "core/MainWinState.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

namespace {
const QString infoTexte[11] = {
    {},
    QStringLiteral("Gleisplan editieren"),
    QStringLiteral("elektrische Verbindungen editieren"),
    QStringLiteral("Weichenadressen anzeigen"),
    QStringLiteral("Signaladressen anzeigen"),
    QStringLiteral("Ausleuchtung: Magnetartikeladressen anzeigen"),
    QStringLiteral("Ausleuchtung: Rückmeldeadressen anzeigen"),
    QStringLiteral("Adressen der Hilfs-, Ziel-, Schaltertasten und Tastensperren anzeigen"),
    QStringLiteral("Fahrstraßenzuordnungen anzeigen"),
    QStringLiteral("ZIVRA-Empfängeradressen anzeigen"),
    QStringLiteral("Tabellenmodus"),
};

void alleGitterVerbergen(HauptFenster& w)
{
    for (const char* name : {"Pult(0)", "Pult(1)", "Elemente(0)", "Elemente(1)", "PultAdr", "StromFrame"})
        w.setVisible(QString::fromLatin1(name), false);
    w.Pult[0].MousePointer = FlexGrid::Pfeil;
    w.Pult[1].MousePointer = FlexGrid::Pfeil;
}

QString auswahlText()
{
    return QStringLiteral(" Auswahl: ") + ElementKatalog[size_t(AuswahlElement)].Name;
}
} // namespace

QString editModusInfoText(int modus)
{
    return modus >= 1 && modus <= 10 ? infoTexte[modus] : QString();
}

void ChangeEditMode()
{
    HauptFenster& w = MainWin();
    bearbeitungsRahmenErneuern();
    AuswahlElement = 0;
    for (int i = 1; i <= 10; ++i)
        w.setChecked(QStringLiteral("EditMode(%1)").arg(i), i == EditModus);
    w.setEnabled(QStringLiteral("KonfMenu(2)"), EditModus == 8 || EditModus == 9);
    w.setEnabled(QStringLiteral("KonfMenu(3)"), EditModus == 8 || EditModus == 9);
    alleGitterVerbergen(w);

    w.InfoTxt1 = editModusInfoText(EditModus);
    w.InfoTxt2.clear();
    if (EditModus >= 3 && EditModus <= 9) {
        w.setVisible(QStringLiteral("PultAdr"), true);
        Show_LNCV_in_PultAdr();
        if (EditModus == 8)
            w.InfoTxt2 = QStringLiteral("Fahrstraße: ") + QString::number(FSModulTab + 1);
    } else if (EditModus == 10) {
        w.setVisible(QStringLiteral("Pult(0)"), true);
    } else if (EditModus == 1) {
        w.setVisible(QStringLiteral("Pult(0)"), PultAufgebaut);
        w.setVisible(QStringLiteral("Elemente(0)"), true);
        w.InfoTxt2 = auswahlText();
    } else if (EditModus == 2) {
        w.setVisible(QStringLiteral("Pult(1)"), PultAufgebaut);
        w.setVisible(QStringLiteral("Elemente(1)"), true);
        w.setVisible(QStringLiteral("StromFrame"), true);
        w.InfoTxt2 = auswahlText();
    }
    w.HelpContextID = 20 + EditModus;
    w.melden();
}

void GleisPlan_Lock_Unlock()
{
    HauptFenster& w = MainWin();
    bearbeitungsRahmenErneuern();
    w.setChecked(QStringLiteral("GPLockMenu"), !PultOptGPLocked);
    w.Caption = PultOptGPLocked ? QStringLiteral("Tessaro Editor   ---   Gleisplan nicht änderbar   ---")
                                : QStringLiteral("Tessaro Editor   ---   Gleisplan änderbar   ---");
    w.setEnabled(QStringLiteral("PultHauptMenu"), PultOptGPLocked);
    w.melden();
}
