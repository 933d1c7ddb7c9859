#include "core/BoundElement.h"

#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "platform/MsgBox.h"

#include <QWidget>

#include <array>

namespace {
std::array<std::array<uint32_t, PultMax + 1>, PultMax + 1> feldStaende{};
uint32_t pultStaende = 0;

// Was a value changed elsewhere after it was read (gelesen -> vorher) then
// changed again by the write (vorher -> jetzt)?
template <typename Werte>
bool fremdUeberschrieben(const Werte& gelesen, const Werte& vorher, const Werte& jetzt)
{
    for (size_t i = 0; i < gelesen.size(); ++i)
        if (vorher[i] != gelesen[i] && jetzt[i] != vorher[i])
            return true;
    return false;
}

QString titelVon(QWidget* dialog)
{
    const QString titel = dialog->property("Tag").toString();
    return titel.isEmpty() ? dialog->windowTitle() : titel;
}
} // namespace

void feldErneuert(int x, int y)
{
    if (x >= 0 && y >= 0 && x <= PultMax && y <= PultMax)
        ++feldStaende[size_t(x)][size_t(y)];
    werteGeaendert();
}

void pultErneuert()
{
    ++pultStaende;
    werteGeaendert();
}

uint32_t pultStand()
{
    return pultStaende;
}

ElementBezug::ElementBezug(int x, int y) : feldX(x), feldY(y), pult(pultStaende)
{
    if (x < 0 || y < 0 || x > PultMax || y > PultMax)
        return;
    feld = feldStaende[size_t(x)][size_t(y)];
    element = PultFelder[size_t(x)][size_t(y)].ElementIndex;
    werteMerken();
}

void ElementBezug::werteMerken()
{
    if (!imPult(feldX, feldY))
        return;
    werte = PultFelder[size_t(feldX)][size_t(feldY)].LNCV;
    automatik = PultFelder[size_t(feldX)][size_t(feldY)].AutoFlag;
}

bool ElementBezug::gilt() const
{
    return element >= 0 && imPult(feldX, feldY) && pult == pultStaende
        && feld == feldStaende[size_t(feldX)][size_t(feldY)]
        && element == PultFelder[size_t(feldX)][size_t(feldY)].ElementIndex;
}

bool ElementBezug::ueberschreibtFremdes(const PultFeld& vorher) const
{
    const PultFeld& f = PultFelder[size_t(feldX)][size_t(feldY)];
    return fremdUeberschrieben(werte, vorher.LNCV, f.LNCV)
        || fremdUeberschrieben(automatik, vorher.AutoFlag, f.AutoFlag);
}

bool elementNochDa(QWidget* dialog, const ElementBezug& bezug)
{
    if (bezug.gilt())
        return true;
    MsgBox(QStringLiteral("Das Element in Spalte %1, Zeile %2, für das dieses Fenster geöffnet wurde,\r\n"
                          "steht nicht mehr auf dem Pult, oder seine Werte wurden inzwischen anderweitig geändert.\r\n"
                          "Es wurde nichts gespeichert.")
               .arg(bezug.x())
               .arg(bezug.y()),
           Msg::NurOk | Msg::Ausruf, titelVon(dialog));
    dialog->hide();
    return false;
}

bool ueberschreibenBestaetigt(QWidget* dialog, const ElementBezug& bezug, const PultFeld& vorher)
{
    if (!bezug.ueberschreibtFremdes(vorher))
        return true;
    const int antwort =
        MsgBox(QStringLiteral("Die Werte des Elements in Spalte %1, Zeile %2 wurden geändert,\r\n"
                              "während dieses Fenster offen war (z. B. in der LNCV-Tabelle).\r\n"
                              "Sollen sie mit den Angaben dieses Fensters überschrieben werden?\r\n\r\n"
                              "Nein: Es wird nichts gespeichert; neu geöffnet zeigt das Fenster die jetzigen Werte.")
                   .arg(bezug.x())
                   .arg(bezug.y()),
               Msg::JaNein | Msg::Frage, titelVon(dialog));
    if (antwort == Msg::Ja)
        return true;
    PultFelder[size_t(bezug.x())][size_t(bezug.y())] = vorher;
    dialog->hide();
    return false;
}
