// The cost of one pass of the event loop in which nothing changed, on a built
// desk whose route memory code follows every change: without routes and with
// a full route table (301 routes, 2 x 100 commands each). A pass that changed
// nothing has nothing to rebuild, so both should cost the same.
#include "BenchRoutes.h"
#include "BenchSupport.h"

#include "platform/MsgBox.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteMemoryCode.h"

#include <QApplication>
#include <QEventLoop>

namespace {
constexpr int Durchlaeufe = 2000;

// Milliseconds per pass: a zero timer wakes the loop once per pass.
double proDurchlauf()
{
    QEventLoop schleife;
    QTimer wecker;
    wecker.setInterval(0);
    int uebrig = Durchlaeufe;
    QObject::connect(&wecker, &QTimer::timeout, &schleife, [&] {
        if (--uebrig == 0)
            schleife.quit();
    });
    QElapsedTimer uhr;
    uhr.start();
    wecker.start();
    schleife.exec();
    return uhr.nsecsElapsed() / 1e6 / Durchlaeufe;
}

void zeigen(const char* was, double ms)
{
    std::printf("%-52s %8.3f ms\n", was, ms);
}
} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Ok); });
    routenspeicherSetzen();
    PultAufgebaut = true;
    fsCodeFolgtDemPultAnmelden();
    proDurchlauf();   // the first passes set the loop up
    zeigen("event-loop pass, nothing changed, no routes", proDurchlauf());
    routenFuellen();
    make_54670_code();
    proDurchlauf();
    zeigen("event-loop pass, nothing changed, 301 routes", proDurchlauf());
    return FSSpeicher[0].LetzteLNCV > 5 ? 0 : 1;
}
