#pragma once
#include <QByteArray>
#include <array>
#include <cstdint>

// Building and reading LocoNet messages, free of any port: words in, bytes out.

// A message being put together: one byte (0..255) per word, without its check byte.
using LnPuffer = std::array<int16_t, 21>;

namespace LnOpcode {
constexpr uint8_t Quittung = 0xB4;      // long acknowledge
constexpr uint8_t PeerTransfer = 0xE5;  // LNCV reply, end of programming
constexpr uint8_t SlotDaten = 0xE7;
constexpr uint8_t Direktpaket = 0xED;   // LNCV start, read, write
constexpr uint8_t Fahrregler = 0xE4;    // throttle set-up
} // namespace LnOpcode

namespace LncvBefehl {
constexpr uint8_t Schreiben = 0x20;
constexpr uint8_t Lesen = 0x21;         // also start and end of programming
constexpr uint8_t LeseAntwort = 0x1F;
} // namespace LncvBefehl

// Index of the last word of an LNCV message and of the throttle message.
constexpr int LncvLetztesWort = 13;
constexpr int FahrreglerLetztesWort = 6;

// 0xFF xor words 0..letzter (low eight bits of each).
uint8_t pruefbyte(const LnPuffer& puffer, int letzter);

// The bytes on the wire: words 0..letzter followed by the check byte.
QByteArray mitPruefbyte(const LnPuffer& puffer, int letzter);

// Moves bit 7 of words 7..13 into word 6 (bit i-7 for word i) and clears it there.
void make_pxct1(LnPuffer& puffer);

// The five LNCV requests, folded and ready for sending (words 0..13).
namespace LncvNachricht {
void progOnTaste(LnPuffer& p);
void progOn(LnPuffer& p, int32_t art, int32_t adr);
void lesen(LnPuffer& p, int32_t art, int32_t lncvNr);
void schreiben(LnPuffer& p, int32_t art, int32_t lncvNr, int32_t wert);
void progOff(LnPuffer& p, int32_t art, int32_t adr);
} // namespace LncvNachricht

// An LNCV message as received: fields unfolded (high bits from PXCT1), numbers
// as unsigned 16-bit values.
struct LncvFelder {
    uint8_t befehl = 0;
    uint16_t art = 0;
    uint16_t lncvNr = 0;
    uint16_t wert = 0;
    bool istLeseAntwort() const { return befehl == LncvBefehl::LeseAntwort; }
};

// Reads the 15 bytes of an 0xE5 row of the reply table.
LncvFelder leseLncvFelder(const int16_t* zeile);

// The long acknowledge of an LNCV request (B4 6D code) names the request's
// opcode 0xED without its bit 7. Its code is 0x7F when the module accepted.
constexpr uint8_t LncvQuittiert = LnOpcode::Direktpaket & 0x7F;
constexpr uint8_t QuittungAngenommen = 0x7F;

// The code of the 0xB4 row when it acknowledges an LNCV request; -1 for an
// acknowledge of anything else.
int lncvQuittungsCode(const int16_t* zeile);

// The throttle set-up message for receiver address a in words 0..6. False (and
// the buffer untouched) when a is outside 1..4095 or its low byte has bit 7
// set: a data byte with bit 7 would be taken for an opcode on LocoNet.
bool baueFahrreglerNachricht(LnPuffer& p, int32_t a);
