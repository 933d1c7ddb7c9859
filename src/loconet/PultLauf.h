#pragma once
#include "loconet/LeitungsRuhe.h"
#include "loconet/PultModul.h"

#include <QString>
#include <cstdint>
#include <functional>

// How one attempt at a module ended: the result code of the step that
// failed (0 success) and whether the module may have been left in
// programming mode (a start request was sent and no end message since).
struct ModulVersuch {
    int32_t fehler = 0;
    bool imProgModus = false;
};

// One attempt at a module; it reports through the info lines itself.
using ModulArbeit = std::function<ModulVersuch(const PultModul&)>;

// How the work on one module ended.
enum class ModulAusgang { Erledigt, Uebersprungen, Abgebrochen };

// The frame of a desk action: while it lives menus, desk edits and closing
// the window are refused. It works the modules one by one and handles their
// failures with the error dialog.
class PultLauf {
public:
    // fehlerText: info line 1 after a failed module.
    explicit PultLauf(QString fehlerText);
    ~PultLauf();
    PultLauf(const PultLauf&) = delete;
    PultLauf& operator=(const PultLauf&) = delete;

    // Opens the port for the configured interface; on a failure info line 2
    // says so and false (open_com has told the user why).
    static bool portOeffnen();

    // Works on module m until an attempt succeeds, or the user chooses the
    // next module or the end in the error dialog. After a failure the next
    // attempt, here or at the next module, waits until the line fell quiet.
    ModulAusgang modul(const PultModul& m, const ModulArbeit& arbeit);

    // Every programmable module, column by column, each row of a column in
    // turn. False when the action was ended.
    bool alleModule(const ModulArbeit& arbeit);

    int uebersprungen() const { return ausgelassen; }

private:
    void fehlerBehandeln(const PultModul& m, const ModulVersuch& v);

    QString fehlerZeile1;
    int ausgelassen = 0;
    LeitungsRuhe ruhe;   // after a failed module, before the next request
};

// The field of module m blinks (phase: the picture shown next, 0 normal, 1
// highlighted); with sofort the highlighted picture shows at once.
void blinkenStarten(const PultModul& m, int phase, bool sofort = false);
// Blinking ends; the field shows its normal picture.
void blinkenBeenden(const PultModul& m);

// Sends a start request through anfrage (at the module's address, or the
// request answered by a pressed key). A module whose answer was lost may
// still have heard it and switched into programming mode: whatever the
// result, the attempt counts as in programming mode from here on, so that a
// failure sends the module its end of programming.
ModulVersuch startAnfragen(const std::function<void(int32_t& fehler)>& anfrage);

// Starts an attempt at module m: its field blinks, info line 1 shows
// zeile1 (line 2 is emptied when zeile2Leeren) and the module is switched
// into programming mode at its address (startAnfragen).
ModulVersuch versuchBeginnen(const PultModul& m, const QString& zeile1, bool zeile2Leeren = true);
// Ends an attempt whose work succeeded: programming mode off, blinking
// off, info line 1 shows okText and line 2 is emptied.
ModulVersuch versuchAbschliessen(const PultModul& m, ModulVersuch v, const QString& okText);

// "Zeile: y Spalte: x", the place of a failed module in info line 2.
QString ortText(const PultModul& m);

// The final text of a run that left modules out: "<aktion> unvollständig:
// <n> Module nicht <was>!".
QString unvollstaendig(const QString& aktion, int ausgelassen, const QString& was);
