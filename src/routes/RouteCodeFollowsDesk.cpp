#include "routes/RouteCodeFollowsDesk.h"

#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "routes/RouteMemoryCode.h"
#include "routes/RouteTable.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace {
uint32_t gebautFuer = 0;   // the count of changes the code was last rebuilt for
}

// A rebuild with words (a route defined, a route memory placed, a load) leaves
// the count alone: the path may change more after it, and the next reader
// rebuilds once more.
void fsCodeNachfuehren()
{
    if (!PultAufgebaut || FSinArbeit || gebautFuer == werteStand())
        return;
    gebautFuer = werteStand();
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
