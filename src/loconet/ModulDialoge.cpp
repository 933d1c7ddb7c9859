#include "loconet/ModulDialoge.h"

#include "loconet/LnPort.h"
#include "loconet/LnSenden.h"
#include "loconet/OpenCom.h"
#include "platform/MsgBox.h"
#include "platform/Wait.h"

namespace {
void zeigenUndWarten(const std::function<void()>& zeigen)
{
    if (!zeigen)
        return;
    DialogFertig = 0;
    zeigen();
    Warten::bis([] { return DialogFertig == 1; });
}

const QString TitelFahrregler = QStringLiteral("Fahrregler programmieren");
} // namespace

void Fahrregler_programmieren()
{
    zeigenUndWarten(Fahrregler_Form_zeigen);
}

void Anschlussmodul_konfigurieren()
{
    zeigenUndWarten(Anschlussmodul_Form_zeigen);
}

void Fahrregler_Adresse_senden(int32_t adresse)
{
    if (!baueFahrreglerNachricht(LN_Sende, adresse)) {
        MsgBox(QStringLiteral("Die Empfängeradresse %1 kann nicht übertragen werden.\r\n"
                              "Adressen von 1 bis 4095, deren Rest bei Teilung durch 256 höchstens 127 "
                              "ist, sind möglich.").arg(adresse),
               Msg::NurOk | Msg::Kritisch, TitelFahrregler);
        return;
    }
    int32_t fehler = 0;
    open_com(fehler);
    if (fehler != 0)
        return;
    send(LN_Sende, FahrreglerLetztesWort, fehler);
    if (fehler != 0)
        MsgBox(QStringLiteral("LocoNet-Befehl konnte nicht gesendet werden!"), Msg::NurOk | Msg::Kritisch,
               TitelFahrregler);
}
