#include "core/DeskChanges.h"

namespace {
uint32_t stand = 0;
}

void werteGeaendert()
{
    ++stand;
}

uint32_t werteStand()
{
    return stand;
}
