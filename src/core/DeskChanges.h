#pragma once
#include <cstdint>

// What the desk holds changed: a field's element or values, the routes, the
// desk's options or the places of the route memories. Every path that changes
// them marks it here, whether or not it rebuilds something itself; what is
// derived from them (the route memory code) compares the count with the one
// it was built for, so it is rebuilt when read after a change and only then.
void werteGeaendert();
uint32_t werteStand();
