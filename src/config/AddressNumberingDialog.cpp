#include "config/AddressNumberingDialog.h"

#include "core/DialogFields.h"
#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "routes/RouteStepState.h"
#include "platform/SingleWindow.h"
#include "platform/WindowFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

#include <algorithm>

namespace {
const QString titel = QStringLiteral("automatische Konfiguration von Adressen");

// Row captions in the order the dialog shows them (the dwarf signals, box 14, follow box 10).
struct Zeile {
    int box;
    const char* caption;
};
const Zeile zeilen[] = {
    {0, "Magnetartikeladresse für Fahrt- und Halttaste (eine Adresse):"},
    {1, "Magnetartikeladresse für Rangierfahrt- und Fahrstraßentaste (eine Adr.):"},
    {2, "Weichenadressierung:"},
    {3, "Rückmeldeadressen für die Weichen:"},
    {4, "Magnetartikeladressen für die Entkuppler:"},
    {5, "Magnetartikeladressen für Schaltanwendungen:"},
    {6, "Magnetartikeladressen für die Ausleuchtung 'gelb':"},
    {7, "Rückmeldeadressen für die Ausleuchtung 'rot':"},
    {8, "Magnetartikeladressen für die Hauptsignale:"},
    {9, "Magnetartikeladressen für die Vorsignale:"},
    {10, "Magnetartikeladressen für die Rangiersignale:"},
    {14, "Magnetartikeladressen für die Zwergsignale:"},
    {11, "Magnetartikeladressen für die Zieltaster:"},
    {12, "Mag.adr. für die Tastensperren bei Zieltasten:"},
    {13, "Mag.adr. für die Tastensperren bei Weichen:"},
};

const char* const ordnungen[8] = {
    "spaltenweise von links nach rechts und von oben nach unten",
    "spaltenweise von rechts nach  links und von oben nach unten",
    "spaltenweise von links nach rechts und von unten nach oben",
    "spaltenweise von rechts nach  links und von unten nach oben",
    "zeilenweise von oben nach unten und von links nach rechts",
    "zeilenweise von unten nach oben und von links nach rechts",
    "zeilenweise von oben nach unten und von rechts nach  links",
    "zeilenweise von unten nach oben und von rechts nach  links",
};

// A half address such as "101.5" is one character longer than the box: the
// box grows to the text instead of cutting it.
void textZeigen(QLineEdit* box, const QString& text)
{
    box->setMaxLength(std::max(4, int(text.size())));
    box->setText(text);
}

QPushButton* knopfAnlegen(QWidget* eltern, const QString& name, int index, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
    // Return in a box must not start a numbering run.
    k->setAutoDefault(false);
    return k;
}
} // namespace

KonfAdrForm::KonfAdrForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KonfAdr_Form"));
    setProperty("Tag", titel);
    setWindowTitle(titel);
    auto* layout = new QVBoxLayout(rollbarerInhalt(this));
    auto* raster = new QGridLayout;
    zeilenAnlegen(raster);
    layout->addLayout(raster);
    layout->addWidget(optionenAnlegen());
    this->layout()->addWidget(knoepfeAnlegen());
}

QLineEdit* KonfAdrForm::zahlBox(const QString& name, int i)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
    box->setMaxLength(4);
    box->setMaximumWidth(70);
    box->setAlignment(Qt::AlignRight);
    nurZiffernEingabe(box);
    connect(box, &QLineEdit::textChanged, this, [this, box, i] { Check_Wert(this, box, konfAdrMaximum(i)); });
    return box;
}

void KonfAdrForm::zeilenAnlegen(QGridLayout* raster)
{
    // Headings broken into lines of their own: a label that wraps by itself
    // in a grid is given too little height and loses its first or last line.
    auto* kopf1 = new QLabel(QStringLiteral("Beginn des Adressbereiches\nfür diese Adressgruppe"), this);
    auto* kopf2 = new QLabel(QStringLiteral("Nächste Adresse beim Start\nder automatischen Adressierung"), this);
    auto* kopf3 = new QLabel(QStringLiteral("auto. Adressierung\nbereichsweise"), this);
    for (QLabel* kopf : {kopf1, kopf2, kopf3})
        kopf->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    raster->addWidget(kopf1, 0, 1);
    raster->addWidget(kopf2, 0, 2);
    raster->addWidget(kopf3, 0, 3, 1, 2);
    int reihe = 1;
    for (const Zeile& z : zeilen)
        zeileAnlegen(raster, reihe++, z.box, QString::fromUtf8(z.caption));
}

void KonfAdrForm::zeileAnlegen(QGridLayout* raster, int reihe, int i, const QString& caption)
{
    raster->addWidget(new QLabel(caption, this), reihe, 0);
    KonfAdr_Txt[i] = zahlBox(QStringLiteral("KonfAdr_Txt"), i);
    raster->addWidget(KonfAdr_Txt[i], reihe, 1);
    if (i == 0) {
        auto* hilfstasten = knopfAnlegen(this, QStringLiteral("StartAdr"), HilfstastenKnopf, QStringLiteral("Starten"));
        connect(hilfstasten, &QPushButton::clicked, this, [this] { knopf(HilfstastenKnopf, true); });
        raster->addWidget(new QLabel(QStringLiteral("Hilfstasten in alle Module einsetzen"), this), reihe, 2, 2, 1);
        raster->addWidget(hilfstasten, reihe, 3, 2, 1);
    }
    if (i < 2)
        return;
    StartAdr_Txt[i] = zahlBox(QStringLiteral("StartAdr_Txt"), i);
    raster->addWidget(StartAdr_Txt[i], reihe, 2);
    // make_feld_naechste_adresse: a new range start is also the row's next address.
    connect(KonfAdr_Txt[i], &QLineEdit::textChanged, this,
            [this, i](const QString& text) { textZeigen(StartAdr_Txt[i], adressText(adressLesen(text))); });
    const int b = i == 14 ? 14 : i - 2;
    auto* starten = knopfAnlegen(this, QStringLiteral("StartAdr"), b, QStringLiteral("Starten"));
    auto* loeschen = knopfAnlegen(this, QStringLiteral("ClrAdr"), b, QStringLiteral("Löschen"));
    connect(starten, &QPushButton::clicked, this, [this, b] { knopf(b, true); });
    connect(loeschen, &QPushButton::clicked, this, [this, b] { knopf(b, false); });
    raster->addWidget(starten, reihe, 3);
    raster->addWidget(loeschen, reihe, 4);
}

QWidget* KonfAdrForm::optionenAnlegen()
{
    auto* teil = new QWidget(this);
    auto* layout = new QGridLayout(teil);
    auto* art = new QGroupBox(QStringLiteral("Art der Nummerierung:"), teil);
    auto* artLayout = new QVBoxLayout(art);
    for (int o = 0; o < 8; ++o) {
        NumOpt[o] = new QRadioButton(QString::fromUtf8(ordnungen[o]), art);
        NumOpt[o]->setObjectName(QStringLiteral("NumOpt(%1)").arg(o));
        artLayout->addWidget(NumOpt[o]);
    }
    auto* ersetzen = new QGroupBox(teil);
    auto* ersetzenLayout = new QVBoxLayout(ersetzen);
    NumOpt2[0] = new QRadioButton(QStringLiteral("nur Adressen neu numerieren, wenn sie den Wert 0 haben"), ersetzen);
    NumOpt2[1] = new QRadioButton(
        QStringLiteral("alle Adressen neu numerieren, auch wenn sie bereits einen Wert erhalten haben"), ersetzen);
    for (int o = 0; o < 2; ++o) {
        NumOpt2[o]->setObjectName(QStringLiteral("NumOpt2(%1)").arg(o));
        ersetzenLayout->addWidget(NumOpt2[o]);
    }
    KonfAdr_Chk = new QCheckBox(
        QStringLiteral("mehrbegriffige Haupt-/Vorsignale benutzen        (pro Signal 2 Magnetartikeladressen)"), teil);
    KonfAdr_Chk->setObjectName(QStringLiteral("KonfAdr_Chk"));
    layout->addWidget(art, 0, 0, 3, 1);
    layout->addWidget(ersetzen, 0, 1);
    layout->addWidget(KonfAdr_Chk, 1, 1);
    auto* hinweise = new QGroupBox(QStringLiteral("Hinweise:"), teil);
    auto* hinweisLayout = new QVBoxLayout(hinweise);
    hinweisLayout->addWidget(new QLabel(
        QStringLiteral("1. Es werden nur die Adressen autom. nummeriert, die als 'auto. Addressieren' gekennzeichnet sind."),
        hinweise));
    hinweisLayout->addWidget(new QLabel(
        QStringLiteral("2. Funktionen, deren Bereiche mit '0' beginnen, werden nicht automatisch nummeriert!"), hinweise));
    layout->addWidget(hinweise, 2, 1);
    return teil;
}

QWidget* KonfAdrForm::knoepfeAnlegen()
{
    auto* teil = new QWidget(this);
    auto* layout = new QGridLayout(teil);
    const char* const hinweise[2] = {"hebt die automatische Nummerieung für alle Adressen auf!",
                                     "setzt alle Adressen auf automatische Nummerieung!"};
    for (int an = 0; an < 2; ++an) {
        auto* k = knopfAnlegen(teil, QStringLiteral("AutoNumm"), an,
                               an ? QStringLiteral("Auto Num. On") : QStringLiteral("Auto Num. Off"));
        connect(k, &QPushButton::clicked, this, [an] { AutoNumm_Setzen(an); });
        layout->addWidget(k, an, 0);
        layout->addWidget(new QLabel(QString::fromUtf8(hinweise[an]), teil), an, 1);
    }
    auto* ok = knopfAnlegen(teil, QStringLiteral("OK_But"), -1, QStringLiteral("Alles Starten"));
    connect(ok, &QPushButton::clicked, this, [this] { knopf(-1, true); });
    auto* abbruch = knopfAnlegen(teil, QStringLiteral("Abbruch_Cmd"), -1, QStringLiteral("abbrechen"));
    connect(abbruch, &QPushButton::clicked, this, &KonfAdrForm::abbrechen);
    layout->addWidget(ok, 0, 2);
    layout->addWidget(abbruch, 1, 2);
    return teil;
}

void KonfAdrForm::oeffnen()
{
    Load_Form_Einstellungen();
    setProperty("HelpContextID", MainWin().HelpContextID);
    show();
    raise();
    activateWindow();
}

KonfAdrEingabe KonfAdrForm::eingabe() const
{
    KonfAdrEingabe e;
    for (int i = 0; i < KonfAdrBoxen; ++i) {
        e.konfAdr[size_t(i)] = KonfAdr_Txt[i]->text();
        if (StartAdr_Txt[i])
            e.startAdr[size_t(i)] = StartAdr_Txt[i]->text();
    }
    e.mehrbegriff = KonfAdr_Chk->isChecked();
    e.nummerierung = -1;
    for (int o = 7; o >= 0; --o)
        if (NumOpt[o]->isChecked())
            e.nummerierung = o;
    e.ersetzen = !NumOpt2[0]->isChecked();
    return e;
}

void KonfAdrForm::Load_Form_Einstellungen()
{
    const KonfAdrEingabe e = ::Load_Form_Einstellungen();
    for (int i = 0; i < KonfAdrBoxen; ++i) {
        // The range start first: its change handler resets the next address.
        textZeigen(KonfAdr_Txt[i], e.konfAdr[size_t(i)]);
        if (StartAdr_Txt[i])
            textZeigen(StartAdr_Txt[i], e.startAdr[size_t(i)]);
    }
    KonfAdr_Chk->setChecked(e.mehrbegriff);
    NumOpt[e.nummerierung]->setChecked(true);
    NumOpt2[e.ersetzen ? 1 : 0]->setChecked(true);
    gezeigt = e;
}

void KonfAdrForm::knopf(int knopf, bool vergeben)
{
    if (fsInArbeitAbweisen())
        return;
    if (knopfAusfuehren(eingabe(), knopf, vergeben))
        Load_Form_Einstellungen();
}

void KonfAdrForm::auffrischenWennGeaendert()
{
    if (::Load_Form_Einstellungen() != gezeigt)
        Load_Form_Einstellungen();
}

void KonfAdrForm::abbrechen()
{
    Read_Form_Einstellungen(eingabe());
    gezeigt = ::Load_Form_Einstellungen();
    QDialog::reject();
    MainWin().HelpContextID = 20 + EditModus;
    MainWin().melden();
}

bool KonfAdrForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        setProperty("HelpContextID", MainWin().HelpContextID);
        auffrischenWennGeaendert();
    }
    return QDialog::event(e);
}

void KonfAdrForm::reject()
{
    // Escape and closing the window through its frame act like "abbrechen".
    abbrechen();
}

void adressNummerierungZeigen()
{
    einzigesFenster<KonfAdrForm>(hauptFensterWidget()).oeffnen();
}

void adressNummerierungAnmelden()
{
    setzeDialogStarter(Dialog::KonfAdr_Form, adressNummerierungZeigen);
}
