#include "routes/KeyChoiceDialog.h"

#include "core/CatalogueState.h"
#include "core/MainWindow.h"
#include "platform/FlexGridView.h"
#include "platform/SingleWindow.h"
#include "platform/Wait.h"
#include "platform/WindowFit.h"
#include "routes/RouteElementRoles.h"
#include "routes/RouteStepState.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {
constexpr int Abbruch = 3;

// Just below desk field (x, y) of the address grid.
QPoint nebenFeld(int x, int y)
{
    const MainWindow* haupt = hauptFensterWidget();
    const QPoint ecke = haupt ? haupt->pos() : QPoint();
    QPoint p(ecke.x() + FeldBreite * x, ecke.y() + FeldHoehe * y + 26 * (y - 1));
    if (haupt && haupt->PultAdr->isVisible()) {
        const QRect zelle = haupt->PultAdr->visualRect(haupt->PultAdr->model()->index(3 * y, x));
        if (zelle.isValid())
            p = haupt->PultAdr->viewport()->mapToGlobal(zelle.bottomLeft() + QPoint(0, 2));
    }
    return p;
}
} // namespace

Fst_ZT_3TM_Form::Fst_ZT_3TM_Form() : AbbruchDialog(hauptFensterWidget())
{
    setObjectName(QStringLiteral("Fst_ZT_3TM_Form"));
    setWindowTitle(QStringLiteral("3 Tasten Module als Zieltaste gewählt"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* reihe = new QHBoxLayout(this);
    const QString texte[4] = {QStringLiteral("linke Taste"), QStringLiteral("mittlere Taste"),
                              QStringLiteral("rechte Taste"), QStringLiteral("Abbruch")};
    for (int i = 0; i < 4; ++i) {
        Taste[size_t(i)] = new QPushButton(texte[i], this);
        Taste[size_t(i)]->setObjectName(QStringLiteral("Taste(%1)").arg(i));
        Taste[size_t(i)]->setAutoDefault(false);
        connect(Taste[size_t(i)], &QPushButton::clicked, this, [i] { ZT3TMTaste = int16_t(i); });
        reihe->addWidget(Taste[size_t(i)]);
    }
    reihe->setSizeConstraint(QLayout::SetFixedSize);
}

void Fst_ZT_3TM_Form::abbrechen()
{
    ZT3TMTaste = Abbruch;
}

Fst_ZT_3TM_Form& FstZT3TM()
{
    return einzigesFenster<Fst_ZT_3TM_Form>();
}

int FS_Ziel3TM_Auswahl(int x, int y)
{
    Fst_ZT_3TM_Form& d = FstZT3TM();
    for (int k = 0; k < 3; ++k)
        d.Taste[size_t(k)]->setEnabled(dreiTastenZiel(x, y, k));
    ZT3TMTaste = -1;
    rahmenVerschieben(&d, nebenFeld(x, y));   // kept on the screen
    d.show();
    d.raise();
    d.activateWindow();
    // A step dialog answered meanwhile (its cancel) ends the choice as well.
    Warten::bis([] { return ZT3TMTaste != -1 || FSBestaet != FSAntwort::Warten; });
    if (ZT3TMTaste == -1)
        ZT3TMTaste = Abbruch;
    d.hide();
    return ZT3TMTaste;
}
