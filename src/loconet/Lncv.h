#pragma once
#include <cstdint>

// Reading and writing the LNCVs of one module at a time. The port must be
// open. Every operation reports through Fehler:
//   0 success, 1 message not sent, 2 module did not answer, 3 value refused.
// Art is the module type (article number / 10); addresses, LNCV numbers and
// values travel as 16-bit patterns (-1 is 65535).
// Only the module's own answer to our request counts (the read reply of the
// whole type and LNCV asked for, the long acknowledge of an LNCV request);
// every other message is ignored and the wait goes on; a watch over the line
// set in LN_NachrichtErfasst before the request still sees it. A request is
// repeated only when its wait ran out. Input received before a request is
// discarded.

// Waits for the programming key of a module of type Art: up to Versuche
// requests, each waiting TastenWarteMs (0.2 s) for the module's answer. On 0
// Adresse holds the address the module answered with, the one it keeps until
// it is given another; otherwise Adresse is unchanged.
void Prog_On_Taste(int32_t Art, int32_t Versuche, int32_t& Fehler, int32_t& Adresse);
inline constexpr int TastenWarteStandardMs = 200;
inline int TastenWarteMs = TastenWarteStandardMs;   // tests shorten it for a module that never answers

// Switches the module Art/Adr into programming mode: up to 10 requests, 0.2 s each.
void Prog_On(int32_t Art, int32_t Adr, int32_t& Fehler);

// Reads one LNCV: up to 10 requests, 0.5 s each. On 0 Wert holds the value as
// signed 16-bit quantity; otherwise Wert is unchanged. A module refusing the
// read (long acknowledge with a refusal code) ends it at once with 3.
void Read_Lncv(int32_t Art, int32_t LNCVNr, int32_t& Wert, int32_t& Fehler);

// Writes one LNCV: up to 10 requests, 0.5 s each; a refusal ends at once with 3.
void Prog_Lncv(int32_t Art, int32_t LNCVNr, int32_t Wert, int32_t& Fehler);

// Ends programming mode; no answer is awaited. Closing the port afterwards
// waits until the message has left the line.
void Prog_Off(int32_t Art, int32_t Adr, int32_t& Fehler);

// Shows the message box for a result code.
void prog_error_meldung(int32_t Code);
