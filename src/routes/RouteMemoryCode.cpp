#include "routes/RouteMemoryCode.h"

#include "config/AddressOptions.h"
#include "platform/MsgBox.h"
#include "routes/RouteMessages.h"
#include "routes/RouteTable.h"

#include <QStringList>
#include <algorithm>

namespace {
const QString Titel = QStringLiteral("Fahrstraßen für Fahrstraßenspeicher");
constexpr int ErsteGeloeschteLNCV = 5;

void codeLoeschen(FSSpeicherModul& m)
{
    std::fill(m.LNCV.begin() + ErsteGeloeschteLNCV, m.LNCV.begin() + FSCodeLetzteLNCV + 1, int16_t(0));
}

// The next slot after m that holds a route memory, or -1.
int naechsterSpeicher(int m)
{
    for (int k = m + 1; k < FSSpeicherMax; ++k)
        if (fsSpeicherVorhanden(k))
            return k;
    return -1;
}

void blockSchreiben(FSSpeicherModul& m, const FSBlock& b, int start)
{
    if (b.n == 0)
        return;
    if (start >= 0)
        m.LetzteLNCV = int16_t(start);
    for (int i = 0; i < b.n; ++i)
        m.LNCV[size_t(++m.LetzteLNCV)] = int16_t(b.worte[size_t(i)]);
}

// Where both blocks go in memory m: the LNCV before each block (-1 = right
// after the last one written, packed). False when they do not fit; a route
// without a release block needs room for its set block only.
bool platzIn(const FSSpeicherModul& m, const FSBlock& b0, const FSBlock& b1, int& q, int& t)
{
    const int a = AdrOpt.AdrOpt_FahrstFolgenStart;
    const int p = m.LetzteLNCV;
    if (a <= 0) {
        q = t = -1;
        return b0.n + b1.n <= FSCodeLetzteLNCV - p;
    }
    q = (p / a + 1) * a - 1;
    if (q == p)
        q += a;
    t = ((q + b0.n) / a + 1) * a - 1;
    if (t == q + b0.n)
        t += a;
    return (b1.n > 0 ? t + b1.n : q + b0.n) <= FSCodeLetzteLNCV;
}

void keinSpeicherMelden()
{
    MsgBox(QStringLiteral("Es ist kein Fahrstraßenspeicher im Pult vorhanden!\r\n"
                          "   Die Fahrstraßen müssen, soweit möglich, in     \r\n"
                          "        Centravox oder Centravox-Switch                 \r\n"
                          "           programmiert werden.                   "),
           Msg::NurOk | Msg::Kritisch, Titel);
}

void vollMelden(const QStringList& routen)
{
    MsgBox(QStringLiteral("Alle vorhandenen Fahrstraßenspeicher (54670) sind belegt!\r\n"
                          " Die vorgegebenen Fahrstraßen konnten nicht vollständig   \r\n"
                          "    in die Fahrstraßenspeicher übernommen werden!         \r\n"
                          "\r\nNicht übernommen:\r\n")
               + fsAufzaehlung(routen),
           Msg::NurOk | Msg::Kritisch, Titel);
}

void verweigertMelden(const std::vector<FSVerweigert>& verweigert)
{
    QStringList zeilen;
    for (const FSVerweigert& v : verweigert)
        zeilen << fsName(v.route) + (v.liste == 0 ? QStringLiteral(", Festlegen") : QStringLiteral(", Auflösen"))
                      + (v.befehl > 0 ? QStringLiteral(", Befehl %1: ").arg(v.befehl) : QStringLiteral(", "))
                      + v.grund;
    MsgBox(QStringLiteral("Diese Befehle passen nicht in ein LNCV des Fahrstraßenspeichers\r\n"
                          "und wurden nicht übernommen:\r\n")
               + fsAufzaehlung(zeilen),
           Msg::NurOk | Msg::Kritisch, Titel);
}
} // namespace

bool fsSpeicherVorhanden(int m)
{
    return m >= 0 && m < FSSpeicherMax && FSSpeicher[size_t(m)].X != 0 && FSSpeicher[size_t(m)].Y != 0;
}

int copy_to_54670(const FSBlock& festlegen, const FSBlock& aufloesen)
{
    int m = -1;
    for (int k = 0; k < FSSpeicherMax && m == -1; ++k)
        if (fsSpeicherVorhanden(k) && FSSpeicher[size_t(k)].Voll == 0)
            m = k;
    while (m != -1) {
        FSSpeicherModul& speicher = FSSpeicher[size_t(m)];
        int q = -1, t = -1;
        if (platzIn(speicher, festlegen, aufloesen, q, t)) {
            blockSchreiben(speicher, festlegen, q);
            blockSchreiben(speicher, aufloesen, t);
            if (speicher.LetzteLNCV == FSCodeLetzteLNCV)
                speicher.Voll = -1;
            return 0;
        }
        speicher.Voll = -1;
        m = naechsterSpeicher(m);
    }
    return -1;
}

namespace {
// What a rebuild has to tell the user.
struct FSCodeBericht {
    bool keinSpeicher = false;
    QStringList nichtUebernommen;
    std::vector<FSVerweigert> verweigert;
};

FSCodeBericht codeBauen()
{
    FSCodeBericht bericht;
    for (FSSpeicherModul& m : FSSpeicher)
        codeLoeschen(m);
    if (FSAnzahl < 0)
        return bericht;
    bool vorhanden = false;
    for (int k = 0; k < FSSpeicherMax; ++k) {
        FSSpeicher[size_t(k)].Voll = 0;
        FSSpeicher[size_t(k)].LetzteLNCV = ErsteGeloeschteLNCV;
        vorhanden = vorhanden || fsSpeicherVorhanden(k);
    }
    bericht.keinSpeicher = !vorhanden;
    for (int r = 0; r <= FSAnzahl && r <= FSMax && vorhanden; ++r) {
        const FSBlock b0 = fsBlock(r, 0, bericht.verweigert);
        const FSBlock b1 = fsBlock(r, 1, bericht.verweigert);
        if (b0.n + b1.n == 0)
            continue;
        if (!bericht.nichtUebernommen.isEmpty() || copy_to_54670(b0, b1) != 0)
            bericht.nichtUebernommen << fsName(r);
    }
    return bericht;
}
} // namespace

void make_54670_code()
{
    const FSCodeBericht bericht = codeBauen();
    if (bericht.keinSpeicher)
        keinSpeicherMelden();
    if (!bericht.nichtUebernommen.isEmpty())
        vollMelden(bericht.nichtUebernommen);
    if (!bericht.verweigert.empty())
        verweigertMelden(bericht.verweigert);
}

void fsCodeErneuern()
{
    codeBauen();
}
