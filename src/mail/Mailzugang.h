#pragma once
// The one mail client of the program, owned by the host form, as the rest of the program
// reaches it without knowing the host form.

class TMailClient;

// None while no host form exists.
TMailClient* Mailclient();
// Set by the host form for its lifetime (nullptr when it goes away).
void MailclientSetzen(TMailClient* Client);
