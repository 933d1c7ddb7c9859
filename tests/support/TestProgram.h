#pragma once
#include "config/AddressNumberingDialog.h"
#include "config/ElementDialogs.h"
#include "config/ModuleDialogs.h"
#include "core/EditModes.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "platform/MsgBox.h"
#include "platform/WindowFit.h"
#include "print/PartsListWindow.h"
#include "print/PrintDialog.h"
#include "project/DeskSettingsDialog.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteEditor.h"
#include "support/TestCatalogue.h"

#include <QApplication>

// The program as the user starts it: the real catalogue, the main window with
// its menus and every dialog its grids and menus open, windows fitted to the
// screen. Questions are answered "Nein".
namespace TestProgram {

inline MainWindow* hauptfensterAnlegen()
{
    setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Nein); });
    fensterEinpassenAnmelden();
    echtenKatalogLaden();
    auto* fenster = new MainWindow;
    befehleVerbinden(*fenster);
    elementDialogeAnmelden();
    moduleDialogeAnmelden();
    grundeinstellungenAnmelden();
    adressNummerierungAnmelden();
    stuecklisteAnmelden();
    druckenAnmelden();
    routenDialogeAnmelden();
    fsCodeFolgtDemPultAnmelden();
    return fenster;
}

// Switches the desk view to edit mode m.
inline void modus(int m)
{
    EditModus = m;
    ChangeEditMode();
    QApplication::processEvents();
}

} // namespace TestProgram
