#include "core/Startup.h"

#include "config/AddressOptions.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/EditModes.h"
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "core/StartForm.h"
#include "config/AddressNumberingDialog.h"
#include "config/ElementDialogs.h"
#include "config/ModuleDialogs.h"
#include "core/Version.h"
#include "loconet/LnPort.h"
#include "print/PartsListWindow.h"
#include "print/PrintDialog.h"
#include "project/DeskSettingsDialog.h"
#include "platform/MsgBox.h"
#include "platform/WindowFit.h"
#include "platform/Wait.h"
#include "project/ProgramConfig.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteEditor.h"
#include "routes/RouteTable.h"

#include <QLabel>

namespace {
StartForm* start = nullptr;

bool aufStartknopfWarten()
{
    Startflag = false;
    StartAbgebrochen = false;
    startFensterZeigen();
    Warten::bis([] { return Startflag || StartAbgebrochen; });
    start->hide();
    return Startflag;
}

void hauptfensterZeigen()
{
    auto* fenster = new MainWindow;
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    befehleVerbinden(*fenster);
    stuecklisteAnmelden();
    druckenAnmelden();
    elementDialogeAnmelden();
    grundeinstellungenAnmelden();
    moduleDialogeAnmelden();
    adressNummerierungAnmelden();
    routenDialogeAnmelden();
    fsCodeFolgtDemPultAnmelden();
    LN_starten(fenster);
    hilfeTasteAnmelden();
    fenster->show();
    HauptFenster& w = MainWin();
    for (const char* menu : {"BearbeitenMenu", "PultSpeichernMenu", "PultSpeichernUnterMenu", "DruckMenu",
                             "EditModusMenu", "KonfHauptMenu", "PultHauptMenu"})
        w.setEnabled(QString::fromLatin1(menu), false);
    w.melden();
}
} // namespace

StartForm* startFenster()
{
    return start;
}

StartForm* startFensterZeigen()
{
    if (!start)
        start = new StartForm;
    start->InfoLbl->setText(QStringLiteral("Version ") + ProgVersion + QStringLiteral(" vom ") + ProgDatum
                            + QStringLiteral("       --- Diese Version ist für den Links- und Rechtsverkehr vorbereitet. ---"));
    mittigAufBildschirm(start);
    start->show();
    return start;
}

bool programmStarten()
{
    fensterEinpassenAnmelden();
    if (!aufStartknopfWarten())
        return false;
    Load_conf();
    AnschlussLNCVNr = {0, 4, 10, 11, 12, 13, 14, 15, 3, 0, 0};
    hauptfensterZeigen();
    PultAufgebaut = false;
    EditModus = 1;
    ChangeEditMode();
    adressGruppenBenennen();
    KonfVerz = programmVerz() + QStringLiteral("Tessaro_Conf/");
    QString fehler;
    if (!neues_pult_setzen(&fehler)) {
        MsgBox(fehler + QStringLiteral("\r\n\r\nDas Programm wird beendet."), Msg::NurOk | Msg::Kritisch,
               QStringLiteral("Elementkatalog"));
        return false;
    }
    FSAnzahl = -1;
    return true;
}
