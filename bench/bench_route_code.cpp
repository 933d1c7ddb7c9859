// Builds the route memory code of a full route table: 301 routes with 100
// commands in both lists, of every command type, into five route memories,
// packed and aligned, and prints how long each build took (goal: under 50 ms).
#include "BenchRoutes.h"
#include "BenchSupport.h"

#include "config/AddressOptions.h"
#include "platform/MsgBox.h"
#include "routes/RouteMemoryCode.h"

#include <QApplication>

int main(int argc, char** argv)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Ok); });
    routenspeicherSetzen();
    messen("301 routes, 2 x 100 commands each: filling the table", routenFuellen);
    for (int a : {0, 16}) {
        AdrOpt.AdrOpt_FahrstFolgenStart = int16_t(a);
        messen(a == 0 ? "route memory code, packed" : "route memory code, aligned to 16", make_54670_code);
    }
    return FSSpeicher[0].LetzteLNCV > 5 ? 0 : 1;
}
