#include "routes/RouteTable.h"

#include "platform/MsgBox.h"

void alleFahrstrassenLoeschen()
{
    FSDaten.fill(LeerFahrstrasse);
    FSSpeicher.fill(FSSpeicherModul{});
    FSAnzahl = -1;
}

int RouteSaveAnz(int route, int liste)
{
    if (route < 0 || route > FSMax || liste < 0 || liste > 1)
        return 0;
    const auto& befehle = FSDaten[size_t(route)].Route[size_t(liste)];
    for (int j = 100; j >= 1; --j)
        if (befehle[size_t(j)][6] != 0 && befehle[size_t(j)][7] != 0)
            return j;
    return 0;
}

void FS_new()
{
    MsgBox(QStringLiteral("Die Festlegung neuer Fahrstraßen ist in dieser Programmversion noch nicht verfügbar."),
           Msg::NurOk | Msg::Information, QStringLiteral("Fahrstraßen"));
}

bool FS_Warnung_Pruefen()
{
    if (FSAnzahl == -1 || FSWarnungAus == 1)
        return true;
    const int antwort = MsgBox(QStringLiteral("Diese Änderung kann bestehende Fahrstraßen ungültig machen.\r\n"
                                              "Trotzdem ausführen?"),
                               Msg::JaNein | Msg::Ausruf, QStringLiteral("Achtung!"));
    return antwort == Msg::Ja;
}

void make_54670_code()
{
    // The route memory code is built from the route table; with no routes
    // defined there is nothing to place.
}

void RefreshFSin54660()
{
    // Route slots are written from the route table; with no routes there is
    // nothing to rewrite.
}
