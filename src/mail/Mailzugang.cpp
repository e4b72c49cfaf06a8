#include "mail/Mailzugang.h"

namespace {
TMailClient* Client = nullptr;
}

TMailClient* Mailclient() {
    return Client;
}

void MailclientSetzen(TMailClient* Neu) {
    Client = Neu;
}
