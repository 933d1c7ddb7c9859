#include "routes/RouteSlotDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/DialogFields.h"
#include "core/DialogLaunchers.h"
#include "core/EditModes.h"
#include "core/MainWindow.h"
#include "core/Words.h"
#include "routes/RouteStepState.h"
#include "routes/RouteTable.h"
#include "platform/SingleWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString Titel = QStringLiteral("Fahrstraßen-Konfiguration");

struct GruppenText {
    QString rahmen, adresse;
    std::array<QString, 4> optionen;   // by code; empty = not offered
};

const GruppenText& gruppenText(int g)
{
    static const std::array<GruppenText, FSGruppenAnzahl> texte{{
        {QStringLiteral("Welcher Zieltaster soll verwendet werden:"),
         QStringLiteral("Magnetartikel-Adresse des Zieltasters :"),
         {QStringLiteral("Zieltaster sendet ROT"), QStringLiteral("Zieltaster sendet GRÜN"), QString(), QString()}},
        {QStringLiteral("LocoNet-Kommando zum Festlegen der Fahrstraße:"),
         QStringLiteral("Adresswert des LocoNet-Kommandos :"),
         {QStringLiteral("Zieltaster sendet Magnetart. Kommando ROT"),
          QStringLiteral("Zieltaster sendet Magnetart. Kommando GRÜN"),
          QStringLiteral("Zieltaster sendet Rückmeldung Frei"), QStringLiteral("Zieltaster sendet Rückmeldung Besetzt")}},
        {QStringLiteral("Rückmeldung vom Zug zum Auflösen der Fahrstraße:"),
         QStringLiteral("Rückmelde-Adresse des Gleisabschnitts:"),
         {QString(), QString(), QStringLiteral("Reaktion auf Frei-Meldung"), QStringLiteral("Reaktion auf Besetzt-Meldung")}},
        {QStringLiteral("LocoNet-Kommando zum Auflösen der Fahrstraße:"),
         QStringLiteral("Adresswert des LocoNet-Kommandos :"),
         {QStringLiteral("Zug sendet Magnetart. Kommando ROT"), QStringLiteral("Zug sendet Magnetart. Kommando GRÜN"),
          QStringLiteral("Zug sendet Rückmeldung Frei"), QStringLiteral("Zug sendet Rückmeldung Besetzt")}},
    }};
    return texte[size_t(g)];
}

// Name of the option of code `code` in group g of tab t: FS0_RG(2t+k) and
// FS2_RG(2t+k) of the two-option groups, FS1_RG(4t+k) and FS3_RG(4t+k).
QString optionName(int t, int g, int code)
{
    const int k = g == 2 ? code - 2 : code;
    const int je = g == 0 || g == 2 ? 2 : 4;
    return QStringLiteral("FS%1_RG(%2)").arg(g).arg(je * t + k);
}

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}
} // namespace

Fahrstr_Form::Fahrstr_Form() : AbbruchDialog(hauptFensterWidget())
{
    setObjectName(QStringLiteral("Fahrstr_Form"));
    setProperty("Tag", Titel);
    setWindowTitle(Titel);

    FS_TAB = new QTabWidget(this);
    FS_TAB->setObjectName(QStringLiteral("FS_TAB"));
    for (int t = 0; t < FSSlotAnzahl; ++t)
        FS_TAB->addTab(seite(t), QString::number(t + 1));
    connect(FS_TAB, &QTabWidget::currentChanged, this, &Fahrstr_Form::tabAnzeigen);

    Clr_Txt = new QLabel(this);
    Clr_Txt->setObjectName(QStringLiteral("Clr_Txt"));
    Loeschen = new QPushButton(QStringLiteral("löschen"), this);
    Loeschen->setObjectName(QStringLiteral("Löschen"));
    Loeschen->setAutoDefault(false);
    connect(Loeschen, &QPushButton::clicked, this, &Fahrstr_Form::Loeschen_Click);
    OK_But = new QPushButton(QStringLiteral("OK"), this);
    OK_But->setObjectName(QStringLiteral("OK_But"));
    OK_But->setDefault(true);
    connect(OK_But, &QPushButton::clicked, this, &Fahrstr_Form::OK_But_Click);

    auto* unten = new QHBoxLayout;
    unten->addWidget(Clr_Txt);
    unten->addWidget(Loeschen);
    unten->addStretch();
    unten->addWidget(OK_But);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FS_TAB);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* Fahrstr_Form::seite(int t)
{
    auto* s = new QWidget;
    auto* raster = new QGridLayout(s);
    for (int g = 0; g < FSGruppenAnzahl; ++g) {
        const int index = FSGruppenAnzahl * t + g;
        const GruppenText& text = gruppenText(g);
        auto* rahmen = new QGroupBox(text.rahmen, s);
        auto* innen = new QGridLayout(rahmen);
        innen->addWidget(new QLabel(text.adresse, rahmen), 0, 0);
        QLineEdit* box = zahlBox(this, QStringLiteral("FSAdr_Txt(%1)").arg(index), 0);
        // The range check follows the group's current maximum, not a fixed one.
        disconnect(box, &QLineEdit::textChanged, this, nullptr);
        connect(box, &QLineEdit::textChanged, this, [this, index] { gruppePruefen(index); });
        innen->addWidget(box, 0, 1);
        FSAdr_Txt[size_t(index)] = box;
        auto* gruppe = new QButtonGroup(this);
        for (int code = 0, zeile = 1; code < 4; ++code) {
            if (text.optionen[size_t(code)].isEmpty())
                continue;
            auto* o = new QRadioButton(text.optionen[size_t(code)], rahmen);
            o->setObjectName(optionName(t, g, code));
            gruppe->addButton(o, code);
            innen->addWidget(o, zeile++, 0, 1, 2);
        }
        connect(gruppe, &QButtonGroup::idToggled, this, [this, index] { gruppePruefen(index); });
        gruppen[size_t(index)] = gruppe;
        raster->addWidget(rahmen, g / 2, g % 2, Qt::AlignTop);
    }
    return s;
}

QRadioButton* Fahrstr_Form::option(int t, int g, int code) const
{
    return qobject_cast<QRadioButton*>(gruppen[size_t(FSGruppenAnzahl * t + g)]->button(code));
}

void Fahrstr_Form::oeffnen(int x, int y, bool aendern)
{
    bezug = ElementBezug(x, y);
    fuerAenderung = aendern;
    for (int t = 0; t < FSSlotAnzahl; ++t)
        tabLaden(t);
    if (FSModulTab >= 0 && FSModulTab < FSSlotAnzahl)
        FS_TAB->setCurrentIndex(FSModulTab);
    tabAnzeigen(FS_TAB->currentIndex());
    hilfeKontextUebernehmen(this);
    show();
    raise();
    activateWindow();
}

void Fahrstr_Form::tabLaden(int t)
{
    for (int g = 0; g < FSGruppenAnzahl; ++g) {
        const int index = FSGruppenAnzahl * t + g;
        const int32_t wort = imPult(bezug.x(), bezug.y())
                                 ? Int_to_UWord(feld(bezug.x(), bezug.y()).LNCV[size_t(fsSlotLncv(t) + g)])
                                 : 0;
        geladen[size_t(index)] = wort;
        const FSGruppenWert w = fsGruppeZeigen(g, wort);
        // The address first: a box showing 0 clears its group's option.
        zeigeText(FSAdr_Txt[size_t(index)], QString::number(w.adresse));
        keineAuswahl(gruppen[size_t(index)]);
        if (w.code >= 0)
            gruppen[size_t(index)]->button(w.code)->setChecked(true);
        gruppePruefen(index);
        FSAdr_Txt[size_t(index)]->parentWidget()->setEnabled(g != 0 && fuerAenderung);
    }
}

FSGruppenWert Fahrstr_Form::gruppenWert(int index) const
{
    return {int(boxWert(FSAdr_Txt[size_t(index)])), gruppen[size_t(index)]->checkedId()};
}

void Fahrstr_Form::gruppePruefen(int index)
{
    QLineEdit* box = FSAdr_Txt[size_t(index)];
    QButtonGroup* gruppe = gruppen[size_t(index)];
    if (!gruppe)
        return;
    if (boxWert(box) == 0 && gruppe->checkedId() >= 0)
        keineAuswahl(gruppe);
    Check_Wert(this, box, fsGruppeMaximum(index % FSGruppenAnzahl, gruppe->checkedId()));
}

void Fahrstr_Form::tabAnzeigen(int t)
{
    Clr_Txt->setText(QStringLiteral("Einträge an Position ") + QString::number(t + 1));
}

void Fahrstr_Form::Loeschen_Click()
{
    if (!elementNochDa(this, bezug)) {
        beenden(FSAntwort::Abbruch);
        return;
    }
    const int t = FS_TAB->currentIndex();
    for (int g = 0; g < FSGruppenAnzahl; ++g)
        feld(bezug.x(), bezug.y()).LNCV[size_t(fsSlotLncv(t) + g)] = 0;
    werteGeaendert();
    tabLaden(t);
}

void Fahrstr_Form::OK_But_Click()
{
    if (!elementNochDa(this, bezug)) {
        beenden(FSAntwort::Abbruch);
        return;
    }
    // Only what the user changed is written: a slot refreshed meanwhile keeps
    // its new words where the dialog still shows the old ones.
    auto& lncv = feld(bezug.x(), bezug.y()).LNCV;
    for (int index = 0; index < FSSlotAnzahl * FSGruppenAnzahl; ++index) {
        const int32_t wort = fsGruppeWort(index % FSGruppenAnzahl, gruppenWert(index), geladen[size_t(index)]);
        if (wort != geladen[size_t(index)])
            lncv[size_t(FSSlotErsteLNCV + index)] = alsWort(wort);
    }
    werteGeaendert();
    FSModulTab = int16_t(FS_TAB->currentIndex());
    beenden(FSAntwort::OK);
    ChangeEditMode();
}

void Fahrstr_Form::abbrechen()
{
    if (isVisible())
        beenden(FSAntwort::Abbruch);
}

void Fahrstr_Form::beenden(int16_t antwort)
{
    hide();
    // Only a route change waits for this dialog; opened from the address grid
    // it must not answer a route step that happens to wait.
    if (fuerAenderung)
        FSBestaet = antwort;
    fuerAenderung = false;
}

Fahrstr_Form& FahrstrForm()
{
    return einzigesFenster<Fahrstr_Form>();
}

void fahrstrFormAnmelden()
{
    setzeDialogStarter(Dialog::Fahrstr_Form, [] { FahrstrForm().oeffnen(AktFeldX, AktFeldY, FSModulEdit); });
}
