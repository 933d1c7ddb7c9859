#pragma once
#include <QList>
#include <cstdint>
#include <functional>
#include <utility>

// Watches the line while modules are started by their programming key. A
// module that announces programming mode (a read reply for LNCV 0) without
// that answer being taken for our request is remembered: a key pressed while
// another field's prompt showed, a module of another type, an answer that
// came late or was repeated by the line. Such a module would take the values
// meant for the next module of its type, so each one is sent its end of
// programming before the next key request and when the watch ends.
class StartWache {
public:
    StartWache();
    ~StartWache();
    StartWache(const StartWache&) = delete;
    StartWache& operator=(const StartWache&) = delete;

    // Before a key request: the line is let fall quiet and what arrived is
    // dropped, so that only an answer to this request counts; then every
    // module remembered gets its end of programming.
    void ruhe();

private:
    void erfasst(int zeile);
    void beenden();

    std::function<void(int)> vorher;
    QList<std::pair<uint16_t, uint16_t>> gestartet;   // type and address as announced
};
