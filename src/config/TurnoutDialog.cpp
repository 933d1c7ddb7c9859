#include "config/TurnoutDialog.h"

#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/DialogFields.h"
#include "core/Words.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int adressLncv[4] = {11, 12, 13, 40};
constexpr double adressMaximum[4] = {2047, 2047, 4095, 2047};
constexpr int lncvOptionen = 14;
constexpr int lncvArt = 15;

enum Option { W1_Tausch, W2_Tausch, W1_EKW, W2_EKW, Belegt, Blnk };
} // namespace

WeichenAnsicht weichenAnsicht(int art)
{
    WeichenAnsicht a;
    if (art >= 4 && art <= 9) {
        const bool zweiAntriebe = art >= 7;
        a.zeile1 = true;
        a.zeile1Text =
            zweiAntriebe ? QStringLiteral("Antrieb 2 - Adresse :") : QStringLiteral("2.Adresse für Stell.:");
        a.tausch2 = zweiAntriebe;
        a.dkw = true;
        a.dkwGesetzt = zweiAntriebe;
        a.ekw = zweiAntriebe;
    } else if (art == 12 || art == 13) {
        a.zeile1 = true;
        a.zeile1Text = QStringLiteral("Antrieb 2 - Adresse :");
        a.tausch2 = true;
    }
    return a;
}

int dkwUmgeschaltet(int art, bool zweiAntriebe)
{
    if (!zweiAntriebe && art >= 7 && art <= 9)
        return art - 3;
    if (zweiAntriebe && art >= 4 && art <= 6)
        return art + 3;
    return art;
}

int weichenOptionen(const std::array<bool, 6>& gesetzt)
{
    int wert = 0;
    for (size_t i = 0; i < gesetzt.size(); ++i)
        wert += Chk_Value_to_Bit(gesetzt[i] ? 1 : 0, 1 << i);
    return wert;
}

WeichenDialog::WeichenDialog(QWidget* parent)
    : ElementDialog(QStringLiteral("Weichen_Form"), QStringLiteral("Weichenkonfiguration"), parent)
{
    static const char* const optionNamen[6] = {"W1_Tausch_Chk", "W2_Tausch_Chk", "W1_EKW_Chk",
                                               "W2_EKW_Chk",    "Belegt_Chk",    "Blnk_Chk"};
    static const char* const optionTexte[6] = {"Stellungen tauschen :", "Stellungen tauschen :", "EKW 1 :", "EKW 2 :",
                                               "belegte Weiche nicht stellen :", "beim Weichenumlauf blinken :"};
    for (int i = 0; i < 4; ++i) {
        WAdr_Txt[size_t(i)] = adressBox(QStringLiteral("WAdr_Txt"), i, adressMaximum[i]);
        AutoNum_Chk[size_t(i)] = autoBox(i);
    }
    for (size_t i = 0; i < optionen.size(); ++i) {
        optionen[i] = new QCheckBox(QString::fromUtf8(optionTexte[i]), this);
        optionen[i]->setObjectName(QString::fromLatin1(optionNamen[i]));
    }
    DKW2Antr_Chk = new QCheckBox(QStringLiteral("DKW mit 2 Antrieben"), this);
    DKW2Antr_Chk->setObjectName(QStringLiteral("DKW2Antr_Chk"));
    connect(DKW2Antr_Chk, &QCheckBox::clicked, this, &WeichenDialog::dkwGeklickt);
    W2_Adr_Label = new QLabel(this);
    W2_Adr_Label->setObjectName(QStringLiteral("W2_Adr_Label"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen"), this), 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Antrieb 1 - Adresse :"), this), 1, 0);
    raster->addWidget(W2_Adr_Label, 2, 0);
    raster->addWidget(new QLabel(QStringLiteral("Rückmeldeadresse für Rot Ausleuchtung :"), this), 3, 0);
    raster->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse für Tastensperre :"), this), 4, 0);
    for (int i = 0; i < 4; ++i) {
        raster->addWidget(WAdr_Txt[size_t(i)], i + 1, 1);
        raster->addWidget(AutoNum_Chk[size_t(i)], i + 1, 2);
    }
    raster->addWidget(optionen[W1_Tausch], 1, 3);
    raster->addWidget(optionen[W2_Tausch], 2, 3);
    raster->addWidget(optionen[W1_EKW], 1, 4);
    raster->addWidget(optionen[W2_EKW], 2, 4);
    raster->addWidget(optionen[Belegt], 5, 0);
    raster->addWidget(optionen[Blnk], 5, 1, 1, 2);
    raster->addWidget(DKW2Antr_Chk, 5, 3);
    okKnopfAnfuegen(raster);
}

void WeichenDialog::fuellen()
{
    DKW2Antr_Chk->setChecked(false);
    for (size_t i = 0; i < WAdr_Txt.size(); ++i)
        lncvZeigen(WAdr_Txt[i], AutoNum_Chk[i], adressLncv[i]);
    const PultFeld& feld = PultFelder[size_t(AktFeldX)][size_t(AktFeldY)];
    const int32_t bits = Int_to_UWord(feld.LNCV[lncvOptionen]);
    for (size_t i = 0; i < optionen.size(); ++i)
        optionen[i]->setChecked(Chk_Value_from(bits, 1 << i) != 0);
    anordnen(feld.LNCV[lncvArt]);
}

void WeichenDialog::anordnen(int art)
{
    const WeichenAnsicht a = weichenAnsicht(art);
    WAdr_Txt[1]->setVisible(a.zeile1);
    AutoNum_Chk[1]->setVisible(a.zeile1);
    W2_Adr_Label->setVisible(a.zeile1);
    W2_Adr_Label->setText(a.zeile1Text);
    optionen[W2_Tausch]->setVisible(a.tausch2);
    DKW2Antr_Chk->setVisible(a.dkw);
    DKW2Antr_Chk->setChecked(a.dkwGesetzt);
    optionen[W1_EKW]->setVisible(a.ekw);
    optionen[W2_EKW]->setVisible(a.ekw);
}

// The kind changes at once in the bound field, and the second address starts
// again from 0 because it means something else for the other kind. What the
// user typed into the other boxes stays until OK.
void WeichenDialog::dkwGeklickt(bool zweiAntriebe)
{
    PultFeld& feld = PultFelder[size_t(feldX())][size_t(feldY())];
    feld.LNCV[lncvArt] = int16_t(dkwUmgeschaltet(feld.LNCV[lncvArt], zweiAntriebe));
    WAdr_Txt[1]->setText(QStringLiteral("0"));
    feld.LNCV[adressLncv[1]] = 0;
    werteGelesen();
    werteGeaendert();
    anordnen(feld.LNCV[lncvArt]);
}

void WeichenDialog::zurueckschreiben()
{
    for (size_t i = 0; i < WAdr_Txt.size(); ++i)
        Get_Txt_Feld(WAdr_Txt[i], AutoNum_Chk[i], adressLncv[i]);
    std::array<bool, 6> gesetzt{};
    for (size_t i = 0; i < optionen.size(); ++i)
        gesetzt[i] = optionen[i]->isChecked();
    PultFelder[size_t(AktFeldX)][size_t(AktFeldY)].LNCV[lncvOptionen] = int16_t(weichenOptionen(gesetzt));
}
