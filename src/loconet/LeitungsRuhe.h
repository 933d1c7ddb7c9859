#pragma once
#include <QElapsedTimer>
#include <QMetaObject>

// After a module failed, answers to its requests may still be on their way;
// after a key press its answer may come again, repeated by the line. LNCV
// answers name the module type, not the module, so the next module of the
// same type would take such an answer for its own. From beginnen()
// on every byte that arrives restarts the watch; abwarten() returns once the
// line was quiet for StilleMs (or HoechstensMs after beginnen() on a line
// that never falls quiet) and drops whatever arrived.
class LeitungsRuhe {
public:
    LeitungsRuhe() = default;
    ~LeitungsRuhe();
    LeitungsRuhe(const LeitungsRuhe&) = delete;
    LeitungsRuhe& operator=(const LeitungsRuhe&) = delete;

    void beginnen();
    // Returns at once when nothing was begun.
    void abwarten();

    // Twice the longest wait for an answer (0.5 s for an LNCV request): an
    // answer later than that counts as lost for good.
    static constexpr int StilleMs = 1000;
    static constexpr int HoechstensMs = 5000;

private:
    QElapsedTimer seitBeginn, stille;
    QMetaObject::Connection wache;
};
