#pragma once
// Marks a handler of a learner window, or of one of its objects, as running for as long as
// it lives. A page change asked for meanwhile (by the handler itself, or by a queued command
// that a modal window of the handler lets run) waits until the last one has returned, so
// that no object is removed under a handler that still works with it.

#include <QPointer>
#include <QWidget>

class TSeitenfenster;

class TBehandlung {
public:
    explicit TBehandlung(TSeitenfenster* Fenster);
    ~TBehandlung();
    TBehandlung(const TBehandlung&) = delete;
    TBehandlung& operator=(const TBehandlung&) = delete;

private:
    TSeitenfenster* Fenster;
    QPointer<QWidget> Lebt; // the window may close while the handler runs
};
