#include "core/MenuCommands.h"

#include "config/SupplyServices.h"
#include "core/AddressGrid.h"
#include "core/DeskMouse.h"
#include "core/EditCommands.h"
#include "core/EditModes.h"
#include "core/ExitCheck.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/PartsList.h"
#include "core/Rotation.h"
#include "core/Tooltips.h"
#include "core/Version.h"
#include "platform/FlexGridView.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "routes/RouteTable.h"

#include <QApplication>

namespace {
void hilfeZurueck()
{
    MainWin().HelpContextID = 20 + EditModus;
}

void gitterVerbinden(MainWindow& f)
{
    for (int i = 0; i < 2; ++i) {
        QObject::connect(f.Elemente[i], &FlexGridView::mausGedrueckt, &f,
                         [i](int r, int c, Qt::MouseButton, Qt::KeyboardModifiers) { Elemente_Click(i, r, c); });
        QObject::connect(f.Pult[i], &FlexGridView::mausGedrueckt, &f,
                         [i](int r, int c, Qt::MouseButton b, Qt::KeyboardModifiers m) { Pult_MouseDown(i, b, m, r, c); });
        QObject::connect(f.Pult[i], &FlexGridView::mausBewegt, &f,
                         [i](int r, int c, Qt::MouseButtons b) { Pult_MouseMove(i, b, r, c); });
        QObject::connect(f.Pult[i], &FlexGridView::mausLosgelassen, &f,
                         [i](int r, int c, Qt::MouseButton b, Qt::KeyboardModifiers m) { Pult_MouseUp(i, b, m, r, c); });
    }
    QObject::connect(f.Pult[0], &FlexGridView::tasteGedrueckt, &f, &Pult_KeyUp);
    QObject::connect(f.PultAdr, &FlexGridView::mausGedrueckt, &f,
                     [](int r, int c, Qt::MouseButton b, Qt::KeyboardModifiers) { PultAdr_MouseDown(b, r, c); });
    QObject::connect(f.PultAdr, &FlexGridView::mausBewegt, &f,
                     [](int r, int c, Qt::MouseButtons) { PultAdr_MouseMove(r, c); });
}

void bearbeitenVerbinden(MainWindow& f)
{
    f.setzeBefehl(QStringLiteral("UndoMenu"), &Cntrl_Z);
    f.setzeBefehl(QStringLiteral("CopyMenu"), [] { Cntrl_C_X(0); });
    f.setzeBefehl(QStringLiteral("CutMenu"), [] { Cntrl_C_X(88); });
    f.setzeBefehl(QStringLiteral("PasteMenu"), &einfuegenNachWarnung);
    f.setzeBefehl(QStringLiteral("DelMenu"), &loeschenNachWarnung);
    f.setzeBefehl(QStringLiteral("EleDrehenMenu"), &ElementDrehen);
    f.setzeBefehl(QStringLiteral("GPLockMenu"), &GPLockMenu_Click);
    for (int i = 1; i <= 10; ++i)
        f.setzeBefehl(QStringLiteral("EditMode(%1)").arg(i), [i] { EditMode_Click(i); });
    f.setzeBefehl(QStringLiteral("ProgEndeMenu"), &ProgEndeMenu_Click);
    f.setzeBefehl(QStringLiteral("InfoMenu"), &InfoMenu_Click);
}
} // namespace

void befehleVerbinden(MainWindow& fenster)
{
    gitterVerbinden(fenster);
    bearbeitenVerbinden(fenster);
}

void EditMode_Click(int modus)
{
    if (FSinArbeit)
        return;
    if (EditModus == 2 && modus != 2)
        Check_Elek_Verb();
    EditModus = modus;
    ChangeEditMode();
    ClipBoardFlags();
}

void GPLockMenu_Click()
{
    PultOptGPLocked = !PultOptGPLocked;
    GleisPlan_Lock_Unlock();
    ClipBoardFlags();
}

void ProgEndeMenu_Click()
{
    MainWin().HelpContextID = 15;
    if (ende()) {
        QApplication::exit(0);
        return;
    }
    hilfeZurueck();
}

void InfoMenu_Click()
{
    const QString leer(69, QLatin1Char(' '));
    const QStringList zeilen = {
        QStringLiteral("Tessaro-Edit - Planungs- und Konfigurationsprogramm zum Gleisbildstellpult Tessaro      "),
        leer,
        QStringLiteral("       Version ") + ProgVersion + QStringLiteral(" vom ") + ProgDatum,
        leer,
        QStringLiteral("         Tessaro-Projekt"),
        QStringLiteral("         Planungswerkzeuge für Gleisbildstellpulte"),
        QStringLiteral("         Modellbahnclub-Ausgabe"),
        leer,
        QStringLiteral("         (max. 300 Fahrstraßen und 5 Fahrstraßenmodule) "),
    };
    MsgBox(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\r")
               + QStringLiteral("      Diese Version ist für den Links- und Rechtsverkehr vorbereitet. "),
           Msg::NurOk | Msg::Information, QStringLiteral("Info"));
}

void InfoTxt2_MouseUp(int knopf)
{
    if (EditModus != 8 || knopf != Qt::LeftButton)
        return;
    FSModulTab = int16_t((FSModulTab + 1) % 10);
    ChangeEditMode();
}
