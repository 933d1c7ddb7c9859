#include "loconet/OpenCom.h"

#include "core/InfoLines.h"
#include "loconet/ComGeraete.h"
#include "loconet/LnPort.h"
#include "loconet/LnSenden.h"
#include "platform/MsgBox.h"
#include "project/ProgramConfig.h"

namespace {
const QString TitelOeffnen = QStringLiteral("ComPort öffnen");

// Opens COM ComPort at the given rate; a port that cannot be opened is reported with its device.
bool oeffne(qint32 baud, int stoppBits, bool rts)
{
    const QString geraet = comGeraet(ComPort);
    if (geraet.isEmpty()) {
        MsgBox(QStringLiteral("ComPort %1 ist keinem Gerät zugeordnet.\r\nLegen Sie im Ordner %2 "
                              "einen Verweis \"COM%1\" auf das Gerät an.").arg(ComPort).arg(geraeteVerz()),
               Msg::NurOk | Msg::Kritisch, TitelOeffnen);
        return false;
    }
    if (!Comm1->oeffnen(geraet, baud, stoppBits)) {
        MsgBox(QStringLiteral("ComPort %1 (%2) kann nicht geöffnet werden:\r\n%3")
                   .arg(ComPort).arg(geraet, Comm1->fehlerText()),
               Msg::NurOk | Msg::Kritisch, TitelOeffnen);
        return false;
    }
    Comm1->setzeLeitungen(false, rts);
    return true;
}

// Sends a text command and waits up to 5 s for an answer containing "]".
// The answer is read here, not by the reply capture.
bool textBefehl(const QString& befehl)
{
    int32_t fehler = 0;
    send_str(befehl + QChar(13), fehler);
    if (fehler != 0)
        return false;
    QByteArray antwort;
    setzeTextEmpfang(true);
    const bool ok = warteHoechstens([&] {
        antwort += Comm1->lesen();
        return antwort.contains(']');
    }, 5000);
    setzeTextEmpfang(false);
    return ok;
}

// The command station's PC port: two text commands switch it to LocoNet at 19200 baud.
bool zentraleUmschalten()
{
    InfoTxt_anzeigen(2, QStringLiteral("ComPort wird geöffnet"));
    Timer1->stop();
    if (!oeffne(2400, 2, true))
        return false;
    Comm1->setzeBreak(true);
    delay(1.0);
    Comm1->setzeBreak(false);
    delay(0.3);
    bool ok = textBefehl(QStringLiteral("xB19200"));
    if (ok) {
        delay(0.3);
        Comm1->schliessen();
        if (!oeffne(19200, 2, true))
            return false;
        ok = textBefehl(QStringLiteral("x&LN$D2C7"));
    }
    if (!ok) {
        // Closed again, so that the next attempt starts the switch-over afresh.
        Comm1->schliessen();
        MsgBox(QStringLiteral("ComPort: Keine Kommunikation!"), Msg::NurOk | Msg::Kritisch, TitelOeffnen);
        return false;
    }
    Comm1->eingabeVerwerfen();
    InfoTxt_anzeigen(2, QString());
    return true;
}

// The serial LocoNet interface runs at 115200 / 7 baud, only on COM1 or COM2.
bool interfaceOeffnen()
{
    if (ComPort != 1 && ComPort != 2) {
        MsgBox(QStringLiteral("Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!"),
               Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler"));
        return false;
    }
    Timer1->stop();
    if (!oeffne(115200 / 7, 2, true))
        return false;
    Comm1->eingabeVerwerfen();
    InfoTxt_anzeigen(2, QStringLiteral("LocoNet Interface wird geöffnet"));
    Timer1->start();
    return true;
}

bool usbOeffnen()
{
    Timer1->stop();
    return oeffne(115200, 1, false);
}
} // namespace

void open_com(int32_t& Fehler)
{
    if (Comm1->offen())
        return;
    bool ok;
    if (ComPort == 0) {
        // The settings of a first start hold no port yet.
        MsgBox(QStringLiteral("Es ist noch kein ComPort gewählt.\r\nWählen Sie ihn unter \"Pult\" > \"ComPort\"."),
               Msg::NurOk | Msg::Kritisch, TitelOeffnen);
        ok = false;
    } else if (LocoNetInterface == 0)
        ok = zentraleUmschalten();
    else if (USBInterface == 0)
        ok = interfaceOeffnen();
    else
        ok = usbOeffnen();
    if (!ok)
        Fehler = 1;
}
