#include "config/ThreeButtonDialog.h"

#include "config/ModuleDialogFields.h"
#include "config/ThreeButtonKeys.h"
#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "platform/MsgBox.h"
#include "routes/RouteSlots.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace {
const QString Titel = QStringLiteral("3 Tasten Modul");
const QString TastenNamen[3] = {QStringLiteral("linke Taste"), QStringLiteral("mittlere Taste"),
                                QStringLiteral("rechte Taste")};
constexpr int GoIndex = 11;    // FktOpt of GO on the middle key
constexpr int StopIndex = 17;  // FktOpt of STOP on the right key

QString funktionsText(int k, int f)
{
    static const QString texte[5] = {
        QStringLiteral("Magnetartikel schalten"), QStringLiteral("Loksonderfunktionen"),
        QStringLiteral("Zieltaste und LED per Magnetartikeladresse"),
        QStringLiteral("Rückmeldung für Fahrstraße und LED per Magnetartikeladresse"), QStringLiteral("Entkuppler ")};
    if (f < 5)
        return texte[f];
    if (k == 1)
        return QStringLiteral("GO Funktion (nur gemeinsam mit STOP auf der rechten Taste)");
    if (k == 2)
        return QStringLiteral("STOP Funktion  (nur gemeinsam mit GO auf der mittleren Taste)");
    return {};
}

QString name(const char* basis, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(basis)).arg(index);
}

QCheckBox* automatik(QWidget* eltern, const char* basis, int k)
{
    auto* c = new QCheckBox(QStringLiteral("Automatik"), eltern);
    c->setObjectName(name(basis, k));
    return c;
}

QRadioButton* option(QWidget* eltern, QButtonGroup* gruppe, const QString& text, const QString& objektName, int id)
{
    auto* o = new QRadioButton(text, eltern);
    o->setObjectName(objektName);
    gruppe->addButton(o, id);
    return o;
}

// A label and a box in one row of a grid.
void zeile(QGridLayout* raster, const QString& text, QWidget* box, QWidget* dazu = nullptr)
{
    const int r = raster->rowCount();
    raster->addWidget(new QLabel(text), r, 0);
    raster->addWidget(box, r, 1);
    if (dazu)
        raster->addWidget(dazu, r, 2);
}

QGroupBox* rahmen(QWidget* eltern, const QString& titel, const char* basis, int k)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(name(basis, k));
    return g;
}

// A row of a label and a box of the dialog that takes numbers up to maximum.
QLineEdit* zahlZeile(QWidget* dialog, QGridLayout* raster, const QString& text, const char* box, int k, int maximum)
{
    QLineEdit* b = zahlBox(dialog, name(box, k), maximum);
    zeile(raster, text, b);
    return b;
}

// The grid of a frame whose third column holds "Automatik" boxes.
QGridLayout* rasterMitAutomatik(QWidget* rahmen)
{
    auto* raster = new QGridLayout(rahmen);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen")), 0, 2);
    return raster;
}

// A row of an address box of the dialog and its "Automatik" box.
std::pair<QLineEdit*, QCheckBox*> adressZeile(QWidget* dialog, QGridLayout* raster, const QString& text,
                                              const char* box, const char* automatikName, int k)
{
    QLineEdit* b = zahlBox(dialog, name(box, k), T3AdressMax);
    QCheckBox* c = automatik(raster->parentWidget(), automatikName, k);
    zeile(raster, text, b, c);
    return {b, c};
}

// Two options of the group side by side in a new row, named basis(2k) and
// basis(2k + 1), with the ids ersteId and ersteId + 1.
void optionenZeile(QGridLayout* raster, QButtonGroup* gruppe, const char* basis, int k, const QString (&texte)[2],
                   int ersteId)
{
    const int r = raster->rowCount();
    for (int i = 0; i < 2; ++i)
        raster->addWidget(option(raster->parentWidget(), gruppe, texte[i], name(basis, 2 * k + i), ersteId + i), r, i);
}

QLabel* keineAutomatik()
{
    return new QLabel(QStringLiteral("automatische Adressierung nicht möglich!"));
}
} // namespace

T3Mod_Form::T3Mod_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("T3Mod_Form"));
    setWindowTitle(Titel);
    setProperty("Tag", Titel);
    auto* layout = new QVBoxLayout(this);
    Reiter = new QTabWidget(this);
    Reiter->setObjectName(QStringLiteral("Reiter"));
    for (int k = 0; k < T3Tasten; ++k)
        Reiter->addTab(tasteAnlegen(k), TastenNamen[k]);
    layout->addWidget(Reiter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK_But"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &T3Mod_Form::ok);
}

QWidget* T3Mod_Form::tasteAnlegen(int k)
{
    auto* seite = new QWidget(this);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(funktionRahmen(seite, k));
    spalte->addWidget(magRahmen(seite, k));
    spalte->addWidget(lokRahmen(seite, k));
    spalte->addWidget(zielRahmen(seite, k));
    spalte->addWidget(rmRahmen(seite, k));
    spalte->addStretch();
    return seite;
}

QGroupBox* T3Mod_Form::funktionRahmen(QWidget* seite, int k)
{
    Taste& t = tasten[k];
    auto* funktion = new QGroupBox(QStringLiteral("Funktion"), seite);
    funktion->setObjectName(QStringLiteral("Frame%1").arg(k + 1));
    auto* fktLayout = new QVBoxLayout(funktion);
    t.funktion = new QButtonGroup(this);
    for (int f = 0; f < T3Funktionen; ++f) {
        QRadioButton* o = option(funktion, t.funktion, funktionsText(k, f), name("FktOpt", 6 * k + f), f);
        o->setVisible(!(k == 0 && f == T3StopGo));
        fktLayout->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this, k, f](bool an) {
            if (an)
                FktOpt_Click(6 * k + f);
        });
    }
    return funktion;
}

QGroupBox* T3Mod_Form::magRahmen(QWidget* seite, int k)
{
    Taste& t = tasten[k];
    t.Mag_Frame = rahmen(seite, QStringLiteral("Magnetartikel schalten:"), "Mag_Frame", k);
    std::tie(t.MagAdr_Txt, t.MagAutoNum_Chk) = adressZeile(this, rasterMitAutomatik(t.Mag_Frame),
                                                           QStringLiteral("Magnetartikeladresse:"), "MagAdr_Txt",
                                                           "MagAutoNum_Chk", k);
    return t.Mag_Frame;
}

QGroupBox* T3Mod_Form::lokRahmen(QWidget* seite, int k)
{
    Taste& t = tasten[k];
    t.Lok_Frame = rahmen(seite, QStringLiteral("Loksonderfunktion:"), "Lok_Frame", k);
    auto* lok = new QGridLayout(t.Lok_Frame);
    t.LokAdr_Txt = zahlZeile(this, lok, QStringLiteral("Lokadresse:"), "LokAdr_Txt", k, T3LokMax);
    t.SFKTAdr_Txt = zahlZeile(this, lok, QStringLiteral("Nummer der Sonderfkt.:"), "SFKTAdr_Txt", k, T3LokMax);
    lok->addWidget(keineAutomatik(), lok->rowCount(), 0, 1, 2);
    return t.Lok_Frame;
}

QGroupBox* T3Mod_Form::zielRahmen(QWidget* seite, int k)
{
    Taste& t = tasten[k];
    t.Ziel_frame = rahmen(seite, QStringLiteral("Zieltaste und LED:"), "Ziel_frame", k);
    QGridLayout* ziel = rasterMitAutomatik(t.Ziel_frame);
    std::tie(t.ZTMagAdr_Txt, t.ZTAutoNum_Chk) = adressZeile(
        this, ziel, QStringLiteral("Magnetartikel-Adresse für Taster :"), "ZTMagAdr_Txt", "ZTAutoNum_Chk", k);
    t.rotGruen = new QButtonGroup(this);
    optionenZeile(ziel, t.rotGruen, "TasterRG", k,
                  {QStringLiteral("Taster sendet ROT"), QStringLiteral("Taster sendet GRÜN")}, 0);
    t.Ziel_frame2 = new QFrame(t.Ziel_frame);
    t.Ziel_frame2->setObjectName(name("Ziel_frame2", k));
    auto* ziel2 = new QGridLayout(t.Ziel_frame2);
    ziel2->setContentsMargins(0, 0, 0, 0);
    std::tie(t.ZTLEDAdr_Txt, t.ZTLEDAutoNum_Chk) = adressZeile(
        this, ziel2, QStringLiteral("Magnetartikel-Adresse für LED :"), "ZTLEDAdr_Txt", "ZTLEDAutoNum_Chk", k);
    std::tie(t.ZTTaSperre_Txt, t.ZTTaSperreAutoNum_Chk) =
        adressZeile(this, ziel2, QStringLiteral("Mag.art.-Adresse für Tastensperre :"), "ZTTaSperre_Txt",
                    "ZTTaSperreAutoNum_Chk", k);
    ziel->addWidget(t.Ziel_frame2, ziel->rowCount(), 0, 1, 3);
    return t.Ziel_frame;
}

QGroupBox* T3Mod_Form::rmRahmen(QWidget* seite, int k)
{
    Taste& t = tasten[k];
    t.RM_Frame = rahmen(seite, QStringLiteral("Rückmeldung und LED:"), "RM_Frame", k);
    auto* rm = new QGridLayout(t.RM_Frame);
    t.RMAdrTa_Txt =
        zahlZeile(this, rm, QStringLiteral("Rückmelde-Adresse für Taster:"), "RMAdrTa_Txt", k, T3AdressMax);
    t.freiBelegt = new QButtonGroup(this);
    optionenZeile(rm, t.freiBelegt, "TasterFB", k,
                  {QStringLiteral("Taster sendet Frei"), QStringLiteral("Taster sendet Belegt")}, 2);
    t.RMLEDAdr_Txt =
        zahlZeile(this, rm, QStringLiteral("Magnetartikel-Adresse für LED :"), "RMLEDAdr_Txt", k, T3AdressMax);
    t.RMTaSperre_Txt =
        zahlZeile(this, rm, QStringLiteral("Mag.art.-Adresse für Tastensperre :"), "RMTaSperre_Txt", k, T3AdressMax);
    rm->addWidget(keineAutomatik(), rm->rowCount(), 0, 1, 2);
    return t.RM_Frame;
}

QRadioButton* T3Mod_Form::fktOpt(int index) const
{
    return static_cast<QRadioButton*>(tasten[index / 6].funktion->button(index % 6));
}

// A function option became selected, by the user or by the dialog. GO and
// STOP are chosen and dropped together.
void T3Mod_Form::FktOpt_Click(int index)
{
    if (index == GoIndex)
        fktOpt(StopIndex)->setChecked(true);
    if (index == StopIndex)
        fktOpt(GoIndex)->setChecked(true);
    if (index >= 6 && index <= 10 && fktOpt(StopIndex)->isChecked()) {
        zeigeText(tasten[2].MagAdr_Txt, QStringLiteral("0"));
        fktOpt(12)->setChecked(true);
    }
    if (index >= 12 && index <= 16 && fktOpt(GoIndex)->isChecked()) {
        zeigeText(tasten[1].MagAdr_Txt, QStringLiteral("0"));
        fktOpt(6)->setChecked(true);
    }
    FktFrames_anzeigen(index);
}

void T3Mod_Form::FktFrames_anzeigen(int index)
{
    if (index >= 0 && index < 6 * T3Tasten)
        rahmenZeigen(index / 6, index % 6);
}

// Shows the frame of function f of key k; f = -1 (no known function) hides them all.
void T3Mod_Form::rahmenZeigen(int k, int f)
{
    Taste& t = tasten[k];
    const bool ziel = f == T3Zieltaste || f == T3Entkuppler;
    t.Mag_Frame->setVisible(f == T3Schalten);
    t.Lok_Frame->setVisible(f == T3Lokfunktion);
    t.Ziel_frame->setVisible(ziel);
    if (ziel)
        t.Ziel_frame2->setVisible(f == T3Zieltaste);
    t.RM_Frame->setVisible(f == T3Rueckmeldung);
}

void T3Mod_Form::oeffnen(int x, int y)
{
    if (!isVisible() || x != bezug.x() || y != bezug.y() || !bezug.gilt()) {
        bezug = ElementBezug(x, y);
        anzeigen(t3Lesen(PultFelder[size_t(x)][size_t(y)]));
    }
    show();
    raise();
    activateWindow();
}

void T3Mod_Form::anzeigen(const T3Eingabe& eingabe)
{
    Reiter->setCurrentIndex(0);
    for (Taste& t : tasten) {
        keineAuswahl(t.funktion);
        keineAuswahl(t.rotGruen);
        keineAuswahl(t.freiBelegt);
    }
    // Texts first: selecting a function option may reset the partner key's address.
    for (int k = 0; k < T3Tasten; ++k) {
        const T3Taste& e = eingabe[size_t(k)];
        Taste& t = tasten[k];
        const QPair<QLineEdit*, QString> boxen[] = {
            {t.MagAdr_Txt, e.magAdr},     {t.LokAdr_Txt, e.lokAdr},     {t.SFKTAdr_Txt, e.sfktAdr},
            {t.ZTMagAdr_Txt, e.ztMagAdr}, {t.ZTLEDAdr_Txt, e.ztLedAdr}, {t.ZTTaSperre_Txt, e.ztSperre},
            {t.RMAdrTa_Txt, e.rmAdr},     {t.RMLEDAdr_Txt, e.rmLed},    {t.RMTaSperre_Txt, e.rmSperre}};
        for (const auto& [box, text] : boxen)
            zeigeText(box, text);
        t.MagAutoNum_Chk->setChecked(e.magAuto);
        t.ZTAutoNum_Chk->setChecked(e.ztAuto);
        t.ZTLEDAutoNum_Chk->setChecked(e.ztLedAuto);
        t.ZTTaSperreAutoNum_Chk->setChecked(e.ztSperreAuto);
        if (e.rotGruen >= 0)
            t.rotGruen->button(e.rotGruen)->setChecked(true);
        if (e.freiBelegt >= 0)
            t.freiBelegt->button(e.freiBelegt)->setChecked(true);
    }
    for (int k = 0; k < T3Tasten; ++k) {
        const int f = eingabe[size_t(k)].funktion;
        if (f >= 0)
            fktOpt(6 * k + f)->setChecked(true);
        rahmenZeigen(k, f);
    }
}

T3Eingabe T3Mod_Form::eingabe() const
{
    T3Eingabe e;
    for (int k = 0; k < T3Tasten; ++k) {
        const Taste& t = tasten[k];
        T3Taste& w = e[size_t(k)];
        w.funktion = t.funktion->checkedId();
        w.magAdr = t.MagAdr_Txt->text();
        w.lokAdr = t.LokAdr_Txt->text();
        w.sfktAdr = t.SFKTAdr_Txt->text();
        w.ztMagAdr = t.ZTMagAdr_Txt->text();
        w.ztLedAdr = t.ZTLEDAdr_Txt->text();
        w.ztSperre = t.ZTTaSperre_Txt->text();
        w.rmAdr = t.RMAdrTa_Txt->text();
        w.rmLed = t.RMLEDAdr_Txt->text();
        w.rmSperre = t.RMTaSperre_Txt->text();
        w.magAuto = t.MagAutoNum_Chk->isChecked();
        w.ztAuto = t.ZTAutoNum_Chk->isChecked();
        w.ztLedAuto = t.ZTLEDAutoNum_Chk->isChecked();
        w.ztSperreAuto = t.ZTTaSperreAutoNum_Chk->isChecked();
        w.rotGruen = t.rotGruen->checkedId();
        w.freiBelegt = t.freiBelegt->checkedId();
    }
    return e;
}

void T3Mod_Form::ok()
{
    if (!elementNochDa(this, bezug))
        return;
    const T3Eingabe e = eingabe();
    if (const int k = t3TasteOhneZustand(e); k >= 0) {
        Reiter->setCurrentIndex(k);
        MsgBox(QStringLiteral("Bitte für die %1 auswählen, was der Taster sendet!").arg(TastenNamen[k]),
               Msg::NurOk | Msg::Ausruf, Titel);
        return;
    }
    PultFeld& feld = PultFelder[size_t(bezug.x())][size_t(bezug.y())];
    const PultFeld vorher = feld;
    if (!t3Schreiben(feld, e) || !ueberschreibenBestaetigt(this, bezug, vorher))
        return;
    werteGeaendert();
    hide();
    set_PultAdr(bezug.x(), bezug.y());
    RefreshFSin54660();
}
