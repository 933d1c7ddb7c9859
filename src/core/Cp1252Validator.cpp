#include "core/Cp1252Validator.h"

#include "core/Cp1252.h"

#include <algorithm>

QValidator::State Cp1252Validator::validate(QString& text, int&) const
{
    return std::all_of(text.cbegin(), text.cend(), Cp1252::darstellbar) ? Acceptable : Invalid;
}
