#include "loconet/ComPortWahl.h"

#include "loconet/ComGeraete.h"
#include "loconet/LnPort.h"
#include "project/ProgramConfig.h"

#include <QRegularExpression>

namespace {
bool nurZiffern(const QString& text)
{
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]{1,9}$"));
    return ziffern.match(text).hasMatch();
}
} // namespace

int interfaceTyp(int16_t locoNetInterface, int16_t usbInterface)
{
    if (locoNetInterface == 0)
        return Zentrale;
    return usbInterface == 0 ? SeriellesInterface : UsbInterface;
}

int comNummer(const QString& text)
{
    if (!nurZiffern(text))
        return 0;
    const int n = text.toInt();
    return n >= 1 && n <= 255 ? n : 0;
}

QString geraeteAnzeige(int nummer)
{
    if (nummer == 0)
        return QStringLiteral("Gerät: -");
    const QString geraet = comGeraet(nummer);
    if (geraet.isEmpty())
        return QStringLiteral("Gerät: keines (Verweis \"COM%1\" in %2 fehlt)").arg(nummer).arg(geraeteVerz());
    return QStringLiteral("Gerät: ") + geraet;
}

void comPortUebernehmen(int typ, int nummer)
{
    if (Comm1 && Comm1->offen())
        Comm1->schliessen();
    ComPort = int16_t(nummer);
    LocoNetInterface = typ != Zentrale ? -1 : 0;
    USBInterface = typ == UsbInterface ? -1 : 0;
    Save_conf();
}
