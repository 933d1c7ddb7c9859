#include "config/JoystickDialog.h"

#include "config/ModuleDialogFields.h"
#include "core/Desk.h"
#include "core/DialogFields.h"
#include "platform/WindowFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {
const QString Titel = QStringLiteral("Joystick");
const QString Richtungen[JoyRichtungen] = {QStringLiteral("oben"), QStringLiteral("unten"), QStringLiteral("links"),
                                           QStringLiteral("rechts")};
const QString Achsen[2] = {QStringLiteral("Joystick oben/unten"), QStringLiteral("Joystick links/rechts")};
constexpr double OhneGrenze = std::numeric_limits<double>::infinity();

QString name(const char* n, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(n)).arg(index);
}

QRadioButton* option(QButtonGroup* gruppe, int id, const QString& text, const QString& objektName)
{
    auto* o = new QRadioButton(text);
    o->setObjectName(objektName);
    gruppe->addButton(o, id);
    return o;
}

void waehlen(QButtonGroup* gruppe, int id)
{
    if (QAbstractButton* b = gruppe->button(id))
        b->setChecked(true);
}

// The text box and its state for one setting of the board.
struct JoyTextbox {
    QLineEdit* box;
    JoyBox art;
    int index;
};
} // namespace

Joy_Form::Joy_Form(QWidget* parent) : ElementDialog(QStringLiteral("Joy_Form"), Titel, parent)
{
    // Higher than a laptop screen: the boards scroll below the menu.
    auto* raster = new QGridLayout(rollbarerInhalt(this));
    auto* menue = new QMenuBar(this);
    QMenu* voreinstellungen = menue->addMenu(QStringLiteral("Voreinstellungen"));
    const std::pair<const char*, QString> presets[] = {
        {"Art73180", QStringLiteral("Korvander Bockkran 73180")},
        {"Art73280", QStringLiteral("Korvander Wasserkran 73280")},
        {"RocoKran", QStringLiteral("Roco Gleiskran DCC")},
        {"MaeGK", QStringLiteral("Märklin Gleiskran")},
    };
    for (const auto& [objekt, text] : presets)
        voreinstellungen->addAction(text)->setObjectName(QLatin1String(objekt));
    connect(voreinstellungen->actions()[0], &QAction::triggered, this, [this] { aendern(joyKorvanderBockkran); });
    connect(voreinstellungen->actions()[2], &QAction::triggered, this, [this] { aendern(joyRocoGleiskran); });
    layout()->setMenuBar(menue);

    raster->addWidget(grundRahmen(), 0, 0);
    raster->addWidget(steuerartRahmen(), 1, 0);
    TabSteuer = new QTabWidget(this);
    TabSteuer->setObjectName(QStringLiteral("TabSteuer"));
    for (int L = 0; L < JoyEbenen; ++L)
        TabSteuer->addTab(ebene(L), QStringLiteral("Steuerebene %1").arg(L + 1));
    raster->addWidget(TabSteuer, 2, 0);
    okKnopfAnfuegen(raster);
}

QWidget* Joy_Form::grundRahmen()
{
    auto* rahmen = new QGroupBox(QStringLiteral("Grundeinstellung:"), this);
    rahmen->setObjectName(QStringLiteral("GrundFrame"));
    auto* g = new QGridLayout(rahmen);
    SteuerOpt = new QButtonGroup(this);
    g->addWidget(option(SteuerOpt, 0, QStringLiteral("Lok-Sonderfunktionen"), name("SteuerOpt", 0)), 0, 0);
    g->addWidget(option(SteuerOpt, 1, QStringLiteral("Magnetartikel-Befehle"), name("SteuerOpt", 1)), 1, 0);
    g->addWidget(new QLabel(QStringLiteral("Lokadresse:")), 0, 1, Qt::AlignRight);
    LokAdrTxt = box(QStringLiteral("LokAdrTxt"));
    g->addWidget(LokAdrTxt, 0, 2);
    DrucktaOpt = new QButtonGroup(this);
    g->addWidget(option(DrucktaOpt, 0, QStringLiteral("Drucktaster schaltet Sonderfunktion des Modells"),
                        name("DrucktaOpt", 0)),
                 2, 0, 1, 3);
    g->addWidget(option(DrucktaOpt, 1, QStringLiteral("Drucktaster schaltet Joystickfunktion um"),
                        name("DrucktaOpt", 1)),
                 3, 0, 1, 3);
    TastenTxt = new QLabel(QStringLiteral("Drucktaster Funktion ......."));
    TastenTxt->setObjectName(QStringLiteral("TastenTxt"));
    g->addWidget(TastenTxt, 4, 0, 1, 2);
    DruckTaSfktTxt = box(QStringLiteral("DruckTaSfktTxt"));
    g->addWidget(DruckTaSfktTxt, 4, 2);
    connect(SteuerOpt, &QButtonGroup::idClicked, this,
            [this](int id) { aendern([id](JoyEingabe& e) { joyModusWaehlen(e, id == 0); }); });
    connect(DrucktaOpt, &QButtonGroup::idClicked, this,
            [this](int id) { aendern([id](JoyEingabe& e) { joyTasterWaehlen(e, id == 1); }); });
    return rahmen;
}

QWidget* Joy_Form::steuerartRahmen()
{
    JoySteuermFrame = new QGroupBox(QStringLiteral("Joystick Steuerungsmöglichkeiten:"), this);
    JoySteuermFrame->setObjectName(QStringLiteral("JoySteuermFrame"));
    auto* v = new QVBoxLayout(JoySteuermFrame);
    SfktOpt = new QButtonGroup(this);
    const QString texte[3] = {
        QStringLiteral("Jede Richtung des Joysticks wird über eine eigene Sonderfunktion aktiviert "),
        QStringLiteral("Die Richtung rechts/links und oben/unten wird über eine Sonderfunktion ein/aus gesteuert"),
        QStringLiteral("Die Richtungen des Joysticks werden durch Kombinationen der Sonderfkt. f0-f8 gesteuert"),
    };
    for (int m = 0; m < 3; ++m)
        v->addWidget(option(SfktOpt, m, texte[m], name("SfktOpt", m)));
    connect(SfktOpt, &QButtonGroup::idClicked, this,
            [this](int m) { aendern([m](JoyEingabe& e) { e.steuerart = m; }); });
    return JoySteuermFrame;
}

QWidget* Joy_Form::ebene(int L)
{
    auto* seiteL = new QWidget;
    auto* h = new QHBoxLayout(seiteL);
    h->addWidget(motorRahmen(L), 0, Qt::AlignTop);
    auto* seiten = new QVBoxLayout;
    seiten->addWidget(seiteEinzeln(L));
    seiten->addWidget(seiteEinAus(L));
    seiten->addWidget(seiteKombination(L));
    seiten->addWidget(seiteMagnet(L));
    seiten->addStretch();
    h->addLayout(seiten, 1);
    return seiteL;
}

QWidget* Joy_Form::motorRahmen(int L)
{
    auto* rahmen = new QGroupBox(QStringLiteral("Motorgeschwindigkeiten und -laufrichtungen:"));
    auto* g = new QGridLayout(rahmen);
    for (int d = 0; d < JoyRichtungen; ++d) {
        const int i = 4 * L + d;
        g->addWidget(new QLabel(QStringLiteral("Geschwindig. (0-127) \"Joystick %1\":").arg(Richtungen[d])), d, 0);
        SpeedTxt[size_t(i)] = box(QStringLiteral("SpeedTxt"), i);
        g->addWidget(SpeedTxt[size_t(i)], d, 1);
        auto* richtung = new QGroupBox(QStringLiteral("Fahrtrichtung \"%1\":").arg(Richtungen[d]));
        auto* paar = new QHBoxLayout(richtung);
        FROpt[size_t(i)] = new QButtonGroup(this);
        paar->addWidget(option(FROpt[size_t(i)], 0, QStringLiteral("vorwärts"), name("FROpt", 2 * i)));
        paar->addWidget(option(FROpt[size_t(i)], 1, QStringLiteral("rückwärts"), name("FROpt", 2 * i + 1)));
        g->addWidget(richtung, d, 2);
        connect(FROpt[size_t(i)], &QButtonGroup::idClicked, this, [this, L, d](int id) {
            aendern([L, d, id](JoyEingabe& e) { joyFahrtrichtung(e, L, d, id == 1); });
        });
    }
    return rahmen;
}

QGroupBox* Joy_Form::seite(int index, const QString& titel)
{
    auto* rahmen = new QGroupBox(titel);
    rahmen->setObjectName(name("SfktFrame", index));
    SfktFrame[size_t(index)] = rahmen;
    return rahmen;
}

QWidget* Joy_Form::seiteEinzeln(int L)
{
    auto* rahmen =
        seite(4 * L, QStringLiteral("Sonderfunktionen und Fahrtrichtungen für Joystick oben/unten + links/rechts :"));
    auto* g = new QGridLayout(rahmen);
    for (int a = 0; a < 2; ++a) {
        g->addWidget(new QLabel(QStringLiteral("Sonderfunktion \"%1\":").arg(Achsen[a])), a, 0);
        SfktNtTxt[size_t(3 * L + a)] = box(QStringLiteral("SfktNtTxt"), 3 * L + a);
        g->addWidget(SfktNtTxt[size_t(3 * L + a)], a, 1);
    }
    g->setColumnStretch(2, 1);
    return rahmen;
}

QWidget* Joy_Form::seiteEinAus(int L)
{
    auto* rahmen =
        seite(4 * L + 1, QStringLiteral("Sonderfunktionen und Fahrtrichtungen für Joystick oben/unten + links/rechts :"));
    auto* g = new QGridLayout(rahmen);
    g->addWidget(new QLabel(QStringLiteral("Sonderfunktion für alle Bewegungen:")), 0, 0);
    SfktNtTxt[size_t(3 * L + 2)] = box(QStringLiteral("SfktNtTxt"), 3 * L + 2);
    g->addWidget(SfktNtTxt[size_t(3 * L + 2)], 0, 1);
    SfktOnOpt[size_t(L)] = new QButtonGroup(this);
    for (int a = 0; a < 2; ++a) {
        // Level 1 numbers its options from the oben/unten row, level 2 from the links/rechts row.
        const int index = L == 0 ? a : 3 - a;
        g->addWidget(new QLabel(Achsen[a]), a + 1, 0);
        g->addWidget(option(SfktOnOpt[size_t(L)], a, QStringLiteral("Sonderfkt. einschalten"), name("SfktOnOpt", index)),
                     a + 1, 1);
    }
    g->setColumnStretch(2, 1);
    return rahmen;
}

QWidget* Joy_Form::seiteKombination(int L)
{
    auto* rahmen =
        seite(4 * L + 2, QStringLiteral("Sonderfunktionen und Fahrtrichtungen für Joystick oben/unten + links/rechts :"));
    auto* g = new QGridLayout(rahmen);
    for (int b = 0; b < JoyFunktionen; ++b)
        g->addWidget(new QLabel(QStringLiteral("f%1").arg(b)), 0, b + 1, Qt::AlignCenter);
    for (int d = 0; d < JoyRichtungen; ++d) {
        g->addWidget(new QLabel(Richtungen[d]), d + 1, 0);
        for (int b = 0; b < JoyFunktionen; ++b) {
            const int i = 36 * L + 9 * d + b;
            auto* c = new QCheckBox;
            c->setObjectName(name("SfktBit", i));
            SfktBit[size_t(i)] = c;
            g->addWidget(c, d + 1, b + 1, Qt::AlignCenter);
        }
    }
    return rahmen;
}

QWidget* Joy_Form::seiteMagnet(int L)
{
    auto* rahmen = seite(4 * L + 3, QStringLiteral("Magnetartikeladressen für Joystick oben/unten + links/rechts :"));
    auto* g = new QGridLayout(rahmen);
    for (int d = 0; d < JoyRichtungen; ++d) {
        const int i = 4 * L + d;
        g->addWidget(new QLabel(QStringLiteral("Magnetartikeladresse \"Joystick %1\":").arg(Richtungen[d])), d, 0);
        MagAdrTxt[size_t(i)] = box(QStringLiteral("MagAdrTxt"), i);
        g->addWidget(MagAdrTxt[size_t(i)], d, 1);
        g->addWidget(new QLabel(QStringLiteral("Magnetart. Status \"%1\":").arg(Richtungen[d])), d, 2);
        RGOpt[size_t(i)] = new QButtonGroup(this);
        auto* paar = new QWidget;
        auto* h = new QHBoxLayout(paar);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(option(RGOpt[size_t(i)], 0, QStringLiteral("Rot"), name("RGOpt", 2 * i)));
        h->addWidget(option(RGOpt[size_t(i)], 1, QStringLiteral("Grün"), name("RGOpt", 2 * i + 1)));
        g->addWidget(paar, d, 3);
    }
    return rahmen;
}

// A box of 4 characters that takes digits only; every change checks all boxes.
QLineEdit* Joy_Form::box(const QString& basis, int index)
{
    auto* b = new QLineEdit(this);
    b->setObjectName(index < 0 ? basis : QStringLiteral("%1(%2)").arg(basis).arg(index));
    b->setMaxLength(4);
    b->setAlignment(Qt::AlignRight);
    // Wide enough for a stored value of five digits that the range check shows red.
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    nurZiffernEingabe(b);
    connect(b, &QLineEdit::textChanged, this, [this] {
        if (!zeigt)
            pruefen();
    });
    return b;
}

JoyEingabe Joy_Form::eingabe() const
{
    JoyEingabe e;
    e.lokFunktionen = SteuerOpt->checkedId() != 1;
    e.lokAdr = LokAdrTxt->text();
    e.tasterSchaltetEbene = DrucktaOpt->checkedId() == 1;
    e.tasterWert = DruckTaSfktTxt->text();
    e.steuerart = std::max(SfktOpt->checkedId(), 0);
    for (int L = 0; L < JoyEbenen; ++L) {
        e.einschaltAchse[size_t(L)] = std::max(SfktOnOpt[size_t(L)]->checkedId(), 0);
        for (int a = 0; a < 2; ++a)
            e.ersteRueckwaerts[size_t(2 * L + a)] = FROpt[size_t(4 * L + 2 * a)]->checkedId() == 1;
    }
    for (size_t i = 0; i < SpeedTxt.size(); ++i) {
        e.speed[i] = SpeedTxt[i]->text();
        e.magAdr[i] = MagAdrTxt[i]->text();
        e.gruen[i] = RGOpt[i]->checkedId() == 1;
    }
    for (size_t i = 0; i < SfktNtTxt.size(); ++i)
        e.sfktNt[i] = SfktNtTxt[i]->text();
    for (size_t i = 0; i < SfktBit.size(); ++i)
        e.sfktBit[i] = SfktBit[i]->isChecked();
    return e;
}

void Joy_Form::anzeigen(const JoyEingabe& e)
{
    zeigt = true;
    waehlen(SteuerOpt, e.lokFunktionen ? 0 : 1);
    zeigeText(LokAdrTxt, e.lokAdr);
    LokAdrTxt->setEnabled(e.lokFunktionen);
    JoySteuermFrame->setVisible(e.lokFunktionen);
    TastenTxt->setText(e.lokFunktionen ? QStringLiteral("Nummer der Sonderfunktion für Drucktaster-Funktion:")
                                       : QStringLiteral("Magnetartikeladresse für Drucktaster-Funktion:"));
    waehlen(DrucktaOpt, e.tasterSchaltetEbene ? 1 : 0);
    zeigeText(DruckTaSfktTxt, e.tasterWert);
    DruckTaSfktTxt->setEnabled(!e.tasterSchaltetEbene);
    // The second level can be edited only while the push-button switches the levels.
    TabSteuer->setTabEnabled(1, e.tasterSchaltetEbene);
    if (!e.tasterSchaltetEbene)
        TabSteuer->setCurrentIndex(0);
    waehlen(SfktOpt, e.steuerart);
    for (int L = 0; L < JoyEbenen; ++L) {
        for (int m = 0; m < 4; ++m)
            SfktFrame[size_t(4 * L + m)]->setVisible(e.lokFunktionen ? m == e.steuerart : m == 3);
        waehlen(SfktOnOpt[size_t(L)], e.einschaltAchse[size_t(L)]);
        for (int d = 0; d < JoyRichtungen; ++d)
            waehlen(FROpt[size_t(4 * L + d)], joyRueckwaerts(e, L, d) ? 1 : 0);
    }
    for (size_t i = 0; i < SpeedTxt.size(); ++i) {
        zeigeText(SpeedTxt[i], e.speed[i]);
        zeigeText(MagAdrTxt[i], e.magAdr[i]);
        waehlen(RGOpt[i], e.gruen[i] ? 1 : 0);
    }
    for (size_t i = 0; i < SfktNtTxt.size(); ++i)
        zeigeText(SfktNtTxt[i], e.sfktNt[i]);
    for (size_t i = 0; i < SfktBit.size(); ++i)
        SfktBit[i]->setChecked(e.sfktBit[i]);
    zeigt = false;
    pruefen();
}

// An option or preset changes the settings; the controls follow.
void Joy_Form::aendern(const std::function<void(JoyEingabe&)>& schritt)
{
    JoyEingabe e = eingabe();
    schritt(e);
    anzeigen(e);
}

// Every box whose value the chosen settings store must lie within its range;
// the others (another mode's, a disabled push-button's) hold nothing back.
void Joy_Form::pruefen()
{
    const JoyEingabe e = eingabe();
    std::vector<JoyTextbox> boxen{{LokAdrTxt, JoyBox::LokAdr, 0}, {DruckTaSfktTxt, JoyBox::Taster, 0}};
    for (int i = 0; i < int(SpeedTxt.size()); ++i) {
        boxen.push_back({SpeedTxt[size_t(i)], JoyBox::Speed, i});
        boxen.push_back({MagAdrTxt[size_t(i)], JoyBox::MagAdr, i});
    }
    for (int i = 0; i < int(SfktNtTxt.size()); ++i)
        boxen.push_back({SfktNtTxt[size_t(i)], JoyBox::SfktNt, i});
    for (const JoyTextbox& b : boxen) {
        const std::optional<int> maximum = joyMaximum(e, b.art, b.index);
        Check_Wert(this, b.box, maximum ? double(*maximum) : OhneGrenze);
    }
}

void Joy_Form::fuellen()
{
    const PultFeld& board = PultFelder[size_t(AktFeldX)][size_t(AktFeldY)];
    geladen = joyWerte(board);
    anzeigen(joyLaden(board, eingabe()));
}

// Values of the board changed elsewhere while the dialog stood open (in the
// LNCV table, say) are shown again when it becomes active, so that OK never
// writes the old ones back. Without such a change what the user typed stays.
bool Joy_Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && isVisible() && elementGilt()
        && joyWerte(PultFelder[size_t(feldX())][size_t(feldY())]) != geladen) {
        FeldBindung bindung(feldX(), feldY());
        fuellen();
        werteGelesen();
    }
    return ElementDialog::event(e);
}

void Joy_Form::zurueckschreiben()
{
    joySpeichern(PultFelder[size_t(AktFeldX)][size_t(AktFeldY)], eingabe());
}
