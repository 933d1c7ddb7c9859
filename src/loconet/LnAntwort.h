#pragma once
#include <cstdint>
#include <functional>

// The reply table: per captured opcode the last complete, intact message.
//   row 0: 0xB4 (4 bytes), row 1: 0xE5 (15), row 2: 0xED (15), row 3: 0xE7 (14), row 4 unused.
// Columns hold the bytes in the order received; column 33 is -1 once the row
// holds a complete message. Only the capture sets the mark; only the LNCV
// layer clears it.
inline constexpr int LN_ZeileQuittung = 0;
inline constexpr int LN_ZeileLncv = 1;
inline constexpr int LN_ZeileDirekt = 2;
inline constexpr int LN_ZeileSlot = 3;
inline constexpr int LN_Marke = 33;

inline int16_t LN_Antwort[5][34]{};

// Capture state. A message is first collected in LN_AntwortPuffer and copied
// into its row only when it is complete and intact, so a row never holds a
// half-written message.
inline int16_t LN_AntwortAktiv = 0;    // -1 while a message is being captured
inline int16_t LN_AntwortPos = 0;      // next position to write
inline int16_t LN_AntwortTyp = 0;      // row being filled
inline int16_t LN_AntwortLaenge = 0;   // bytes to capture
inline int16_t LN_AntwortPuffer[15]{};

// Takes one received byte (0..255).
void Antwort_erfassen(int b);

// Called with the row each time a complete, intact message was stored there,
// before any later message can replace it. The LNCV layer judges every
// message this way while it waits for an answer and passes each message that
// is not its answer on to the handler set before (a watch over a whole run).
inline std::function<void(int zeile)> LN_NachrichtErfasst;

// Abandons the message being captured: its remaining bytes are dropped.
void LN_ErfassungAbbrechen();

// Row complete: mark set and column 0 holding the row's opcode.
bool LN_ZeileKomplett(int zeile);

// Sets the whole table to 0.
void LN_AntwortLeeren();

// Clears opcode column and mark of rows 0, 1 and 2.
void LN_MarkenLoeschen();
