#include "loconet/Kennung.h"

#include "loconet/Lncv.h"
#include "loconet/PultModul.h"
#include "project/DeskRecord.h"

int ersteKennungLncv(int32_t art)
{
    return art == 5467 ? 2040 : 120;
}

void Erzeuge_TempKennung(const QDateTime& jetzt)
{
    auto& t = PultDaten.TempKennung;
    const QDate d = jetzt.date();
    const QTime z = jetzt.time();
    t[0] = int16_t(d.year());
    t[1] = int16_t(d.day() * 100 + d.month());
    t[2] = int16_t(z.hour() * 100 + z.minute());
    for (int i = 3; i <= 6; ++i)
        t[size_t(i)] = PultDaten.Kennung[size_t(i)];
    t[7] = 1;
}

void Erzeuge_Kennung()
{
    auto& k = PultDaten.Kennung;
    const auto& t = PultDaten.TempKennung;
    k[0] = t[0];
    k[1] = t[1];
    k[2] = t[2];
    k[7] = t[7];
    PultDaten.PultProgJahr = t[0];
    PultDaten.PultProgTag = t[1];
    PultDaten.PultProgZeit = t[2];
}

void Prog_Kennung(int32_t ArtikelNr, int32_t X, int32_t Y, int32_t& Fehler)
{
    const std::optional<PultModul> m = pultModul(X, Y);
    if (!m)
        return;
    const int erste = ersteKennungLncv(ArtikelNr);
    for (int i = 0; i < 8; ++i) {
        const int16_t soll = PultDaten.TempKennung[size_t(i)];
        int32_t wert = 0;
        Read_Lncv(ArtikelNr, erste + i, wert, Fehler);
        if (Fehler != 0)
            return;
        if (int16_t(wert) != soll) {
            Prog_Lncv(ArtikelNr, erste + i, soll, Fehler);
            if (Fehler != 0)
                return;
        }
        m->lncv[erste + i] = soll;
        m->kopie[erste + i] = soll;
    }
}

std::optional<bool> Check_Kennung(int32_t ArtikelNr, int32_t& Fehler)
{
    const int erste = ersteKennungLncv(ArtikelNr);
    for (int i = 0; i < 8; ++i) {
        bool gleich = false;
        for (int lesung = 0; lesung < 3 && !gleich; ++lesung) {
            int32_t wert = 0;
            Read_Lncv(ArtikelNr, erste + i, wert, Fehler);
            if (Fehler != 0)
                return std::nullopt;
            gleich = int16_t(wert) == PultDaten.Kennung[size_t(i)];
        }
        if (!gleich)
            return false;
    }
    return true;
}
