#pragma once
// Role: how commands reach the event queue (tests make it refuse or record).

class QEvent;
class QObject;

class TBefehlspost {
public:
    virtual ~TBefehlspost() = default;
    // Posts `Befehl` to `Ziel`; true when the queue took it (and owns it now).
    virtual bool Posten(QObject* Ziel, QEvent* Befehl);
};
