#pragma once
// The one mail client of the program and whether the mail server answered at start, as the
// rest of the program reaches them without knowing the host form (`TMailzugang`).

class TMailClient;

namespace Mail {

// None while no host form exists.
TMailClient* Mailclient();
bool MailVerfuegbar();

} // namespace Mail
