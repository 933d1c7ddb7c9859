#include "routes/RouteCodeFollowsDesk.h"

#include "core/Desk.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteTable.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

// A route being defined or edited joins the code when that ends: the end
// rebuilds it and names what did not fit.
void fsCodeNachfuehren()
{
    if (PultAufgebaut && !FSinArbeit)
        fsCodeErneuern();
}

void fsCodeFolgtDemPultAnmelden()
{
    static QMetaObject::Connection verbindung;
    if (verbindung)
        return;
    verbindung = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                  QCoreApplication::instance(), &fsCodeNachfuehren);
}
