#pragma once
// The current learner window as the objects see it; none before the first one exists.
// Held by the application context and set only by the window list of the player (tests put
// a window of their own in place).

class TSeitenfenster;

struct TSeitenfensterwahl {
    TSeitenfenster* Aktuell = nullptr;
};
