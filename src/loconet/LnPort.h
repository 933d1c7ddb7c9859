#pragma once
#include "loconet/LnLeitung.h"
#include "loconet/LnNachricht.h"

#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

// The serial port of the program and its two receive handlers.

inline LnLeitung* Comm1 = nullptr;   // the serial port
inline QTimer* Timer1 = nullptr;     // 150 ms receive poll; only open_com switches it
inline LnPuffer LN_Sende{};          // the message to send, without its check byte

// 0 while a dialog that a caller waits for is open, 1 once it was closed.
inline int16_t DialogFertig = 1;

// Program start: creates the serial port and starts the 150 ms receive poll.
void LN_starten(QObject* eltern);

// Makes leitung the program's serial port (tests hand in a simulated line).
// Creates the poll timer on first use, running.
void LN_verbinden(LnLeitung* leitung, QObject* eltern = nullptr);

// Receive event: hands every byte that arrived to the capture of replies.
void Comm1_OnComm();

// Poll tick: the same for bytes that are still waiting.
void Timer1_Timer();

// While on, received bytes stay at the port for a caller that reads them
// itself (the text answers of a command station).
void setzeTextEmpfang(bool an);

// Waits while the program keeps handling events until cond() holds or more
// than ms milliseconds have passed (monotonic clock). True when cond() holds.
// pollMs > 0 also re-checks cond() at that interval, for conditions that
// raise no event (the CTS line).
bool warteHoechstens(const std::function<bool()>& cond, qint64 ms, int pollMs = 0);
