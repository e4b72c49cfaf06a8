#pragma once
// The probe at start that decides whether the player offers its mail functions. The switch
// that keeps the answer (`MailVerfuegbar`) belongs to the host form that owns the client.

#include <string>

class TMailClient;

// Empty server: nothing is tried, false. Otherwise the client is set to that server (port 25
// unless given as "host:port") with a time-out of 1000 ms, connects and disconnects; true
// exactly when the connection was established.
bool MailPruefen(TMailClient& Client, const std::string& MailServer);
