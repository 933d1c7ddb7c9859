#include "core/EditFrame.h"

namespace {
uint32_t rahmen = 0;
} // namespace

void bearbeitungsRahmenErneuern()
{
    ++rahmen;
}

uint32_t bearbeitungsRahmen()
{
    return rahmen;
}
