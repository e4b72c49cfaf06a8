#include "mail/Mailzugang.h"

#include "mail/TMailzugang.h"
#include "store/TAnwendungskontext.h"

TMailClient* Mailclient() {
    return Rolle<TMailzugang>().Client;
}

bool MailVerfuegbar() {
    return Rolle<TMailzugang>().Verfuegbar;
}
