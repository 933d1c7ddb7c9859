#include "LnModulSim.h"

#include <chrono>

namespace SimLn {
QByteArray mitPruefbyte(QByteArray bytes)
{
    uint8_t chk = 0xFF;
    for (char c : bytes)
        chk ^= uint8_t(c);
    bytes.append(char(chk));
    return bytes;
}

QByteArray lncvAntwort(uint16_t art, uint16_t lncv, uint16_t wert)
{
    const uint8_t daten[6] = {uint8_t(art), uint8_t(art >> 8), uint8_t(lncv), uint8_t(lncv >> 8),
                              uint8_t(wert), uint8_t(wert >> 8)};
    QByteArray m("\xE5\x0F\x05\x49\x4B\x1F", 6);
    uint8_t pxct1 = 0;
    for (int i = 0; i < 6; ++i)
        if (daten[i] & 0x80)
            pxct1 |= uint8_t(1 << i);
    m.append(char(pxct1));
    for (uint8_t b : daten)
        m.append(char(b & 0x7F));
    m.append(char(0));
    return mitPruefbyte(m);
}

QByteArray quittung(uint8_t code, uint8_t fuerOpcode)
{
    return mitPruefbyte(QByteArray(1, char(0xB4)) + char(fuerOpcode & 0x7F) + char(code));
}

bool pruefbyteStimmt(const QByteArray& m)
{
    uint8_t chk = 0;
    for (char c : m)
        chk ^= uint8_t(c);
    return chk == 0xFF;
}

Lncv lies(const QByteArray& m)
{
    auto b = [&](int i) { return (uint8_t(m[i]) & 0x7F) | ((uint8_t(m[6]) >> (i - 7)) & 1) << 7; };
    return {uint8_t(m[0]), uint8_t(m[5]), uint8_t(b(13)),
            uint16_t(b(7) | b(8) << 8), uint16_t(b(9) | b(10) << 8), uint16_t(b(11) | b(12) << 8)};
}
} // namespace SimLn

namespace {
qint64 jetztMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int laengeDerNachricht(const QByteArray& teil)
{
    switch (uint8_t(teil[0]) & 0x60) {
    case 0x00: return 2;
    case 0x20: return 4;
    case 0x40: return 6;
    default: return teil.size() >= 2 ? uint8_t(teil[1]) : 0;
    }
}
} // namespace

SimModul& LnModulSim::modul(uint16_t art, uint16_t adresse)
{
    SimModul m;
    m.art = art;
    m.lncv.fill(0, art == 5467 ? 2049 : 128);
    m.lncv[0] = adresse;
    module.push_back(m);
    return module.back();
}

QList<SimSendung> LnModulSim::empfange(const QByteArray& bytes)
{
    QList<SimSendung> raus;
    for (char c : bytes) {
        if (zentrale && !zentraleUmgeschaltet) {
            raus += textZeichen(c);
            continue;
        }
        if (uint8_t(c) & 0x80)
            teil.clear();
        else if (teil.isEmpty())
            continue;
        teil.append(c);
        const int laenge = laengeDerNachricht(teil);
        if (laenge > 0 && teil.size() == laenge) {
            raus += nachricht(teil);
            teil.clear();
        }
    }
    return raus;
}

QList<SimSendung> LnModulSim::textZeichen(char c)
{
    if (c != '\r') {
        textZeile.append(c);
        return {};
    }
    textBefehle << QString::fromLatin1(textZeile);
    if (textZeile.startsWith("x&LN"))
        zentraleUmgeschaltet = true;
    textZeile.clear();
    if (!zentraleAntwortet)
        return {};
    // The answer comes in two pieces; only the second holds the "]".
    return {{"OK", antwortVerzugMs}, {"]\r", antwortVerzugMs + teilPauseMs}};
}

// The interface echoes whatever it put on the bus; the modules ignore a
// message whose check byte is wrong.
QList<SimSendung> LnModulSim::nachricht(const QByteArray& m)
{
    QList<SimSendung> raus{SimSendung{m, 0, true}};
    if (!SimLn::pruefbyteStimmt(m)) {
        ++pruefbyteFehler;
        return raus;
    }
    nachrichten << m;
    if (m.size() == 15 && uint8_t(m[0]) == 0xED) {
        raus += beiNaechsterAnfrage;
        beiNaechsterAnfrage.clear();
    }
    const bool tastenAnfrage = m.size() == 15 && SimLn::lies(m).art == 0xFFFF;
    for (const QByteArray& a : antworten(m)) {
        const QList<SimSendung> gesendet = mitStoerungen(a);
        raus += gesendet;
        for (int kopieMs : tastenAnfrage ? tastenKopien : QList<int>{})
            for (const SimSendung& s : gesendet)
                raus += SimSendung{s.bytes, s.verzugMs + kopieMs};
    }
    return raus;
}

QList<QByteArray> LnModulSim::antworten(const QByteArray& m)
{
    if (m.size() != 15 || (uint8_t(m[0]) != 0xED && uint8_t(m[0]) != 0xE5))
        return {};
    const SimLn::Lncv n = SimLn::lies(m);
    QList<QByteArray> raus;
    const qint64 jetzt = jetztMs();
    for (SimModul& mod : module) {
        if (jetzt < mod.besetztBisMs)
            continue;
        const bool meinTyp = n.art == mod.art;
        if (n.opcode == 0xE5 && n.flags == 0x40) {
            if (meinTyp && n.wert == mod.adresse())
                mod.programmiermodus = false;
        } else if (n.befehl == 0x21 && n.art == 0xFFFF) {
            if (mod.tasteGedrueckt) {
                mod.tasteGedrueckt = false;
                mod.programmiermodus = true;
                raus << SimLn::lncvAntwort(mod.art, 0, mod.adresse());
            }
        } else if (n.befehl == 0x21 && n.flags == 0x80) {
            if (meinTyp && n.wert == mod.adresse()) {
                mod.programmiermodus = true;
                raus << SimLn::lncvAntwort(mod.art, 0, mod.adresse());
            }
        } else if (n.befehl == 0x21 && meinTyp && mod.programmiermodus) {
            raus << (n.lncv < mod.lncv.size() ? SimLn::lncvAntwort(mod.art, n.lncv, mod.lncv[n.lncv])
                                              : SimLn::quittung(0x00));
        } else if (n.befehl == 0x20 && meinTyp && mod.programmiermodus) {
            const bool nein = mod.verweigert.contains(n.lncv) || n.lncv >= mod.lncv.size();
            if (!nein)
                mod.lncv[n.lncv] = n.wert;
            raus << SimLn::quittung(nein ? 0x00 : 0x7F);
            if (!nein && n.lncv == mod.resetLncv() && n.wert == 0)
                zuruecksetzen(mod);
        }
    }
    return raus;
}

void LnModulSim::zuruecksetzen(SimModul& mod) const
{
    const uint16_t adresse = mod.art == 5467 ? 1 : mod.adresse();
    mod.lncv.fill(0);
    mod.lncv[0] = adresse;
    if (mod.art == 5467)
        mod.besetztBisMs = jetztMs() + resetPauseMs;
}

QList<SimSendung> LnModulSim::mitStoerungen(QByteArray a)
{
    int verzug = antwortVerzugMs;
    if (!folge.empty()) {
        verzug = folge.front();
        folge.pop_front();
        if (verzug == Verloren)
            return {};
    }
    auto einmal = [](int& zaehler) { return zaehler > 0 && zaehler-- > 0; };
    if (einmal(verloren))
        return {};
    const bool lncvAntwort = uint8_t(a[0]) == 0xE5;
    const SimLn::Lncv n = lncvAntwort ? SimLn::lies(a) : SimLn::Lncv{};
    if (lncvAntwort && einmal(fremderTyp))
        a = SimLn::lncvAntwort(n.art ^ 0x80, n.lncv, n.wert);
    if (lncvAntwort && einmal(fremdeLncv))
        a = SimLn::lncvAntwort(n.art, n.lncv + 1, n.wert);
    if (lncvAntwort && einmal(fremderWert))
        a = SimLn::lncvAntwort(n.art, n.lncv, n.wert + 1);
    if (einmal(falschesPruefbyte))
        a[a.size() - 1] = char(a[a.size() - 1] ^ 0x01);
    if (einmal(fremdeMittendrin))
        a.insert(a.size() / 2, QByteArray("\x83\x7C", 2));   // a power-on message
    if (einmal(geteilt)) {
        const int mitte = a.size() / 2;
        return {{a.left(mitte), verzug}, {a.mid(mitte), verzug + teilPauseMs}};
    }
    return {{a, verzug}};
}
