#include "routes/RouteWarning.h"

#include "core/EditFrame.h"
#include "core/MainWindow.h"
#include "platform/SingleWindow.h"
#include "platform/Wait.h"
#include "routes/RouteTable.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {
std::function<int()> antwortGeber;
bool wartet = false;
const QString WartetNoch = QStringLiteral("-1");
} // namespace

Warnung_Fs_form* Warnung_Fs_form::instanz()
{
    return &einzigesFenster<Warnung_Fs_form>(hauptFensterWidget());
}

Warnung_Fs_form::Warnung_Fs_form(QWidget* parent) : AbbruchDialog(parent)
{
    setObjectName(QStringLiteral("Warnung_Fs_form"));
    setWindowTitle(QStringLiteral("Warnung!"));
    setProperty("Tag", WartetNoch);
    auto* spalte = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Durch diese Operation können die bestehenden Fahrstraßen ungültig werden "
                                       "und müssen gelöscht und neu festgelegt werden."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(360);
    spalte->addWidget(Label1);
    NotChk = new QCheckBox(QStringLiteral("diese Meldung nicht mehr anzeigen"), this);
    NotChk->setObjectName(QStringLiteral("NotChk"));
    spalte->addWidget(NotChk);
    auto* knoepfe = new QHBoxLayout;
    const QString texte[2] = {QStringLiteral("Abbruch"), QStringLiteral("Ausführen")};
    for (int i : {Ausfuehren, Abbruch}) {
        Button[i] = new QPushButton(texte[i], this);
        Button[i]->setObjectName(QStringLiteral("Button(%1)").arg(i));
        knoepfe->addWidget(Button[i]);
        connect(Button[i], &QPushButton::clicked, this, [this, i] { Button_Click(i); });
    }
    spalte->addLayout(knoepfe);
    Button[Ausfuehren]->setAutoDefault(false);
    Button[Abbruch]->setDefault(true);
}

void Warnung_Fs_form::Button_Click(int index)
{
    setProperty("Tag", QString::number(index));
    hide();
}

bool Warnung_Fs_form::event(QEvent* e)
{
    // Enter answers "Abbruch": the cancel button has the focus and is the default.
    if (e->type() == QEvent::WindowActivate)
        Button[Abbruch]->setFocus();
    return AbbruchDialog::event(e);
}

namespace {
// Shows the warning and waits for its answer; true for "Ausführen".
bool warnungFragen()
{
    Warnung_Fs_form* form = Warnung_Fs_form::instanz();
    form->setProperty("Tag", WartetNoch);
    form->show();
    form->raise();
    form->activateWindow();
    form->Button[Warnung_Fs_form::Abbruch]->setFocus();
    const auto antwort = [form] { return form->property("Tag").toString().toInt(); };
    if (!Warten::bis([&] { return antwort() != -1; })) {
        form->hide();
        return false;
    }
    if (form->NotChk->isChecked())
        FSWarnungAus = 1;
    return antwort() == Warnung_Fs_form::Ausfuehren;
}
} // namespace

bool FS_Warnung_Pruefen()
{
    if (FSAnzahl < 0 || FSWarnungAus == 1)
        return true;
    // Another edit while the warning still waits for its answer is refused.
    if (wartet)
        return false;
    const uint32_t rahmen = bearbeitungsRahmen();
    const QScopedValueRollback<bool> fragt(wartet, true);
    const bool ausfuehren = antwortGeber ? antwortGeber() == Warnung_Fs_form::Ausfuehren : warnungFragen();
    // A desk loaded or created, its settings applied, the plan locked or the
    // edit mode changed meanwhile: the edit was asked for a desk no longer shown.
    return ausfuehren && rahmen == bearbeitungsRahmen();
}

void setzeFSWarnungResponder(std::function<int()> responder)
{
    antwortGeber = std::move(responder);
}
