#include "platform/Wait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace Warten {

namespace {
bool endet = false;

void beobachteEnde()
{
    static bool verbunden = false;
    if (verbunden || !QCoreApplication::instance())
        return;
    verbunden = true;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { endet = true; });
}
} // namespace

bool programmEndet()
{
    beobachteEnde();
    return endet;
}

bool bis(const std::function<bool()>& cond, int timeoutMs)
{
    if (cond())
        return true;
    if (programmEndet() || !QCoreApplication::instance())
        return false;

    QEventLoop loop;
    bool erfuellt = false;
    auto pruefe = [&] {
        if (cond()) {
            erfuellt = true;
            loop.quit();
        } else if (endet) {
            loop.quit();
        }
    };
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QMetaObject::Connection vorSchlaf;
    if (dispatcher)
        vorSchlaf = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, pruefe);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    QTimer zeit;
    if (timeoutMs >= 0) {
        zeit.setSingleShot(true);
        QObject::connect(&zeit, &QTimer::timeout, &loop, &QEventLoop::quit);
        zeit.start(timeoutMs);
    }
    loop.exec();
    QObject::disconnect(vorSchlaf);
    return erfuellt || cond();
}

bool pause(int timeoutMs)
{
    bis([] { return false; }, timeoutMs);
    return !programmEndet();
}

} // namespace Warten
