#include "loconet/PultFehlMeldung.h"

#include "core/MainWindow.h"
#include "loconet/DeskActions.h"
#include "platform/SingleWindow.h"
#include "platform/Wait.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
std::function<int()> antwortGeber;

// The title names the desk action that is running.
QString titelDerAktion()
{
    switch (PultMenuIndex) {
    case 1: return QStringLiteral("Pult auslesen");
    case 3:
    case 4: return QStringLiteral("Pult initialisieren");
    case 5: return QStringLiteral("Pult löschen");
    default: return QStringLiteral("Pult programmieren");
    }
}
} // namespace

PultFehlMeldung_Form* PultFehlMeldung_Form::instanz()
{
    return &einzigesFenster<PultFehlMeldung_Form>(hauptFensterWidget());
}

PultFehlMeldung_Form::PultFehlMeldung_Form(QWidget* parent) : AbbruchDialog(parent)
{
    setObjectName(QStringLiteral("PultFehlMeldung_Form"));
    setProperty("Tag", QStringLiteral("-1"));
    auto* raster = new QGridLayout(this);
    const QString texte[3] = {QStringLiteral("neuer Versuch beim gleichen Modul "), QStringLiteral("oder"),
                              QStringLiteral("nächstes Modul")};
    const QString knoepfe[3] = {QStringLiteral("nochmal"), QStringLiteral("nächstes"), QStringLiteral("Abbruch")};
    for (int i = 0; i < 3; ++i) {
        auto* text = new QLabel(texte[i], this);
        text->setAlignment(Qt::AlignCenter);
        raster->addWidget(text, 0, i);
        EXIT_But[i] = new QPushButton(knoepfe[i], this);
        EXIT_But[i]->setObjectName(QStringLiteral("EXIT_But(%1)").arg(i));
        connect(EXIT_But[i], &QPushButton::clicked, this, [this, i] { EXIT_But_Click(i); });
    }
    // Each choice under its text, "Abbruch" on a line of its own below.
    raster->addWidget(EXIT_But[0], 1, 0);
    raster->addWidget(EXIT_But[1], 1, 2);
    raster->addWidget(EXIT_But[2], 2, 1);
}

void PultFehlMeldung_Form::EXIT_But_Click(int index)
{
    setProperty("Tag", QString::number(index));
    hide();
}

bool PultFehlMeldung_Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        setWindowTitle(titelDerAktion());
    return AbbruchDialog::event(e);
}

int PultFehlMeldung_fragen()
{
    if (antwortGeber)
        return antwortGeber();
    PultFehlMeldung_Form* form = PultFehlMeldung_Form::instanz();
    form->setProperty("Tag", QStringLiteral("-1"));
    form->setWindowTitle(titelDerAktion());
    form->show();
    form->raise();
    form->activateWindow();
    const auto antwort = [form] { return form->property("Tag").toString().toInt(); };
    if (!Warten::bis([&] { return antwort() != -1; })) {
        form->hide();
        return PultFehler::Abbruch;
    }
    return antwort();
}

void setzePultFehlMeldungResponder(std::function<int()> responder)
{
    antwortGeber = std::move(responder);
}
