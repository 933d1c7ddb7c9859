#include "loconet/LeitungsRuhe.h"

#include "loconet/LnAntwort.h"
#include "loconet/LnPort.h"
#include "platform/Wait.h"

#include <algorithm>

LeitungsRuhe::~LeitungsRuhe()
{
    QObject::disconnect(wache);
}

void LeitungsRuhe::beginnen()
{
    QObject::disconnect(wache);
    seitBeginn.start();
    stille.start();
    if (Comm1)
        wache = QObject::connect(Comm1, &LnLeitung::datenDa, Comm1, [this] { stille.restart(); });
}

void LeitungsRuhe::abwarten()
{
    if (!seitBeginn.isValid())
        return;
    for (;;) {
        const qint64 rest = std::min(StilleMs - stille.elapsed(), HoechstensMs - seitBeginn.elapsed());
        if (rest <= 0 || !Warten::pause(int(rest)))
            break;
    }
    QObject::disconnect(wache);
    seitBeginn.invalidate();
    if (Comm1)
        Comm1->eingabeVerwerfen();
    LN_ErfassungAbbrechen();
    LN_AntwortLeeren();
}
