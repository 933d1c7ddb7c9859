#include "core/Cp1252Validator.h"

#include "core/Cp1252.h"

#include <algorithm>

QValidator::State Cp1252Validator::validate(QString& text, int&) const
{
    const auto darstellbar = [](QChar c) { return c == QLatin1Char('?') || Cp1252::code(c) != '?'; };
    return std::all_of(text.cbegin(), text.cend(), darstellbar) ? Acceptable : Invalid;
}
