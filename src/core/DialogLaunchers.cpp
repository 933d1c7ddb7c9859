#include "core/DialogLaunchers.h"

#include <map>

namespace {
std::map<Dialog, std::function<void()>>& starter()
{
    static std::map<Dialog, std::function<void()>> tabelle;
    return tabelle;
}
} // namespace

void dialogZeigen(Dialog d)
{
    auto it = starter().find(d);
    if (it != starter().end() && it->second)
        it->second();
}

void setzeDialogStarter(Dialog d, std::function<void()> s)
{
    starter()[d] = std::move(s);
}

bool dialogVorhanden(Dialog d)
{
    auto it = starter().find(d);
    return it != starter().end() && bool(it->second);
}
