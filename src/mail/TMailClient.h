#pragma once
// The one SMTP client through which the player sends all its mail. It opens a connection for a
// probe or for a sending and closes it again; no connection is kept beyond that.

#include "mail/TMailNachricht.h"

#include <chrono>
#include <functional>
#include <string>

typedef void CURL;

class TMailClient {
public:
    TMailClient();
    // Closes an open connection without notification: the owner is going away.
    ~TMailClient();
    TMailClient(const TMailClient&) = delete;
    TMailClient& operator=(const TMailClient&) = delete;

    // "host", "host:port" or "[v6-address]:port"; port 25 unless one is given. A value whose
    // port is not a number from 1 to 65535 leaves the host empty, so that nothing is tried.
    // Settings take effect at the next connection.
    void ServerSetzen(const std::string& MailServer);

    std::string Host;
    int Port = 25;
    // Bounds opening a connection: TCP, the server's greeting and the first exchange.
    std::chrono::milliseconds Zeitlimit{1000};

    std::function<void()> BeiVerbunden;
    std::function<void()> BeiGetrennt;

    // Opens a connection to the configured server only, within `Zeitlimit`; established means
    // the server greeted and answered. True when a connection is (already) open. Shows nothing.
    bool Verbinden();
    // Closes an open connection (QUIT); does nothing without one.
    void Trennen();
    // Sends one message. Over an open connection it stays open for the caller's `Trennen`;
    // without one, `Senden` connects first and disconnects afterwards, with both
    // notifications. A message without recipients or with an unreadable attachment is
    // refused before anything goes on the wire and leaves the connection as it was. A failure
    // on the wire ends the sending: false, and the connection is closed.
    bool Senden(const TMailNachricht& Nachricht);

    bool Verbunden() const { return Sitzung != nullptr; }
    // libcurl's account of the last failure: for logs, never for the learner.
    const std::string& LetzterFehler() const { return Fehler; }

private:
    bool Grundeinstellungen(CURL* Handle);
    bool Fehlschlag(const std::string& Text);

    CURL* Sitzung = nullptr;
    std::string Fehler;
};
