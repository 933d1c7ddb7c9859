#pragma once
#include <QString>
#include <functional>

// Message boxes with German buttons. Buttons, icons and answers keep the
// values of the classic message-box call, so callers read like the dialogs
// they stand for: MsgBox(text, Msg::JaNein | Msg::Kritisch, "Achtung!").
namespace Msg {
enum : int {
    NurOk = 0, OkAbbrechen = 1, AbbrechenWiederholenIgnorieren = 2, JaNeinAbbrechen = 3, JaNein = 4,
    WiederholenAbbrechen = 5,
    Kritisch = 16, Frage = 32, Ausruf = 48, Information = 64,
};
enum Antwort : int { Ok = 1, Abbrechen = 2, Abbruch = 3, Wiederholen = 4, Ignorieren = 5, Ja = 6, Nein = 7 };
} // namespace Msg

int MsgBox(const QString& text, int stil = Msg::NurOk, const QString& titel = QStringLiteral("Tessaro-Edit"));

// One message box as it was asked for; tests install a responder that sees
// every box and answers it instead of the user.
struct MsgBoxAufruf {
    QString text;
    int stil = 0;
    QString titel;
};
using MsgBoxResponder = std::function<int(const MsgBoxAufruf&)>;
void setzeMsgBoxResponder(MsgBoxResponder responder);
