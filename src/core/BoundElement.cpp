#include "core/BoundElement.h"

#include "core/Desk.h"
#include "platform/MsgBox.h"

#include <QWidget>

#include <array>

namespace {
std::array<std::array<uint32_t, PultMax + 1>, PultMax + 1> feldStaende{};
uint32_t pultStaende = 0;
} // namespace

void feldErneuert(int x, int y)
{
    if (x >= 0 && y >= 0 && x <= PultMax && y <= PultMax)
        ++feldStaende[size_t(x)][size_t(y)];
}

void pultErneuert()
{
    ++pultStaende;
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
}

bool ElementBezug::gilt() const
{
    return element >= 0 && imPult(feldX, feldY) && pult == pultStaende
        && feld == feldStaende[size_t(feldX)][size_t(feldY)]
        && element == PultFelder[size_t(feldX)][size_t(feldY)].ElementIndex;
}

bool elementNochDa(QWidget* dialog, const ElementBezug& bezug)
{
    if (bezug.gilt())
        return true;
    const QString titel = dialog->property("Tag").toString();
    MsgBox(QStringLiteral("Das Element in Spalte %1, Zeile %2, für das dieses Fenster geöffnet wurde,\r\n"
                          "steht nicht mehr auf dem Pult, oder seine Werte wurden inzwischen anderweitig geändert.\r\n"
                          "Es wurde nichts gespeichert.")
               .arg(bezug.x())
               .arg(bezug.y()),
           Msg::NurOk | Msg::Ausruf, titel.isEmpty() ? dialog->windowTitle() : titel);
    dialog->hide();
    return false;
}
