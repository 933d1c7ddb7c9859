#pragma once
#include <functional>

// Waiting for an answer while the window stays alive: runs a local event loop
// until the condition holds. The condition is checked each time the event loop
// has handled its pending events, so nothing spins while the program is idle.
namespace Warten {

// Returns true when cond() became true; false when timeoutMs (>= 0) passed first
// or the program is closing.
bool bis(const std::function<bool()>& cond, int timeoutMs = -1);

// Waits timeoutMs while handling events (a pause that keeps the window alive);
// returns false when the program is closing.
bool pause(int timeoutMs);

// True once the application started to quit; every wait then returns at once.
bool programmEndet();

} // namespace Warten
