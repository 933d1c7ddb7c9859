#include "routes/RouteEditor.h"

#include "core/AddressGrid.h"
#include "core/DialogFields.h"
#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "platform/MsgBox.h"
#include "platform/Wait.h"
#include "routes/RouteChanges.h"
#include "routes/RouteCommands.h"
#include "routes/RouteEditorModel.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteSlotDialog.h"
#include "routes/RouteSlots.h"
#include "routes/RouteStepEvaluation.h"
#include "routes/RouteStepState.h"
#include "routes/WidgetName.h"
#include "routes/TurnoutStateDialog.h"
#include "routes/UserCommandDialog.h"
#include "platform/SingleWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* knopf(QWidget* eltern, const QString& text, const QString& name)
{
    auto* b = benannt(new QPushButton(text, eltern), name);
    b->setAutoDefault(false);
    return b;
}

// Waits for the answer of a sub-dialog shown after FSBestaet was set to 0;
// a closing program counts as cancel.
int antwortAbwarten()
{
    Warten::bis([] { return FSBestaet != FSAntwort::Warten; });
    return FSBestaet;
}

RouteBefehl& befehl(int r, int s, int e)
{
    return FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
}
} // namespace

Fst_Edit_Form::Fst_Edit_Form() : QDialog(hauptFensterWidget())
{
    setObjectName(QStringLiteral("Fst_Edit_Form"));
    setWindowTitle(QStringLiteral("Fahrstraßen editieren"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Fst_Combo = benannt(new QComboBox(this), QStringLiteral("Fst_Combo"));
    Fst_Combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Fst_Combo->setMinimumContentsLength(30);
    FstAnzLbl = benannt(new QLabel(this), QStringLiteral("FstAnzLbl"));
    FstAnzLbl->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    Fst_List = benannt(new QListWidget(this), QStringLiteral("Fst_List"));
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setStyleHint(QFont::Monospace);
    schrift.setFixedPitch(true);
    Fst_List->setFont(schrift);
    Fst_List->setMinimumSize(QFontMetrics(schrift).horizontalAdvance(QString(64, QLatin1Char('0'))),
                             20 * QFontMetrics(schrift).height());

    Fst_Chge = knopf(this, QStringLiteral("Ändern"), QStringLiteral("Fst_Chge"));
    Fst_Add = knopf(this, QStringLiteral("Hinzufügen"), QStringLiteral("Fst_Add"));
    Fst_Clr = knopf(this, QStringLiteral("Löschen"), QStringLiteral("Fst_Clr"));
    FS_AllgKmd = knopf(this, QStringLiteral("extra Kom."), QStringLiteral("FS_AllgKmd"));
    Fst_Versch[0] = knopf(this, QString(QChar(0x2193)), QStringLiteral("Fst_Versch(0)"));
    Fst_Versch[1] = knopf(this, QString(QChar(0x2191)), QStringLiteral("Fst_Versch(1)"));
    Fst_FSClr = knopf(this, QStringLiteral("Löschen"), QStringLiteral("Fst_FSClr"));
    FST_ClrAll = knopf(this, QStringLiteral("Alle Löschen"), QStringLiteral("FST_ClrAll"));
    OK_But = benannt(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("OK_But"));
    OK_But->setAutoDefault(false);

    connect(Fst_Combo, &QComboBox::activated, this, &Fst_Edit_Form::Fst_Combo_Click);
    connect(Fst_List, &QListWidget::currentRowChanged, this, &Fst_Edit_Form::Fst_List_Click);
    connect(Fst_Chge, &QPushButton::clicked, this, &Fst_Edit_Form::Fst_Chge_Click);
    connect(Fst_Add, &QPushButton::clicked, this, &Fst_Edit_Form::Fst_Add_Click);
    connect(Fst_Clr, &QPushButton::clicked, this, &Fst_Edit_Form::Fst_Clr_Click);
    connect(FS_AllgKmd, &QPushButton::clicked, this, &Fst_Edit_Form::FS_AllgKmd_Click);
    connect(Fst_Versch[0], &QPushButton::clicked, this, [this] { Fst_Versch_Click(0); });
    connect(Fst_Versch[1], &QPushButton::clicked, this, [this] { Fst_Versch_Click(1); });
    connect(Fst_FSClr, &QPushButton::clicked, this, &Fst_Edit_Form::Fst_FSClr_Click);
    connect(FST_ClrAll, &QPushButton::clicked, this, &Fst_Edit_Form::FST_ClrAll_Click);
    connect(OK_But, &QPushButton::clicked, this, &Fst_Edit_Form::OK_But_Click);

    auto* oben = new QHBoxLayout;
    oben->addWidget(benannt(new QLabel(QStringLiteral("Fahrstraßen:"), this), QStringLiteral("Label1")));
    oben->addWidget(Fst_Combo, 1);
    oben->addWidget(Fst_FSClr);
    oben->addWidget(FST_ClrAll);
    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(benannt(new QLabel(QStringLiteral("Fahrstraßenanzahl: "), this), QStringLiteral("Label3")));
    anzahl->addWidget(FstAnzLbl);
    anzahl->addStretch();
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* b : {Fst_Chge, Fst_Add, Fst_Clr, FS_AllgKmd})
        knoepfe->addWidget(b);
    auto* pfeile = new QHBoxLayout;
    pfeile->addWidget(Fst_Versch[0]);
    pfeile->addWidget(Fst_Versch[1]);
    knoepfe->addLayout(pfeile);
    knoepfe->addStretch();
    knoepfe->addWidget(OK_But);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(Fst_List, 1);
    mitte->addLayout(knoepfe);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(anzahl);
    layout->addWidget(benannt(new QLabel(QStringLiteral("Liste mit Befehlen der Fahrstraße:"), this), QStringLiteral("Label2")));
    layout->addLayout(mitte);
}

void Fst_Edit_Form::oeffnen()
{
    if (!FstEditAktiv)
        einrichten();
    setProperty("HelpContextID", MainWin().HelpContextID);
    show();
    raise();
    activateWindow();
}

bool Fst_Edit_Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        setProperty("HelpContextID", MainWin().HelpContextID);
    return QDialog::event(e);
}

void Fst_Edit_Form::einrichten()
{
    FSinArbeit = true;
    FstEditFS = -1;
    FstEditZeile = -1;
    load_Combo_box();
    Fst_List->clear();
    for (QPushButton* b : {Fst_Clr, Fst_Add, FS_AllgKmd, Fst_Chge, Fst_FSClr, Fst_Versch[0], Fst_Versch[1]})
        b->setEnabled(false);
    FST_ClrAll->setEnabled(FSAnzahl != -1);
    FstEditAktiv = true;
}

void Fst_Edit_Form::load_Combo_box()
{
    Fst_Combo->clear();
    Fst_Combo->addItems(fstComboEintraege());
    Fst_Combo->setCurrentIndex(-1);
    FstAnzLbl->setText(FSAnzahl != -1 ? QString::number(FSAnzahl + 1) : QString());
}

void Fst_Edit_Form::show_FS_in_listBox(int r, int s)
{
    if (r < 0 || !fahrstrasseVorhanden(r))
        return;
    Fst_Clr->setEnabled(false);
    Fst_Chge->setEnabled(false);
    // A redisplay leaves no line selected, so nothing may be moved before one is chosen.
    Fst_Versch[0]->setEnabled(false);
    Fst_Versch[1]->setEnabled(false);
    Clr_LNCV_in_PultAdr();
    const Fahrstrasse& fs = FSDaten[size_t(r)];
    SetPultAdr_mit_FSInfo(fs.Start[0], fs.Start[1], 1, QStringLiteral("Start"));
    SetPultAdr_mit_FSInfo(fs.Ziel[0], fs.Ziel[1], 1, QStringLiteral("Ziel"));
    SetPultAdr_mit_FSInfo(fs.Aufloesen[0], fs.Aufloesen[1], 1, QStringLiteral("Rückm."));
    for (int e : RouteKette(r, s)) {
        const RouteBefehl& b = fs.Route[size_t(s)][size_t(e)];
        if (b[Befehl::X] != 0 && b[Befehl::Y] != 0)
            SetPultAdr_mit_FSInfo(b[Befehl::X], b[Befehl::Y], 2, QStringLiteral("#############"));
    }
    const QSignalBlocker stumm(Fst_List);
    Fst_List->clear();
    for (const FstZeile& z : fstListenZeilen(r, s)) {
        auto* item = new QListWidgetItem(z.text, Fst_List);
        item->setData(Qt::UserRole, z.wert);
    }
    FstEditZeile = -1;
}

void Fst_Edit_Form::anzeigen()
{
    show_FS_in_listBox(FstEditFS, FstEditListe);
}

void Fst_Edit_Form::Fst_Combo_Click(int index)
{
    if (index < 0)
        return;
    FstEditFS = index / 2;
    FstEditListe = index % 2;
    Fst_Add->setEnabled(FstEditListe == 0);
    FS_AllgKmd->setEnabled(true);
    Fst_FSClr->setEnabled(true);
    anzeigen();
}

void Fst_Edit_Form::Fst_List_Click(int zeile)
{
    if (zeile < 0)
        return;
    const int wert = Fst_List->item(zeile)->data(Qt::UserRole).toInt();
    const bool befehlsZeile = zeile >= FstKopfZeilen && befehlBelegt(FstEditFS, FstEditListe, wert);
    Fst_Clr->setEnabled(befehlsZeile);
    Fst_Versch[0]->setEnabled(befehlsZeile);
    Fst_Versch[1]->setEnabled(befehlsZeile);
    Fst_Chge->setEnabled(fstZeileAenderbar(FstEditFS, FstEditListe, zeile, wert));
    FstEditZeile = zeile;
}

int Fst_Edit_Form::gewaehlterBefehl() const
{
    const int zeile = Fst_List->currentRow();
    if (zeile < FstKopfZeilen || zeile != FstEditZeile)
        return -1;
    const int e = Fst_List->item(zeile)->data(Qt::UserRole).toInt();
    return befehlBelegt(FstEditFS, FstEditListe, e) ? e : -1;
}

void Fst_Edit_Form::zeileWaehlen(int zeile)
{
    if (zeile >= 0 && zeile < Fst_List->count())
        Fst_List->setCurrentRow(zeile);
}

void Fst_Edit_Form::Fst_Chge_Click()
{
    const int zeile = FstEditZeile;
    if (zeile < 0 || zeile >= Fst_List->count())
        return;
    const int r = FstEditFS, s = FstEditListe;
    const int wert = Fst_List->item(zeile)->data(Qt::UserRole).toInt();
    hide();
    if (zeile >= FstKopfZeilen) {
        const int e = gewaehlterBefehl();
        const int art = e > 0 ? befehl(r, s, e)[Befehl::Befehlsart] : 0;
        if (art == Befehlsart::Weiche) {
            FSBestaet = FSAntwort::Warten;
            FstWChge().zeigen(Get_Route_Adr(r, s, e), befehl(r, s, e)[Befehl::Zustand]);
            if (antwortAbwarten() == FSAntwort::OK && FstWChge().zustand() >= 0)
                befehl(r, s, e)[Befehl::Zustand] = int16_t(FstWChge().zustand());
        } else if (art >= Befehlsart::NutzerMagnetartikel) {
            FSBestaet = FSAntwort::Warten;
            FstUBest().zeigen(Put_UBest_Form_Values(r, s, e));
            if (antwortAbwarten() == FSAntwort::OK)
                Get_UBest_Form_Values(r, s, e, FstUBest().eingabe());
        }
    } else {
        const int eintrag = Fst_Combo->currentIndex();
        FS_Aendern(r, wert);
        if (wert == FstZeilenWert::Name) {
            load_Combo_box();
            Fst_Combo->setCurrentIndex(eintrag);
        }
    }
    anzeigen();
    show();
}

void Fst_Edit_Form::Fst_Add_Click()
{
    if (FstEditFS < 0 || FstEditListe != 0)
        return;
    hide();
    FS_hinzuf(FstEditFS);
    anzeigen();
    show();
}

void Fst_Edit_Form::FS_AllgKmd_Click()
{
    if (FstEditFS < 0)
        return;
    hide();
    FSBestaet = FSAntwort::Warten;
    FstUBest().zeigen({});
    const int antwort = antwortAbwarten();
    show();
    if (antwort != FSAntwort::OK)
        return;
    const int e = FindNewRouteElement(FstEditFS, FstEditListe);
    if (e == -1) {
        FS_zu_lang_Meldung();
        return;
    }
    Get_UBest_Form_Values(FstEditFS, FstEditListe, e, FstUBest().eingabe());
    anzeigen();
}

void Fst_Edit_Form::Fst_Clr_Click()
{
    const int e = gewaehlterBefehl();
    if (e <= 0)
        return;
    DelRouteElement(FstEditFS, FstEditListe, e);
    anzeigen();
}

void Fst_Edit_Form::Fst_Versch_Click(int index)
{
    const int e = gewaehlterBefehl();
    if (e <= 0)
        return;
    const int zeile = Fst_List->currentRow();
    const bool hoch = index == 1;
    const bool verschoben = fstBefehlVerschieben(FstEditFS, FstEditListe, e, hoch);
    anzeigen();
    zeileWaehlen(verschoben ? zeile + (hoch ? -1 : 1) : zeile);
}

void Fst_Edit_Form::Fst_FSClr_Click()
{
    if (!fahrstrasseVorhanden(FstEditFS))
        return;
    DelFS(FstEditFS);
    Clr_LNCV_in_PultAdr();
    FstEditAktiv = false;
    einrichten();
}

void Fst_Edit_Form::FST_ClrAll_Click()
{
    hide();
    const int antwort = MsgBox(QStringLiteral("Sollen wirklich alle Fahrstraßen gelöscht werden?"),
                               Msg::OkAbbrechen | Msg::Frage, QStringLiteral("Fahrstraßen löschen"));
    show();
    if (antwort != Msg::Ok)
        return;
    fstAlleLoeschen();
    Clr_LNCV_in_PultAdr();
    FstEditAktiv = false;
    einrichten();
}

void Fst_Edit_Form::OK_But_Click()
{
    MainWin().HelpContextID = 20 + EditModus;
    hide();
    FSinArbeit = false;
    FstEditAktiv = false;
    RefreshFSin54660();
    make_54670_code();
    // The route marks leave the address grid; it shows the current view again.
    Show_LNCV_in_PultAdr();
}

void Fst_Edit_Form::closeEvent(QCloseEvent* e)
{
    if (FstEditAktiv)
        OK_But_Click();
    e->accept();
}

void Fst_Edit_Form::reject()
{
    if (FstEditAktiv)
        OK_But_Click();
}

Fst_Edit_Form& FstEdit()
{
    return einzigesFenster<Fst_Edit_Form>();
}

void routenDialogeAnmelden()
{
    setzeDialogStarter(Dialog::Fst_Edit_Form, [] { FstEdit().oeffnen(); });
    fahrstrFormAnmelden();
}
