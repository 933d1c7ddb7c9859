#include "project/DeskDialogBase.h"

#include "core/Cp1252Validator.h"
#include "core/DialogFields.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "platform/WindowFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char* const laengeEigenschaft = "grundLaenge";

QGroupBox* gruppe(QWidget* eltern, const QString& titel, QLayout* inhalt)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setLayout(inhalt);
    return g;
}

// Sets a box's text whole: a value longer than the box's usual length (read
// from a file) is shown as it is, not cut, so the range check can flag it.
void textSetzen(QLineEdit* box, const QString& text)
{
    box->setMaxLength(std::max(box->property(laengeEigenschaft).toInt(), int(text.size())));
    box->setText(text);
}
} // namespace

PultDialog::PultDialog(Art art, const QString& titel, const QString& tag)
    : titel(titel)
{
    setWindowTitle(titel);
    setProperty("Tag", tag);
    auto* haupt = new QVBoxLayout(rollbarerInhalt(this));
    auto* kopf = new QGridLayout;
    kopfAnlegen(kopf, art);
    haupt->addLayout(kopf);
    haupt->addWidget(allgemeinAnlegen(art));
    haupt->addWidget(moduleAnlegen());
    haupt->addWidget(fahrstrassenAnlegen(art));

    auto* knoepfe = new QHBoxLayout;
    OK_But = new QPushButton(QStringLiteral("OK"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    Abbruch_Cmd = new QPushButton(QStringLiteral("abbrechen"), this);
    Abbruch_Cmd->setObjectName(QStringLiteral("Abbruch_Cmd"));
    knoepfe->addStretch();
    knoepfe->addWidget(OK_But);
    knoepfe->addWidget(Abbruch_Cmd);
    static_cast<QBoxLayout*>(layout())->addLayout(knoepfe);
    connect(OK_But, &QPushButton::clicked, this, &PultDialog::ok);
    connect(Abbruch_Cmd, &QPushButton::clicked, this, &PultDialog::abbrechen);
}

void PultDialog::kopfAnlegen(QGridLayout* raster, Art art)
{
    raster->addWidget(new QLabel(QStringLiteral("Pfadname für die Pultdaten:"), this), 0, 0);
    PultPfad_Lbl = new QLabel(this);
    PultPfad_Lbl->setObjectName(QStringLiteral("PultPfad_Lbl"));
    raster->addWidget(PultPfad_Lbl, 0, 1);
    if (art == Art::Einstellungen) {
        raster->addWidget(new QLabel(QStringLiteral("letzte Programmierung des Pults:"), this), 1, 0);
        ProgDatum_Lbl = new QLabel(this);
        ProgDatum_Lbl->setObjectName(QStringLiteral("ProgDatum_Lbl"));
        raster->addWidget(ProgDatum_Lbl, 1, 1);
    }
    raster->setColumnStretch(1, 1);
}

QWidget* PultDialog::allgemeinAnlegen(Art art)
{
    auto* raster = new QGridLayout;
    const bool neu = art == Art::NeuesPult;
    raster->addWidget(new QLabel(neu ? QStringLiteral("Name für das Pultprojekt (max. 8 Zeichen)")
                                     : QStringLiteral("Name für das Pultprojekt (max. 8 Zeichen):"),
                                 this),
                      0, 0);
    ProjektNameTxt = new QLineEdit(this);
    ProjektNameTxt->setObjectName(QStringLiteral("ProjektNameTxt"));
    ProjektNameTxt->setProperty(laengeEigenschaft, 8);
    ProjektNameTxt->setMaxLength(8);
    ProjektNameTxt->setValidator(new Cp1252Validator(ProjektNameTxt));
    ProjektNameTxt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The name is part of the identity stamp of every programmed module.
    ProjektNameTxt->setReadOnly(!neu);
    raster->addWidget(ProjektNameTxt, 0, 1);
    if (neu)
        raster->addWidget(new QLabel(QStringLiteral("(Wird als Kennung in jedem Modul gespeicher und kann später "
                                                    "nicht mehr geändert werden.)"),
                                     this),
                          1, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Anzahl der Spalten:"), this), 2, 0);
    AnzCol_Txt = zahlFeld("AnzCol_Txt", 3, PultGrenze::Groesse);
    raster->addWidget(AnzCol_Txt, 2, 1);
    raster->addWidget(new QLabel(QStringLiteral("Anzahl der Zeilen:"), this), 3, 0);
    AnzRow_Txt = zahlFeld("AnzRow_Txt", 3, PultGrenze::Groesse);
    raster->addWidget(AnzRow_Txt, 3, 1);

    auto* seiten = new QHBoxLayout;
    auto* knopfGruppe = new QButtonGroup(this);
    const QString namen[3] = {QStringLiteral("Rechtsverkehr"), QStringLiteral("Linksverkehr"),
                              QStringLiteral("beides")};
    for (int i = 0; i < 3; ++i) {
        VerkehrOpt[i] = new QRadioButton(namen[i], this);
        VerkehrOpt[i]->setObjectName(QStringLiteral("VerkehrOpt(%1)").arg(i));
        knopfGruppe->addButton(VerkehrOpt[i], i);
        seiten->addWidget(VerkehrOpt[i]);
    }
    raster->addWidget(gruppe(this, QStringLiteral("Verkehr auf der Schiene:"), seiten), 4, 0, 1, 2);
    return gruppe(this, QStringLiteral("allgemeine Daten des Pults:"), raster);
}

QWidget* PultDialog::moduleAnlegen()
{
    auto* raster = new QGridLayout;
    ModAdr_Chk = kasten("ModAdr_Chk", QStringLiteral("Moduladressierung gemäß Spalte und Zeile der Position im Pult"));
    raster->addWidget(ModAdr_Chk, 0, 0, 1, 2);
    Hell_Chk = kasten("Hell_Chk", QStringLiteral("Startwert für die Helligkeit bei allen Modulen gleich einstellen:"));
    raster->addWidget(Hell_Chk, 1, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Helligkeit beim Start des Pults:"), this), 2, 0);
    Hell_Txt = zahlFeld("Hell_Txt", 2, PultGrenze::Helligkeit);
    raster->addWidget(Hell_Txt, 2, 1);
    ModKonfBit_Ckh[0] = kasten("ModKonfBit_Ckh(0)", QStringLiteral("Helligkeitsverstellung über Mag.Art.-Adr. 1998 "
                                                                   "und 1999 für alle Module aktivieren"));
    raster->addWidget(ModKonfBit_Ckh[0], 3, 0, 1, 2);
    ModKonfBit_Ckh[1] = kasten("ModKonfBit_Ckh(1)", QStringLiteral("Tastensperre für alle Module über Mag.Art.-Adr. "
                                                                   "2000 für alle Module aktivieren"));
    raster->addWidget(ModKonfBit_Ckh[1], 4, 0, 1, 2);
    Start_reboot_chk = kasten("Start_reboot_chk", QStringLiteral("Wiederholte Anfrage beim Startupfehler"));
    raster->addWidget(Start_reboot_chk, 5, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Dauer des Tastendrucks, um ein Modul in den Programmiermodus zu "
                                                "versetzen in 0,5 Sekunden Schritten:"),
                                 this),
                      6, 0);
    ProgZeit_Txt = zahlFeld("ProgZeit_Txt", 4, PultGrenze::Zeit);
    raster->addWidget(ProgZeit_Txt, 6, 1);

    auto* weichen = new QVBoxLayout;
    Blnk_Chk = kasten("Blnk_Chk", QStringLiteral("beim Weichenumlauf blinken"));
    Belegt_Chk = kasten("Belegt_Chk", QStringLiteral("belegte Weiche nicht stellen"));
    weichen->addWidget(Blnk_Chk);
    weichen->addWidget(Belegt_Chk);
    raster->addWidget(gruppe(this, QStringLiteral("Weichen:"), weichen), 7, 0);

    auto* signale = new QVBoxLayout;
    HS_Folgeadr_Chk = kasten("HS_Folgeadr_Chk", QStringLiteral("bei Hauptsignalen Folgeadresse verwenden"));
    VS_Folgeadr_Chk = kasten("VS_Folgeadr_Chk", QStringLiteral("bei Vorsignalen Folgeadresse verwenden"));
    VS_Folgeadr_Chk->setEnabled(false);
    signale->addWidget(HS_Folgeadr_Chk);
    signale->addWidget(VS_Folgeadr_Chk);
    signale->addWidget(new QLabel(QStringLiteral("(kann auch individuell geändert werden)"), this));
    raster->addWidget(gruppe(this, QStringLiteral("mehrbegriffige Signale:"), signale), 7, 1);
    return gruppe(this, QStringLiteral("Weichen-, Signal- und Sondermodule:"), raster);
}

QWidget* PultDialog::fahrstrassenAnlegen(Art art)
{
    auto* raster = new QGridLayout;
    int zeile = 0;
    const auto zeileAnlegen = [&](const QString& text, QLineEdit* box) {
        raster->addWidget(new QLabel(text, this), zeile, 0);
        raster->addWidget(box, zeile++, 1);
    };
    WeichenDauer_Txt = zahlFeld("WeichenDauer_Txt", 4, PultGrenze::Zeit);
    zeileAnlegen(QStringLiteral("Weicheneinschaltdauer bei Fahrstraßen in 20ms Schritten:"), WeichenDauer_Txt);
    Radr_Txt = zahlFeld("Radr_Txt", 4, PultGrenze::Adresse);
    zeileAnlegen(QStringLiteral("Rückmeldeadressen für Fahrstraßen im Fahrstraßenspeicher 54670 ab Adresse:"),
                 Radr_Txt);
    if (art == Art::Einstellungen) {
        RadrOff_Txt = zahlFeld("RadrOff_Txt", 4, PultGrenze::Adresse);
        zeileAnlegen(QStringLiteral("nächste Rückmeldeadresse für Fahrstraßen im Fahrstraßenspeicher 54670:"),
                     RadrOff_Txt);
    }
    FstFolStaTxt = zahlFeld("FstFolStaTxt", 4, PultGrenze::Adresse);
    zeileAnlegen(QStringLiteral("Anfang von Fahrstraßenbefehlsfolgen immer bei 10er, 20er,..  oder 0=direkt  "
                                "hintereinander"),
                 FstFolStaTxt);
    return gruppe(this, QStringLiteral("Fahrstraßenspeicher:"), raster);
}

QLineEdit* PultDialog::zahlFeld(const char* name, int laenge, int maximum)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty(laengeEigenschaft, laenge);
    box->setMaxLength(laenge);
    nurZiffernEingabe(box);
    connect(box, &QLineEdit::textChanged, this, [this, box, maximum] { Check_Wert(this, box, maximum); });
    return box;
}

QCheckBox* PultDialog::kasten(const char* name, const QString& text)
{
    auto* k = new QCheckBox(text, this);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

PultEingabe PultDialog::eingabe() const
{
    PultEingabe e;
    e.projektName = ProjektNameTxt->text();
    e.spalten = AnzCol_Txt->text();
    e.zeilen = AnzRow_Txt->text();
    for (int i = 0; i < 3; ++i)
        if (VerkehrOpt[i]->isChecked())
            e.verkehr = i;
    e.modAdr = ModAdr_Chk->isChecked();
    e.hellStart = Hell_Chk->isChecked();
    e.hellOpt = ModKonfBit_Ckh[0]->isChecked();
    e.tastenOpt = ModKonfBit_Ckh[1]->isChecked();
    e.startReboot = Start_reboot_chk->isChecked();
    e.blinken = Blnk_Chk->isChecked();
    e.belegt = Belegt_Chk->isChecked();
    e.hsFolge = HS_Folgeadr_Chk->isChecked();
    e.vsFolge = VS_Folgeadr_Chk->isChecked();
    e.hellWert = Hell_Txt->text();
    e.progZeit = ProgZeit_Txt->text();
    e.weichenDauer = WeichenDauer_Txt->text();
    e.radr = Radr_Txt->text();
    if (RadrOff_Txt)
        e.radrOff = RadrOff_Txt->text();
    e.fstFolSta = FstFolStaTxt->text();
    return e;
}

void PultDialog::eintragen(const PultEingabe& e)
{
    textSetzen(ProjektNameTxt, e.projektName);
    textSetzen(AnzCol_Txt, e.spalten);
    textSetzen(AnzRow_Txt, e.zeilen);
    VerkehrOpt[std::clamp(e.verkehr, 0, 2)]->setChecked(true);
    ModAdr_Chk->setChecked(e.modAdr);
    Hell_Chk->setChecked(e.hellStart);
    ModKonfBit_Ckh[0]->setChecked(e.hellOpt);
    ModKonfBit_Ckh[1]->setChecked(e.tastenOpt);
    Start_reboot_chk->setChecked(e.startReboot);
    Blnk_Chk->setChecked(e.blinken);
    Belegt_Chk->setChecked(e.belegt);
    HS_Folgeadr_Chk->setChecked(e.hsFolge);
    VS_Folgeadr_Chk->setChecked(e.vsFolge);
    textSetzen(Hell_Txt, e.hellWert);
    textSetzen(ProgZeit_Txt, e.progZeit);
    textSetzen(WeichenDauer_Txt, e.weichenDauer);
    textSetzen(Radr_Txt, e.radr);
    if (RadrOff_Txt)
        textSetzen(RadrOff_Txt, e.radrOff);
    textSetzen(FstFolStaTxt, e.fstFolSta);
    // The range check shows the short title kept in "Tag"; a dialog opened
    // with usable values shows its full caption.
    if (OK_But->isEnabled())
        setWindowTitle(titel);
}

void PultDialog::ok()
{
    MainWin().HelpContextID = 20 + EditModus;
    MainWin().melden();
    if (uebernehmen(eingabe()))
        hide();
}

void PultDialog::abbrechen()
{
    MainWin().HelpContextID = 20 + EditModus;
    MainWin().melden();
    hide();
}
