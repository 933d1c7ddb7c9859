#include "config/SignalDialog.h"

#include "config/AdrCodeAuswahl.h"
#include "core/Desk.h"
#include "core/DialogFields.h"
#include "core/Words.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
// Signal rows: address box index and LNCV of main, distant, shunting and dwarf signal.
constexpr int zeilenBox[4] = {0, 1, 2, 5};
constexpr int zeilenLncv[4] = {31, 32, 33, 34};
constexpr int boxZieltaster = 3;
constexpr int boxTastensperre = 4;
constexpr int lncvZieltaster = 39;
constexpr int lncvTastensperre = 40;
constexpr int lncvOptionen = 38;

struct Familie {
    int von, bis;
    SignalAnsicht ansicht;
};
constexpr bool J = true, N = false;
const Familie familien[] = {
    {501, 504, {{J, N, N, N}, {J, N, N}, J}}, {801, 804, {{J, N, N, N}, {J, N, N}, J}},
    {511, 514, {{J, J, N, N}, {N, J, J}, J}}, {521, 524, {{J, N, J, N}, {N, N, N}, J}},
    {811, 814, {{J, N, J, N}, {N, N, N}, J}}, {531, 534, {{J, J, J, N}, {N, J, J}, J}},
    {541, 544, {{N, N, J, N}, {J, N, N}, J}}, {831, 834, {{N, N, J, N}, {J, N, N}, J}},
    {551, 554, {{N, J, N, N}, {N, J, J}, N}}, {851, 854, {{N, J, N, N}, {N, J, J}, N}},
    {821, 824, {{J, N, N, J}, {N, N, N}, J}}, {841, 844, {{N, N, N, J}, {J, N, N}, J}},
};
} // namespace

SignalAnsicht signalAnsicht(int c)
{
    for (const Familie& f : familien)
        if (c >= f.von && c <= f.bis)
            return f.ansicht;
    return {};
}

SignalDialog::SignalDialog(QWidget* parent)
    : ElementDialog(QStringLiteral("Signal_Form"), QStringLiteral("Signalkonfiguration"), parent)
{
    static const char* const zeilenTexte[4] = {"Hauptsignal - Adresse:", "Vorsignal - Adresse:",
                                               "Rangiersignal - Adresse:", "Zwergsignal - Adresse:"};
    static const char* const optionTexte[4] = {"Anzeige unten/oben :",
                                               "Nur Haupt.- oder Rangiersignal mit einem Taster :",
                                               "dynamische Vorsignalzuordnung :", "Vorsignal mit 3 Begriffen :"};
    for (int i = 0; i < 6; ++i) {
        SigAdr_Txt[size_t(i)] = adressBox(QStringLiteral("SigAdr_Txt"), i, 2047);
        AutoNum_Chk[size_t(i)] = autoBox(i);
    }
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen"), this), 0, 2);
    for (int r = 0; r < 4; ++r) {
        SigAdr_Label[size_t(r)] = new QLabel(QString::fromUtf8(zeilenTexte[r]), this);
        SigAdr_Label[size_t(r)]->setObjectName(QStringLiteral("SigAdr_Label(%1)").arg(r));
        raster->addWidget(SigAdr_Label[size_t(r)], r + 1, 0);
        raster->addWidget(SigAdr_Txt[size_t(zeilenBox[r])], r + 1, 1);
        raster->addWidget(AutoNum_Chk[size_t(zeilenBox[r])], r + 1, 2);
    }

    ZieltasterFrame = new QGroupBox(QStringLiteral("Zieltasterfunktion (0=keine Zieltasterfunktion) :"), this);
    ZieltasterFrame->setObjectName(QStringLiteral("ZieltasterFrame"));
    auto* rahmen = new QGridLayout(ZieltasterFrame);
    rahmen->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse für Zieltaster :"), ZieltasterFrame), 0, 0);
    rahmen->addWidget(SigAdr_Txt[boxZieltaster], 0, 1);
    static const char* const rgTexte[2] = {"Zieltaster sendet ROT", "Zieltaster sendet GRÜN"};
    for (int i = 0; i < 2; ++i) {
        ZieltasterRG[size_t(i)] = new QRadioButton(QString::fromUtf8(rgTexte[i]), ZieltasterFrame);
        ZieltasterRG[size_t(i)]->setObjectName(QStringLiteral("ZieltasterRG(%1)").arg(i));
        rahmen->addWidget(ZieltasterRG[size_t(i)], i + 1, 0, 1, 2);
    }
    raster->addWidget(ZieltasterFrame, 5, 0, 1, 2);
    raster->addWidget(AutoNum_Chk[boxZieltaster], 5, 2);
    DummyOpt = new QRadioButton(QStringLiteral("DummyOption"), this);
    DummyOpt->setObjectName(QStringLiteral("DummyOpt"));
    DummyOpt->hide();
    zieltaster = new AdrCodeAuswahl(SigAdr_Txt[boxZieltaster], AutoNum_Chk[boxZieltaster], ZieltasterRG[0],
                                    ZieltasterRG[1], DummyOpt);

    raster->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse für Tastensperre :"), this), 6, 0);
    raster->addWidget(SigAdr_Txt[boxTastensperre], 6, 1);
    raster->addWidget(AutoNum_Chk[boxTastensperre], 6, 2);
    for (int k = 0; k < 4; ++k) {
        SigKonf_Chk[size_t(k)] = new QCheckBox(QString::fromUtf8(optionTexte[k]), this);
        SigKonf_Chk[size_t(k)]->setObjectName(QStringLiteral("SigKonf_Chk(%1)").arg(k));
        raster->addWidget(SigKonf_Chk[size_t(k)], 7 + k, 0, 1, 3);
    }
    SigKonf_Chk[0]->setEnabled(false);
    okKnopfAnfuegen(raster);
}

void SignalDialog::fuellen()
{
    for (int r = 0; r < 4; ++r)
        lncvZeigen(SigAdr_Txt[size_t(zeilenBox[r])], AutoNum_Chk[size_t(zeilenBox[r])], zeilenLncv[r]);
    zieltaster->fuellen(lncvZieltaster);
    lncvZeigen(SigAdr_Txt[boxTastensperre], AutoNum_Chk[boxTastensperre], lncvTastensperre);
    const PultFeld& feld = PultFelder[size_t(AktFeldX)][size_t(AktFeldY)];
    const int32_t bits = Int_to_UWord(feld.LNCV[lncvOptionen]);
    for (size_t k = 0; k < SigKonf_Chk.size(); ++k)
        SigKonf_Chk[k]->setChecked(Chk_Value_from(bits, 1 << k) != 0);

    const SignalAnsicht a = signalAnsicht(elementNrVon(AktFeldX, AktFeldY));
    for (size_t r = 0; r < 4; ++r) {
        const auto box = size_t(zeilenBox[r]);
        for (QWidget* w : {static_cast<QWidget*>(SigAdr_Label[r]), static_cast<QWidget*>(SigAdr_Txt[box]),
                           static_cast<QWidget*>(AutoNum_Chk[box])})
            w->setVisible(a.zeilen[r]);
    }
    for (size_t k = 0; k < a.optionen.size(); ++k)
        SigKonf_Chk[k + 1]->setVisible(a.optionen[k]);
    ZieltasterFrame->setVisible(a.zieltaster);
}

void SignalDialog::zurueckschreiben()
{
    for (int r = 0; r < 4; ++r)
        Get_Txt_Feld(SigAdr_Txt[size_t(zeilenBox[r])], AutoNum_Chk[size_t(zeilenBox[r])], zeilenLncv[r]);
    zieltaster->schreiben(lncvZieltaster);
    Get_Txt_Feld(SigAdr_Txt[boxTastensperre], AutoNum_Chk[boxTastensperre], lncvTastensperre);
    int bits = 0;
    for (size_t k = 0; k < SigKonf_Chk.size(); ++k)
        bits += Chk_Value_to_Bit(SigKonf_Chk[k]->isChecked() ? 1 : 0, 1 << k);
    PultFelder[size_t(AktFeldX)][size_t(AktFeldY)].LNCV[lncvOptionen] = int16_t(bits);
}
