#include "core/HelpWindow.h"

#include "core/MainWinState.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<QTextBrowser> fenster;

QTextBrowser* fensterAnlegen()
{
    if (!fenster) {
        fenster = new QTextBrowser;
        fenster->setObjectName(QStringLiteral("Hilfe"));
        fenster->setWindowTitle(QStringLiteral("Tessaro-Edit Hilfe"));
        fenster->setAttribute(Qt::WA_QuitOnClose, false);
        fenster->setOpenLinks(true);
        fenster->resize(640, 520);
        qAddPostRoutine([] { delete fenster; });
    }
    return fenster;
}

// The context number of the window that has the keyboard: a dialog keeps its
// own, every other window uses the main window's.
int kontextVon(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        const QVariant eigener = w->property("HelpContextID");
        if (eigener.isValid())
            return eigener.toInt();
        if (w->isWindow())
            break;
    }
    return MainWin().HelpContextID;
}

class HilfeTaste : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1
            || !ziel->isWidgetType())
            return false;
        hilfeZeigen(kontextVon(static_cast<QWidget*>(ziel)));
        return true;
    }
};
} // namespace

void hilfeZeigen(int kontext)
{
    QTextBrowser* b = fensterAnlegen();
    const QString seite = programmVerz() + QStringLiteral("Hilfe/index.html");
    if (QFileInfo::exists(seite)) {
        QUrl url = QUrl::fromLocalFile(seite);
        url.setFragment(QStringLiteral("h%1").arg(kontext));
        b->setSource(url);
        b->scrollToAnchor(url.fragment());
    } else {
        b->setPlainText(QStringLiteral("Die Hilfeseite \"%1\" fehlt.").arg(seite));
    }
    b->show();
    b->raise();
    b->activateWindow();
}

void hilfeTasteAnmelden()
{
    static HilfeTaste* filter = new HilfeTaste(qApp);
    qApp->installEventFilter(filter);
}

QTextBrowser* hilfeFenster()
{
    return fenster;
}
