#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <set>

// When the message "Fahrstraßen im Signalmodul" about release feedbacks left
// out of the route slots is due. It keeps what the user was last told, so a
// rewrite of all slots after an unrelated change brings nothing back.

// A release feedback left out of a slot: the slot (start field, slot number)
// and the address that did not fit.
struct AusgelasseneFreimeldung {
    int x = 0, y = 0, slot = 0;
    int32_t adresse = 0;
    auto operator<=>(const AusgelasseneFreimeldung&) const = default;
};
using AusgelasseneFreimeldungen = std::set<AusgelasseneFreimeldung>;

class FreimeldungsHinweis {
public:
    // All slots were rewritten and `jetzt` is left out. Due when that differs
    // from what the user was told: a slot newly left out, left out with another
    // address, or one that fits again while others stay left out.
    bool nachAuffrischen(const AusgelasseneFreimeldungen& jetzt);

    // One route's slot was written for a change of that route; `eintrag` is
    // its left-out release feedback (none when it fit) and `jetzt` all that
    // are left out now. Due whenever that route's feedback is left out.
    bool nachSchreiben(const std::optional<AusgelasseneFreimeldung>& eintrag, const AusgelasseneFreimeldungen& jetzt);

    // A new route table: nothing was told about it yet.
    void vergessen() { bekannt.clear(); }

private:
    AusgelasseneFreimeldungen bekannt;
};
