#include "config/KeyDialog.h"

#include "config/AdrCodeAuswahl.h"
#include "core/Desk.h"
#include "core/DialogFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int lncvTastensperre = 40;

bool in(int c, int von, int bis)
{
    return c >= von && c <= bis;
}
} // namespace

TastenBelegung tastenBelegung(int c)
{
    if (c == 402 || c == 403 || c == 871 || c == 872 || in(c, 601, 605) || in(c, 873, 877))
        return {TastenBelegung::AdresseMitCode, 39};
    if (c == 401 || in(c, 421, 423))
        return {TastenBelegung::AdresseMitCode, 11};
    if (c == 424 || c == 610 || c == 611)
        return {TastenBelegung::Adresse, 11};
    return {};
}

TastenDialog::TastenDialog(QWidget* parent)
    : ElementDialog(QStringLiteral("Tasten_Form"), QStringLiteral("Tastenkonfiguration"), parent)
{
    for (int i = 0; i < 2; ++i) {
        TastAdr_Txt[size_t(i)] = adressBox(QStringLiteral("TastAdr_Txt"), i, 2047);
        AutoNum_Chk[size_t(i)] = autoBox(i);
    }
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen"), this), 0, 2);

    ZieltasterFrame = new QGroupBox(QStringLiteral("Tastenfunktion :"), this);
    ZieltasterFrame->setObjectName(QStringLiteral("ZieltasterFrame"));
    auto* rahmen = new QGridLayout(ZieltasterFrame);
    rahmen->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse für Taster :"), ZieltasterFrame), 0, 0);
    rahmen->addWidget(TastAdr_Txt[0], 0, 1);
    static const char* const rgTexte[2] = {"Taster sendet ROT", "Taster sendet GRÜN"};
    for (int i = 0; i < 2; ++i) {
        TasterRG[size_t(i)] = new QRadioButton(QString::fromUtf8(rgTexte[i]), ZieltasterFrame);
        TasterRG[size_t(i)]->setObjectName(QStringLiteral("TasterRG(%1)").arg(i));
        rahmen->addWidget(TasterRG[size_t(i)], i + 1, 0, 1, 2);
    }
    raster->addWidget(ZieltasterFrame, 1, 0, 1, 2);
    raster->addWidget(AutoNum_Chk[0], 1, 2);
    DummyOpt = new QRadioButton(QStringLiteral("DummyOption"), this);
    DummyOpt->setObjectName(QStringLiteral("DummyOpt"));
    DummyOpt->hide();
    taste = new AdrCodeAuswahl(TastAdr_Txt[0], AutoNum_Chk[0], TasterRG[0], TasterRG[1], DummyOpt);

    raster->addWidget(new QLabel(QStringLiteral("Magnetartikel-Adresse für Tastensperre :"), this), 2, 0);
    raster->addWidget(TastAdr_Txt[1], 2, 1);
    raster->addWidget(AutoNum_Chk[1], 2, 2);
    okKnopfAnfuegen(raster);
}

void TastenDialog::fuellen()
{
    const TastenBelegung b = tastenBelegung(elementNrVon(AktFeldX, AktFeldY));
    lncvZeigen(TastAdr_Txt[1], AutoNum_Chk[1], lncvTastensperre);
    ZieltasterFrame->setVisible(b.art != TastenBelegung::Keine);
    AutoNum_Chk[0]->setVisible(b.art != TastenBelegung::Keine);
    for (QRadioButton* o : TasterRG)
        o->setVisible(b.art == TastenBelegung::AdresseMitCode);
    switch (b.art) {
    case TastenBelegung::AdresseMitCode:
        taste->fuellen(b.lncv);
        break;
    case TastenBelegung::Adresse:
        lncvZeigen(TastAdr_Txt[0], AutoNum_Chk[0], b.lncv);
        break;
    case TastenBelegung::Keine:
        break;   // only the key lock is edited; the key row stays hidden
    }
}

void TastenDialog::zurueckschreiben()
{
    Get_Txt_Feld(TastAdr_Txt[1], AutoNum_Chk[1], lncvTastensperre);
    const TastenBelegung b = tastenBelegung(elementNrVon(AktFeldX, AktFeldY));
    if (b.art == TastenBelegung::AdresseMitCode)
        taste->schreiben(b.lncv);
    else if (b.art == TastenBelegung::Adresse)
        Get_Txt_Feld(TastAdr_Txt[0], AutoNum_Chk[0], b.lncv);
}
