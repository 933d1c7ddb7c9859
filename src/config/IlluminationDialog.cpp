#include "config/IlluminationDialog.h"

#include "core/Desk.h"
#include "core/DialogFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int nachbarLinks = 52;    // illuminated piece that borders the element on its left
constexpr int nachbarRechts = 51;   // ... on its right

// Signal codes 501..554 and 801..854 with tens 0..5 and units 1..4.
bool signalCode(int c)
{
    const int hunderter = c / 100;
    return (hunderter == 5 || hunderter == 8) && (c / 10) % 10 <= 5 && c % 10 >= 1 && c % 10 <= 4;
}
} // namespace

AuslGruppe auslGruppe(int c)
{
    if ((c >= 101 && c <= 402) || c == 871 || c == 700 || c == 710 || (signalCode(c) && c % 10 <= 2))
        return AuslGruppe::Einseitig;
    if (c == 403 || c == 872 || c == 711 || signalCode(c))
        return AuslGruppe::Zweiseitig;
    return AuslGruppe::Keine;
}

std::array<bool, 4> auslZeilen(int x, int y)
{
    const AuslGruppe gruppe = auslGruppe(elementNrVon(x, y));
    if (gruppe == AuslGruppe::Keine)
        return {};
    const bool zweiseitig = gruppe == AuslGruppe::Zweiseitig;
    return {x > 1 && elementNrVon(x - 1, y) == nachbarLinks,
            x + 1 <= PultdimensionenX && elementNrVon(x + 1, y) == nachbarRechts, zweiseitig, zweiseitig};
}

AuslDialog::AuslDialog(QWidget* parent)
    : ElementDialog(QStringLiteral("Ausl_Form"), QStringLiteral("Konfiguration Ausleuchtung"), parent)
{
    static const char* const zeilenTexte[4] = {
        "Ausleuchtung Nachbarplatz links:", "Ausleuchtung Nachbarplatz rechts:", "Ausleuchtung linke Schienenseite:",
        "Ausleuchtung rechte Schienenseite:"};
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Magnetart.-Adr. für Gelb-Ausleuchtung:"), this), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen"), this), 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Rückmelde-Adr. für Rot-Ausleuchtung:"), this), 0, 3);
    raster->addWidget(new QLabel(QStringLiteral("automatische Adressierung zulassen"), this), 0, 4);
    for (int r = 0; r < 4; ++r) {
        const auto i = size_t(r);
        Adr_Label[i] = new QLabel(QString::fromUtf8(zeilenTexte[r]), this);
        Adr_Label[i]->setObjectName(QStringLiteral("Adr_Label(%1)").arg(r));
        MagAdr_Txt[i] = adressBox(QStringLiteral("MagAdr_Txt"), r, 2047);
        RMAdr_Txt[i] = adressBox(QStringLiteral("RMAdr_Txt"), r, 4095);
        AutoNum_Chk[i] = autoBox(r);
        AutoNum_Chk[i + 4] = autoBox(r + 4);
        raster->addWidget(Adr_Label[i], r + 1, 0);
        raster->addWidget(MagAdr_Txt[i], r + 1, 1);
        raster->addWidget(AutoNum_Chk[i], r + 1, 2);
        raster->addWidget(RMAdr_Txt[i], r + 1, 3);
        raster->addWidget(AutoNum_Chk[i + 4], r + 1, 4);
    }
    okKnopfAnfuegen(raster);
}

void AuslDialog::fuellen()
{
    for (int r = 0; r < 4; ++r) {
        const auto i = size_t(r);
        lncvZeigen(MagAdr_Txt[i], AutoNum_Chk[i], 21 + 2 * r);
        lncvZeigen(RMAdr_Txt[i], AutoNum_Chk[i + 4], 22 + 2 * r);
    }
    const std::array<bool, 4> zeilen = auslZeilen(AktFeldX, AktFeldY);
    for (size_t i = 0; i < 4; ++i)
        for (QWidget* w : {static_cast<QWidget*>(Adr_Label[i]), static_cast<QWidget*>(MagAdr_Txt[i]),
                           static_cast<QWidget*>(RMAdr_Txt[i]), static_cast<QWidget*>(AutoNum_Chk[i]),
                           static_cast<QWidget*>(AutoNum_Chk[i + 4])})
            w->setVisible(zeilen[i]);
}

void AuslDialog::zurueckschreiben()
{
    for (int r = 0; r < 4; ++r) {
        const auto i = size_t(r);
        Get_Txt_Feld(MagAdr_Txt[i], AutoNum_Chk[i], 21 + 2 * r);
        Get_Txt_Feld(RMAdr_Txt[i], AutoNum_Chk[i + 4], 22 + 2 * r);
    }
}
