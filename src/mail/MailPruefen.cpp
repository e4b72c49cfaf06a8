#include "mail/MailPruefen.h"

#include "mail/TMailClient.h"

bool MailPruefen(TMailClient& Client, const std::string& MailServer) {
    if (MailServer.find_first_not_of(" \t") == std::string::npos) return false;
    Client.Trennen();
    Client.ServerSetzen(MailServer);
    Client.Zeitlimit = std::chrono::milliseconds(1000);
    const bool verbunden = Client.Verbinden();
    Client.Trennen();
    return verbunden;
}
