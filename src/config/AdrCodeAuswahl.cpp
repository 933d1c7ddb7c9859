#include "config/AdrCodeAuswahl.h"

#include "core/Desk.h"
#include "core/DialogFields.h"
#include "core/Words.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {
// Clears an option even when it belongs to an exclusive group.
void abwaehlen(QRadioButton* o)
{
    const bool exklusiv = o->autoExclusive();
    o->setAutoExclusive(false);
    o->setChecked(false);
    o->setAutoExclusive(exklusiv);
}
} // namespace

int aaaacCode(bool rot, bool gruen, int gespeicherterCode)
{
    if (gruen)
        return 1;
    if (rot)
        return 0;
    return gespeicherterCode == 2 || gespeicherterCode == 3 ? gespeicherterCode : 0;
}

AdrCodeAuswahl::AdrCodeAuswahl(QLineEdit* box, QCheckBox* auto_, QRadioButton* rot, QRadioButton* gruen,
                               QRadioButton* dummy)
    : QObject(box), box(box), auto_(auto_), rot(rot), gruen(gruen), dummy(dummy)
{
    connect(box, &QLineEdit::textChanged, this, [this] {
        if (boxWert(this->box) == 0) {
            abwaehlen(this->rot);
            abwaehlen(this->gruen);
            abwaehlen(this->dummy);
        }
    });
    for (QRadioButton* o : {rot, gruen})
        connect(o, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                abwaehlen(this->dummy);
        });
}

void AdrCodeAuswahl::fuellen(int n)
{
    Set_AAAAC_Feld(box, auto_, rot, gruen, dummy, dummy, n);
    const int32_t w = Int_to_UWord(PultFelder[size_t(AktFeldX)][size_t(AktFeldY)].LNCV[size_t(n)]);
    gespeicherterCode = w > 0 ? w % 10 : 0;
}

void AdrCodeAuswahl::schreiben(int n) const
{
    const int code = aaaacCode(rot->isChecked(), gruen->isChecked(), dummy->isChecked() ? gespeicherterCode : 0);
    Get_AAAAC_Feld(box, auto_, rot, gruen, code == 2 ? dummy : nullptr, code == 3 ? dummy : nullptr, n);
}
