#include "routes/RouteSlotNotice.h"

#include <algorithm>
#include <iterator>

bool FreimeldungsHinweis::nachAuffrischen(const AusgelasseneFreimeldungen& jetzt)
{
    const bool anders = jetzt != bekannt && !jetzt.empty();
    bekannt = jetzt;
    return anders;
}

bool FreimeldungsHinweis::nachSchreiben(const std::optional<AusgelasseneFreimeldung>& eintrag,
                                         const AusgelasseneFreimeldungen& jetzt)
{
    // What no longer holds is forgotten (the route's former slot or address);
    // what the user was not told about yet stays for the next rewrite of all slots.
    AusgelasseneFreimeldungen bleibt;
    std::set_intersection(bekannt.begin(), bekannt.end(), jetzt.begin(), jetzt.end(),
                          std::inserter(bleibt, bleibt.end()));
    bekannt = std::move(bleibt);
    if (eintrag)
        bekannt.insert(*eintrag);
    return eintrag.has_value();
}
