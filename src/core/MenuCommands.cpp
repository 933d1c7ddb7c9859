#include "core/MenuCommands.h"

#include "config/SupplyServices.h"
#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/DeskMouse.h"
#include "core/EditCommands.h"
#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/ExitCheck.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/ModulePick.h"
#include "core/PartsList.h"
#include "core/Rotation.h"
#include "core/Tooltips.h"
#include "core/Version.h"
#include "loconet/ComPortForm.h"
#include "loconet/DeskActions.h"
#include "loconet/LnPort.h"
#include "loconet/ModulDialoge.h"
#include "platform/FlexGridView.h"
#include "platform/MsgBox.h"
#include "project/DiscardQuestion.h"
#include "project/NewDeskDialog.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileDialog.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "project/DeskRecord.h"
#include "routes/RouteDefinition.h"
#include "routes/RouteEditor.h"
#include "routes/RouteStepState.h"
#include "routes/RouteTable.h"

#include <QApplication>
#include <QLocale>

namespace {
void hilfeZurueck()
{
    MainWin().HelpContextID = 20 + EditModus;
}

void hilfe(int nummer)
{
    MainWin().HelpContextID = nummer;
}

// Shows a window of the program; one this version does not have is named to the user.
void fensterZeigen(Dialog d)
{
    if (dialogVorhanden(d)) {
        dialogZeigen(d);
        return;
    }
    MsgBox(QStringLiteral("Diese Funktion ist in dieser Programmversion noch nicht verfügbar."),
           Msg::NurOk | Msg::Information, QStringLiteral("Tessaro-Edit"));
    hilfeZurueck();
}

// A chosen path as folder (with its trailing "/") and file name.
std::pair<QString, QString> pfadTeilen(const QString& pfad)
{
    const qsizetype trenner = pfad.lastIndexOf(QLatin1Char('/'));
    return {pfad.left(trenner + 1), pfad.mid(trenner + 1)};
}

void modusSichern(int modus)
{
    if (EditModus != modus) {
        EditModus = modus;
        ChangeEditMode();
        ClipBoardFlags();
    }
}

void pultAktionAusfuehren(int index)
{
    switch (index) {
    case 1: Pult_Read(); break;
    case 2: Pult_Prog(); break;
    case 3: Pult_Init_Neu(); break;
    case 4: Pult_Init(); break;
    case 5: Pult_Clear(); break;
    case 6: Fahrregler_programmieren(); break;
    case 7:
        MsgBox(QStringLiteral("Bitte klicken Sie das entsprechende Kabelsymbol für\r"
                              "das Anschlussmodul an, das Sie programmiern möchten!"));
        AuswahlElement = 0;
        MainWin().Pult[1].MousePointer = FlexGrid::Pfeil;
        MainWin().Pult[1].zustandGeaendert();
        break;
    case 9: ComPortNummer_aendern(); break;
    default: break;
    }
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
    f.setzeBefehl(QStringLiteral("PasteMenu"), &Cntrl_V);
    f.setzeBefehl(QStringLiteral("DelMenu"), &loeschenNachWarnung);
    f.setzeBefehl(QStringLiteral("EleDrehenMenu"), &ElementDrehen);
    f.setzeBefehl(QStringLiteral("GPLockMenu"), &GPLockMenu_Click);
    for (int i = 1; i <= 10; ++i)
        f.setzeBefehl(QStringLiteral("EditMode(%1)").arg(i), [i] { EditMode_Click(i); });
    f.setzeBefehl(QStringLiteral("NeuesPultMenu"), &NeuesPultMenu_Click);
    f.setzeBefehl(QStringLiteral("PultLadenMenu"), &PultLadenMenu_Click);
    f.setzeBefehl(QStringLiteral("PultSpeichernMenu"), &PultSpeichernMenu_Click);
    f.setzeBefehl(QStringLiteral("PultSpeichernUnterMenu"), &PultSpeichernUnterMenu_Click);
    f.setzeBefehl(QStringLiteral("ProgEndeMenu"), &ProgEndeMenu_Click);
    f.setzeBefehl(QStringLiteral("InfoMenu"), &InfoMenu_Click);
    f.setzeBefehl(QStringLiteral("StListe"), &StListe_Click);
    f.setzeBefehl(QStringLiteral("DruckMenu"), [] {
        hilfe(14);
        fensterZeigen(Dialog::Drucken);
    });
    for (int i = 0; i <= 3; ++i)
        f.setzeBefehl(QStringLiteral("KonfMenu(%1)").arg(i), [i] { KonfMenu_Click(i); });
    for (int i : {1, 2, 3, 4, 5, 6, 7, 9})
        f.setzeBefehl(QStringLiteral("PultMenu(%1)").arg(i), [i] { PultMenu_Click(i); });
    QObject::connect(&f, &MainWindow::aktiviert, &f, [] {
        ClipBoardFlags();
        MainWin().setEnabled(QStringLiteral("EleDrehenMenu"), false);
        MainWin().melden();
    });
    QObject::connect(&f, &MainWindow::stromBerechnenGeklickt, &f, &Strom_Berechnen_Click);
    QObject::connect(&f, &MainWindow::infoZeile2Geklickt, &f, [](Qt::MouseButton b) { InfoTxt2_MouseUp(b); });
}
} // namespace

void befehleVerbinden(MainWindow& fenster)
{
    gitterVerbinden(fenster);
    bearbeitenVerbinden(fenster);
}

void NeuesPultMenu_Click()
{
    if (fsInArbeitAbweisen())
        return;
    hilfe(10);
    int fehler = 0;
    const QString pfad = aenderungenVerwerfenFragen()
        ? GetFileName(programmVerz() + QStringLiteral("."),
                      QStringLiteral("Neues Projekt: Pultfile in neuem Ordner anlegen!"), fehler, 0)
        : QString();
    const auto [verz, datei] = pfadTeilen(pfad);
    if (pfad.isEmpty() || !datei.contains(QLatin1Char('.')) || !datei.toUpper().contains(QLatin1String(".PLT"))) {
        hilfeZurueck();
        return;
    }
    // The dialog takes over the project only on its OK and restores the help context.
    neuesPultDialogZeigen(verz, datei);
}

void PultLadenMenu_Click()
{
    if (fsInArbeitAbweisen())
        return;
    hilfe(11);
    int fehler = 0;
    const QString pfad =
        aenderungenVerwerfenFragen() ? GetFileName(QString(), QStringLiteral("Pult laden"), fehler, 0) : QString();
    if (!pfad.isEmpty()) {
        const QString altVerz = PultVerz, altDatei = PultDatei;
        const bool altAufgebaut = PultAufgebaut;
        PultAufgebaut = false;
        std::tie(PultVerz, PultDatei) = pfadTeilen(pfad);
        EditModus = 1;
        ChangeEditMode();
        ClipBoardFlags();
        if (!Load_plt()) {
            // The desk in memory stays as it was, and so does its project.
            PultVerz = altVerz;
            PultDatei = altDatei;
            PultAufgebaut = altAufgebaut;
            ChangeEditMode();
        }
    }
    hilfeZurueck();
}

void PultSpeichernMenu_Click()
{
    hilfe(12);
    Save_plt();
    hilfeZurueck();
}

void PultSpeichernUnterMenu_Click()
{
    hilfe(13);
    int fehler = 0;
    const QString pfad =
        GetFileName(QString(), QStringLiteral("Speichern unter: Pultfile in neuem Ordner anlegen!"), fehler, 1);
    if (!pfad.isEmpty())
        pultSpeichernUnter(pfad);
    hilfeZurueck();
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

void StListe_Click()
{
    hilfe(35);
    fensterZeigen(Dialog::Stueckliste);
}

void KonfMenu_Click(int index)
{
    // The route editor already open is brought to the front, not refused;
    // while it is hidden for a change of its route, it stays hidden.
    const bool editorOffen = index == 3 && FstEdit().FstEditAktiv && FstEdit().isVisible();
    if (!editorOffen && fsInArbeitAbweisen())
        return;
    hilfe(41 + index);
    switch (index) {
    case 0: fensterZeigen(Dialog::KonfModulOpt_Form); break;
    case 1: fensterZeigen(Dialog::KonfAdr_Form); break;
    case 2:
        FS_new();
        hilfeZurueck();
        break;
    case 3: fensterZeigen(Dialog::Fst_Edit_Form); break;
    default: break;
    }
}

void PultMenu_Click(int index)
{
    if (FSinArbeit)
        return;
    modusSichern(index == 7 ? 2 : 1);
    PultMenuIndex = index;
    hilfe(100 + index);
    pultAktionAusfuehren(index);
    if (Comm1 && Comm1->offen())
        Comm1->schliessen();
    MarkTimer().stop();
    hilfeZurueck();
}

QString stromZeile(int anschluss, double milliAmpere)
{
    // The general number form: as many digits as needed, no thousands separator.
    QLocale ort;
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("Anschluss ") + QString::number(anschluss) + QStringLiteral(" = ")
        + ort.toString(milliAmpere, 'f', QLocale::FloatingPointShortest) + QStringLiteral(" mA");
}

void Strom_Berechnen_Click()
{
    auto_scan();
    QStringList liste;
    for (int i = 1; i <= AnschlussMax; ++i)
        if (Strom[size_t(i)] > 0)
            liste << stromZeile(i, Strom[size_t(i)]);
    MainWin().StromListe = liste;
    MainWin().melden();
}
