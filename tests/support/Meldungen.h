#pragma once
#include "platform/MsgBox.h"

#include <QList>

// Records every message box while it lives and answers it from `antworten`
// first, then with `antwort`.
struct Meldungen {
    QList<MsgBoxAufruf> boxen;
    QList<int> antworten;
    int antwort;

    explicit Meldungen(int standard = Msg::Ok) { neu(standard); }
    ~Meldungen() { setzeMsgBoxResponder({}); }
    Meldungen(const Meldungen&) = delete;
    Meldungen& operator=(const Meldungen&) = delete;

    // Forgets the boxes and answers so far and records again.
    void neu(int standard)
    {
        boxen.clear();
        antworten.clear();
        antwort = standard;
        setzeMsgBoxResponder([this](const MsgBoxAufruf& a) {
            boxen << a;
            return antworten.isEmpty() ? antwort : antworten.takeFirst();
        });
    }
};
