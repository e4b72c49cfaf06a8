#pragma once
// The mail access of the running program, held by the application context: the one mail
// client (owned by the host form, none while no host form exists) and whether the mail
// server answered the probe at start (objects that send mail depend on it).

class TMailClient;

struct TMailzugang {
    TMailClient* Client = nullptr;
    bool Verfuegbar = false;
};
