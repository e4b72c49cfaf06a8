#include "mail/Mailzugang.h"

#include "mail/TMailzugang.h"
#include "store/TAnwendungskontext.h"

namespace Mail {

TMailClient* Mailclient() {
    return Rolle<TMailzugang>().Client;
}

bool MailVerfuegbar() {
    return Rolle<TMailzugang>().Verfuegbar;
}

} // namespace Mail
