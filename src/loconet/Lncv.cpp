#include "loconet/Lncv.h"

#include "core/Words.h"
#include "loconet/LnAntwort.h"
#include "loconet/LnPort.h"
#include "loconet/LnSenden.h"
#include "platform/MsgBox.h"

#include <functional>
#include <optional>
#include <utility>

namespace {
constexpr int StartWarteMs = 200;
constexpr int LeseWarteMs = 500;

// The result a received message stands for, or nothing when it is not the
// answer to our request (our own echo, traffic of other devices, late answers).
using Urteil = std::optional<int32_t>;

struct Anfrage {
    int versuche;
    int warteMs;
    std::function<void()> bauen;                 // fills LN_Sende and clears the reply rows
    std::function<Urteil(int zeile)> beurteilen; // judges each message as it is completed
};

// Anything received before a request cannot answer it: bytes waiting at the
// port and a message half captured are dropped.
void eingangVerwerfen()
{
    if (Comm1)
        Comm1->eingabeVerwerfen();
    LN_ErfassungAbbrechen();
}

// Judges every message completed during the wait, so that an answer is
// never lost behind a later message landing in the same row. Every message
// that is not taken as the answer goes on to the watch set before, if any.
class Beobachtung {
public:
    explicit Beobachtung(const std::function<Urteil(int)>& beurteilen)
        : weiter(std::exchange(LN_NachrichtErfasst, {}))
    {
        LN_NachrichtErfasst = [this, beurteilen](int zeile) {
            if (!ergebnis && (ergebnis = beurteilen(zeile)))
                return;
            if (weiter)
                weiter(zeile);
        };
    }
    ~Beobachtung() { LN_NachrichtErfasst = std::move(weiter); }
    Beobachtung(const Beobachtung&) = delete;
    Beobachtung& operator=(const Beobachtung&) = delete;

    Urteil ergebnis;

private:
    std::function<void(int)> weiter;
};

// Sends the request up to a.versuche times. Messages that are not the answer
// are ignored and the wait goes on; only the time-out repeats the request.
int32_t frage(const Anfrage& a)
{
    for (int nr = 1; nr <= a.versuche; ++nr) {
        eingangVerwerfen();
        a.bauen();
        int32_t fehler = 0;
        send(LN_Sende, LncvLetztesWort, fehler);
        if (fehler != 0)
            return 1;
        Beobachtung b(a.beurteilen);
        if (warteHoechstens([&] { return b.ergebnis.has_value(); }, a.warteMs))
            return *b.ergebnis;
    }
    return 2;
}

// Only a read reply (command 0x1F) of the whole module type asked for, high
// bit included, is an answer: the interface's echo of our own messages lands
// in the same row and must not pass for one.
std::optional<LncvFelder> leseAntwort(int zeile, uint16_t art)
{
    if (zeile != LN_ZeileLncv)
        return std::nullopt;
    const LncvFelder f = leseLncvFelder(LN_Antwort[LN_ZeileLncv]);
    if (!f.istLeseAntwort() || f.art != art)
        return std::nullopt;
    return f;
}

// The result of the long acknowledge of our LNCV request; nothing for any
// other message, also for acknowledges of other devices' requests.
Urteil quittung(int zeile)
{
    if (zeile != LN_ZeileQuittung)
        return std::nullopt;
    const int code = lncvQuittungsCode(LN_Antwort[LN_ZeileQuittung]);
    if (code < 0)
        return std::nullopt;
    return code == QuittungAngenommen ? 0 : 3;
}
} // namespace

void Prog_On_Taste(int32_t Art, int32_t Versuche, int32_t& Fehler, int32_t& Adresse)
{
    uint16_t geantwortet = 0;
    Fehler = frage({Versuche, TastenWarteMs,
                    [] { LncvNachricht::progOnTaste(LN_Sende); LN_AntwortLeeren(); },
                    [&](int zeile) -> Urteil {
                        const auto f = leseAntwort(zeile, uint16_t(Art));
                        if (!f || f->lncvNr != 0)
                            return std::nullopt;
                        geantwortet = f->wert;
                        return 0;
                    }});
    if (Fehler == 0)
        Adresse = geantwortet;
}

void Prog_On(int32_t Art, int32_t Adr, int32_t& Fehler)
{
    Fehler = frage({10, StartWarteMs,
                    [=] { LncvNachricht::progOn(LN_Sende, Art, Adr); LN_AntwortLeeren(); },
                    [=](int zeile) -> Urteil {
                        const auto f = leseAntwort(zeile, uint16_t(Art));
                        if (f && f->lncvNr == 0 && f->wert == uint16_t(Adr))
                            return 0;
                        return std::nullopt;
                    }});
}

// A module that refuses the read (an LNCV it does not have) answers with a
// long acknowledge; that ends the read at once.
void Read_Lncv(int32_t Art, int32_t LNCVNr, int32_t& Wert, int32_t& Fehler)
{
    uint16_t gelesen = 0;
    Fehler = frage({10, LeseWarteMs,
                    [=] { LncvNachricht::lesen(LN_Sende, Art, LNCVNr); LN_AntwortLeeren(); },
                    [&](int zeile) -> Urteil {
                        if (const Urteil q = quittung(zeile); q && *q != 0)
                            return q;
                        const auto f = leseAntwort(zeile, uint16_t(Art));
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
    Fehler = frage({10, LeseWarteMs,
                    [=] { LncvNachricht::schreiben(LN_Sende, Art, LNCVNr, Wert); LN_MarkenLoeschen(); },
                    quittung});
}

void Prog_Off(int32_t Art, int32_t Adr, int32_t& Fehler)
{
    eingangVerwerfen();
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
