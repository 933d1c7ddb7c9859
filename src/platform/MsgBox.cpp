#include "platform/MsgBox.h"

#include "platform/WindowFit.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

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

// The lines of a message are broken where its text says; the box would wrap
// every line wider than 500 pixels once more ("... geöffnet" / "wurde,").
// Its text gets the width of its widest line, as far as the screen allows.
void zeilenGanzLassen(QMessageBox& box, const QString& zeilen)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    int breite = 0;
    for (const QString& zeile : zeilen.split(QLatin1Char('\n')))
        breite = std::max(breite, label->fontMetrics().horizontalAdvance(zeile));
    // The box never grows past this (the screen less room for its icon and frame).
    const int schirm = box.screen()->availableGeometry().width();
    const int grenze = (schirm <= 1024 ? schirm : std::min(schirm - 480, 1000)) - 120;
    label->setMinimumWidth(std::min(breite + 1, grenze));
}

// A message box takes its final size only as it is shown: it is centred over
// the asking window then, before the window system shows it.
class Meldungsfenster : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e);
        mittigUeberEigner(this);
    }
};

// A box over a window that stays above the others (a route step dialog)
// stays above them as well, or the window manager stacks it underneath.
bool einFensterBleibtOben()
{
    const QWidgetList fenster = QApplication::topLevelWidgets();
    return std::any_of(fenster.cbegin(), fenster.cend(), [](const QWidget* w) {
        return w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
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
    Meldungsfenster box(iconOf(stil), titel, zeilen, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint, einFensterBleibtOben());
    zeilenGanzLassen(box, zeilen);
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
