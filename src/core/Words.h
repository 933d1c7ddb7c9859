#pragma once
#include <cstdint>

// LNCV values and route words are unsigned 16-bit numbers kept in signed words.
inline int32_t Int_to_UWord(int16_t wort)
{
    return wort < 0 ? int32_t(wort) + 65536 : int32_t(wort);
}

inline int32_t UWord_to_Int(int32_t wert)
{
    return wert >= 32768 ? wert - 65536 : wert;
}

// A value 0..65535 (or any int) stored into a 16-bit word, wrapping as the word does.
inline int16_t alsWort(int32_t wert)
{
    return int16_t(uint16_t(uint32_t(wert)));
}

inline int32_t Chk_Value_from(int32_t wert, int32_t bit)
{
    return (wert & bit) / bit;
}

inline int32_t Chk_Value_to_Bit(int32_t checkWert, int32_t bit)
{
    return checkWert != 0 ? bit : 0;
}
