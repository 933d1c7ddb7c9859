#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
MsgBoxResponder responder;

QMessageBox::Icon iconOf(int stil)
{
    switch (stil & 0x70) {
    case Msg::Kritisch: return QMessageBox::Critical;
    case Msg::Frage: return QMessageBox::Question;
    case Msg::Ausruf: return QMessageBox::Warning;
    case Msg::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct Knopf {
    const char* text;
    int antwort;
    QMessageBox::ButtonRole rolle;
};

QList<Knopf> knoepfeOf(int stil)
{
    switch (stil & 0x0F) {
    case Msg::OkAbbrechen:
        return {{"OK", Msg::Ok, QMessageBox::AcceptRole}, {"Abbrechen", Msg::Abbrechen, QMessageBox::RejectRole}};
    case Msg::AbbrechenWiederholenIgnorieren:
        return {{"Abbrechen", Msg::Abbruch, QMessageBox::RejectRole},
                {"Wiederholen", Msg::Wiederholen, QMessageBox::AcceptRole},
                {"Ignorieren", Msg::Ignorieren, QMessageBox::AcceptRole}};
    case Msg::JaNeinAbbrechen:
        return {{"Ja", Msg::Ja, QMessageBox::YesRole}, {"Nein", Msg::Nein, QMessageBox::NoRole},
                {"Abbrechen", Msg::Abbrechen, QMessageBox::RejectRole}};
    case Msg::JaNein:
        return {{"Ja", Msg::Ja, QMessageBox::YesRole}, {"Nein", Msg::Nein, QMessageBox::NoRole}};
    case Msg::WiederholenAbbrechen:
        return {{"Wiederholen", Msg::Wiederholen, QMessageBox::AcceptRole},
                {"Abbrechen", Msg::Abbrechen, QMessageBox::RejectRole}};
    default:
        return {{"OK", Msg::Ok, QMessageBox::AcceptRole}};
    }
}
} // namespace

void setzeMsgBoxResponder(MsgBoxResponder r)
{
    responder = std::move(r);
}

int MsgBox(const QString& text, int stil, const QString& titel)
{
    if (responder)
        return responder({text, stil, titel});

    QString zeilen = text;
    zeilen.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(iconOf(stil), titel, zeilen, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<Knopf> knoepfe = knoepfeOf(stil);
    QList<QPushButton*> buttons;
    for (const Knopf& k : knoepfe)
        buttons << box.addButton(QString::fromLatin1(k.text), k.rolle);
    // Closing the box through its frame answers like its cancel button, or OK.
    box.setEscapeButton(buttons.size() == 2 && knoepfe[1].antwort == Msg::Nein ? buttons[1] : buttons.last());
    box.exec();
    for (int i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return knoepfe[i].antwort;
    return knoepfe.last().antwort;
}
