#pragma once
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <cstdint>
#include <deque>

// Simulated LocoNet modules as a test sees them through the line: they take
// the bytes the program sends and give back what real modules and interfaces
// would send, with faults to inject. The line itself (in-process or a
// pseudo-terminal) lies outside; this class only decides what answers when.

struct SimModul {
    uint16_t art = 0;                  // type number (article / 10)
    QVector<uint16_t> lncv;            // LNCV 0 is the module address
    bool tasteGedrueckt = false;       // programming key pressed: answers the broadcast start
    bool programmiermodus = false;
    QSet<int> verweigert;              // LNCVs whose write is refused
    qint64 besetztBisMs = 0;           // after a route memory's reset: deaf until then (steady clock)
    uint16_t adresse() const { return lncv.value(0); }
    // Writing 0 here resets the module to its factory values.
    int resetLncv() const { return art == 5467 ? 2048 : 119; }
};

// Bytes to send back, verzugMs after the message that caused them was complete.
struct SimSendung {
    QByteArray bytes;
    int verzugMs = 0;
    bool echo = false;    // the interface's echo, on the line together with the request
};

class LnModulSim {
public:
    // Adds a module; route memory 5467 has 2048 LNCVs and its reset LNCV
    // 2048, the others 128. Reads and writes of LNCVs beyond those are
    // refused (acknowledge code 0). A start request for another module
    // leaves a module in programming mode; only its end message ends it.
    // The reset (0 into the reset LNCV) clears every value; a desk module
    // keeps its address, a route memory falls back to address 1 and hears
    // nothing for resetPauseMs.
    SimModul& modul(uint16_t art, uint16_t adresse);
    int resetPauseMs = 400;

    QList<SimSendung> empfange(const QByteArray& bytes);

    QList<QByteArray> nachrichten;   // every intact LocoNet message received, in order
    int pruefbyteFehler = 0;         // messages received with a wrong check byte (ignored)
    QStringList textBefehle;         // text commands received by a command station

    int antwortVerzugMs = 0;

    // Other devices on the bus: sent once, together with the answers to the
    // next LNCV request, each verzugMs after that request (foreign acknowledges,
    // replies of other modules, any other traffic).
    QList<SimSendung> beiNaechsterAnfrage;

    // The fate of each of the next answers in turn, before the faults below:
    // Verloren, or a delay in ms (instead of antwortVerzugMs). A delay longer
    // than the program's wait makes a late answer.
    static constexpr int Verloren = -1;
    std::deque<int> folge;

    // Faults, each taking effect for that many of the next answers.
    int verloren = 0;                // no answer
    int fremderTyp = 0;              // answer naming another module type (bit 7 of its low byte flipped)
    int fremdeLncv = 0;              // answer naming another LNCV
    int fremderWert = 0;             // answer with another value (another address to a start request)
    int falschesPruefbyte = 0;
    int geteilt = 0;                 // answer in two pieces, teilPauseMs apart
    int fremdeMittendrin = 0;        // another message in the middle of the answer
    int teilPauseMs = 20;

    // The line repeats every answer to a key request: a copy follows each
    // that many ms after the answer.
    QList<int> tastenKopien;

    // A command station's PC port: text commands first, LocoNet after the second.
    bool zentrale = false;
    bool zentraleAntwortet = true;

private:
    QList<SimSendung> nachricht(const QByteArray& m);
    QList<SimSendung> textZeichen(char c);
    QList<QByteArray> antworten(const QByteArray& m);
    void zuruecksetzen(SimModul& mod) const;
    QList<SimSendung> mitStoerungen(QByteArray antwort);

    std::deque<SimModul> module;
    QByteArray teil;                 // message being received
    QByteArray textZeile;
    bool zentraleUmgeschaltet = false;
};

// Helpers for building and reading LNCV messages inside the simulator,
// written apart from the program's own so that the two check each other.
namespace SimLn {
QByteArray mitPruefbyte(QByteArray bytes);
QByteArray lncvAntwort(uint16_t art, uint16_t lncv, uint16_t wert);
QByteArray quittung(uint8_t code, uint8_t fuerOpcode = 0xED);   // long acknowledge of a request
bool pruefbyteStimmt(const QByteArray& m);
struct Lncv {
    uint8_t opcode, befehl, flags;
    uint16_t art, lncv, wert;
};
Lncv lies(const QByteArray& m);
} // namespace SimLn
