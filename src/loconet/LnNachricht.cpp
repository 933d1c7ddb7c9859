#include "loconet/LnNachricht.h"

uint8_t pruefbyte(const LnPuffer& puffer, int letzter)
{
    uint8_t chk = 0xFF;
    for (int i = 0; i <= letzter; ++i)
        chk ^= uint8_t(puffer[i]);
    return chk;
}

QByteArray mitPruefbyte(const LnPuffer& puffer, int letzter)
{
    QByteArray bytes;
    for (int i = 0; i <= letzter; ++i)
        bytes.append(char(uint8_t(puffer[i])));
    bytes.append(char(pruefbyte(puffer, letzter)));
    return bytes;
}

void make_pxct1(LnPuffer& puffer)
{
    puffer[6] = 0;
    for (int i = 7; i <= 13; ++i) {
        const uint8_t b = uint8_t(puffer[i]);
        if (b & 0x80)
            puffer[6] = int16_t(puffer[6] | (1 << (i - 7)));
        puffer[i] = int16_t(b & 0x7F);
    }
}

namespace {
void setzeWort16(LnPuffer& p, int index, uint16_t wert)
{
    p[index] = int16_t(wert & 0xFF);
    p[index + 1] = int16_t(wert >> 8);
}

// Every LNCV request shares this frame; only opcode, command, fields and flags differ.
void baue(LnPuffer& p, uint8_t opcode, uint8_t befehl, uint16_t art, uint16_t lncvNr, uint16_t wert, uint8_t flags)
{
    p.fill(0);
    p[0] = opcode;
    p[1] = 0x0F;
    p[2] = 0x08;
    p[3] = 0x05;
    p[4] = 0x00;
    p[5] = befehl;
    setzeWort16(p, 7, art);
    setzeWort16(p, 9, lncvNr);
    setzeWort16(p, 11, wert);
    p[13] = flags;
    make_pxct1(p);
}
} // namespace

namespace LncvNachricht {
// Addresses, LNCV numbers and values are 16-bit patterns: -1 goes out as 65535.
void progOnTaste(LnPuffer& p)
{
    baue(p, LnOpcode::Direktpaket, LncvBefehl::Lesen, 0xFFFF, 0, 0xFFFF, 0x00);
}

void progOn(LnPuffer& p, int32_t art, int32_t adr)
{
    baue(p, LnOpcode::Direktpaket, LncvBefehl::Lesen, uint16_t(art), 0, uint16_t(adr), 0x80);
}

void lesen(LnPuffer& p, int32_t art, int32_t lncvNr)
{
    baue(p, LnOpcode::Direktpaket, LncvBefehl::Lesen, uint16_t(art), uint16_t(lncvNr), 0, 0x00);
}

void schreiben(LnPuffer& p, int32_t art, int32_t lncvNr, int32_t wert)
{
    baue(p, LnOpcode::Direktpaket, LncvBefehl::Schreiben, uint16_t(art), uint16_t(lncvNr), uint16_t(wert), 0x00);
}

void progOff(LnPuffer& p, int32_t art, int32_t adr)
{
    baue(p, LnOpcode::PeerTransfer, LncvBefehl::Lesen, uint16_t(art), 0, uint16_t(adr), 0x40);
}
} // namespace LncvNachricht

LncvFelder leseLncvFelder(const int16_t* z)
{
    const int pxct1 = z[6];
    auto byteMit = [&](int i) { return (z[i] & 0x7F) + ((pxct1 & (1 << (i - 7))) ? 128 : 0); };
    LncvFelder f;
    f.befehl = uint8_t(z[5]);
    f.art = uint16_t(byteMit(8) * 256 + byteMit(7));
    f.lncvNr = uint16_t(byteMit(10) * 256 + byteMit(9));
    f.wert = uint16_t(byteMit(12) * 256 + byteMit(11));
    return f;
}

int lncvQuittungsCode(const int16_t* zeile)
{
    return zeile[1] == LncvQuittiert ? zeile[2] : -1;
}

bool baueFahrreglerNachricht(LnPuffer& p, int32_t a)
{
    if (a < 1 || a > 4095 || (a & 0x80))
        return false;
    p.fill(0);
    p[0] = LnOpcode::Fahrregler;
    p[1] = 0x08;
    p[2] = 0x00;
    p[3] = int16_t((0x40 + a / 256) & 0xFF);
    p[4] = int16_t(a & 0xFF);
    p[5] = 0x00;
    p[6] = 0x01;
    return true;
}
