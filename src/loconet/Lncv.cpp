#include "loconet/Lncv.h"

#include "core/Words.h"
#include "loconet/LnAntwort.h"
#include "loconet/LnPort.h"
#include "loconet/LnSenden.h"
#include "platform/MsgBox.h"

#include <optional>

namespace {
constexpr int StartWarteMs = 200;
constexpr int LeseWarteMs = 500;

struct Anfrage {
    int versuche;
    int warteMs;
    int zeile;                       // row of the awaited reply
    bool vorJederAnfrageVerwerfen;   // else once before the first
    std::function<void()> bauen;     // fills LN_Sende and clears the reply rows
    // The result for a complete reply, or nothing when it does not count.
    std::function<std::optional<int32_t>()> beurteilen;
};

int32_t frage(const Anfrage& a)
{
    if (!a.vorJederAnfrageVerwerfen && Comm1)
        Comm1->eingabeVerwerfen();
    for (int nr = 1; nr <= a.versuche; ++nr) {
        a.bauen();
        if (a.vorJederAnfrageVerwerfen && Comm1)
            Comm1->eingabeVerwerfen();
        int32_t fehler = 0;
        send(LN_Sende, LncvLetztesWort, fehler);
        if (fehler != 0)
            return 1;
        if (!warteHoechstens([&] { return LN_ZeileKomplett(a.zeile); }, a.warteMs))
            continue;
        if (const std::optional<int32_t> ergebnis = a.beurteilen())
            return *ergebnis;
    }
    return 2;
}

// Only a read reply (command 0x1F) of the module type asked for is an answer:
// the interface's echo of our own end-of-programming message lands in the
// same row and must not pass for one.
std::optional<LncvFelder> antwortDesTyps(uint8_t artLow, uint8_t artHigh)
{
    const LncvFelder f = leseLncvFelder(LN_Antwort[LN_ZeileLncv]);
    if (!f.istLeseAntwort() || f.artLow != artLow || f.artHigh != artHigh)
        return std::nullopt;
    return f;
}

std::optional<LncvFelder> antwortWieGesendet()
{
    return antwortDesTyps(uint8_t(LN_Sende[7]), uint8_t(LN_Sende[8]));
}
} // namespace

void Prog_On_Taste(int32_t Art, int32_t Versuche, int32_t& Fehler)
{
    const uint8_t low = uint8_t(Art & 0x7F);
    const uint8_t high = uint8_t((uint16_t(Art) >> 8) & 0x7F);
    Fehler = frage({Versuche, StartWarteMs, LN_ZeileLncv, false,
                    [] { LncvNachricht::progOnTaste(LN_Sende); LN_AntwortLeeren(); },
                    [=]() -> std::optional<int32_t> {
                        const auto f = antwortDesTyps(low, high);
                        if (f && f->lncvNr == 0)
                            return 0;
                        return std::nullopt;
                    }});
}

void Prog_On(int32_t Art, int32_t Adr, int32_t& Fehler)
{
    Fehler = frage({10, StartWarteMs, LN_ZeileLncv, false,
                    [=] { LncvNachricht::progOn(LN_Sende, Art, Adr); LN_AntwortLeeren(); },
                    [=]() -> std::optional<int32_t> {
                        const auto f = antwortWieGesendet();
                        if (f && f->lncvNr == 0 && f->wert == uint16_t(Adr))
                            return 0;
                        return std::nullopt;
                    }});
}

void Read_Lncv(int32_t Art, int32_t LNCVNr, int32_t& Wert, int32_t& Fehler)
{
    uint16_t gelesen = 0;
    Fehler = frage({10, LeseWarteMs, LN_ZeileLncv, true,
                    [=] { LncvNachricht::lesen(LN_Sende, Art, LNCVNr); LN_AntwortLeeren(); },
                    [&]() -> std::optional<int32_t> {
                        const auto f = antwortWieGesendet();
                        if (!f || f->lncvNr != uint16_t(LNCVNr))
                            return std::nullopt;
                        gelesen = f->wert;
                        return 0;
                    }});
    if (Fehler == 0)
        Wert = UWord_to_Int(gelesen);
}

void Prog_Lncv(int32_t Art, int32_t LNCVNr, int32_t Wert, int32_t& Fehler)
{
    Fehler = frage({10, LeseWarteMs, LN_ZeileQuittung, false,
                    [=] { LncvNachricht::schreiben(LN_Sende, Art, LNCVNr, Wert); LN_MarkenLoeschen(); },
                    []() -> std::optional<int32_t> { return LN_Antwort[LN_ZeileQuittung][2] == 0x7F ? 0 : 3; }});
}

void Prog_Off(int32_t Art, int32_t Adr, int32_t& Fehler)
{
    if (Comm1)
        Comm1->eingabeVerwerfen();
    LncvNachricht::progOff(LN_Sende, Art, Adr);
    send(LN_Sende, LncvLetztesWort, Fehler);
}

void prog_error_meldung(int32_t Code)
{
    QString meldung;
    switch (Code) {
    case 1: meldung = QStringLiteral("Message kann nicht auf ComPort gesendet werden!"); break;
    case 2: meldung = QStringLiteral("Modul reagiert nicht"); break;
    case 3: meldung = QStringLiteral("Programmierung des Wertes gescheitert"); break;
    default: meldung = QStringLiteral("Unbekannter Fehler!"); break;
    }
    MsgBox(QStringLiteral("  Fehler:\r\n    ") + meldung, Msg::NurOk | Msg::Kritisch,
           QStringLiteral("Fehler bei Lesen oder Programmieren eines Moduls"));
}
