#pragma once
// A real SMTP server on 127.0.0.1 for the length of one test: the Python sink beside this file,
// storing what it receives as files the test reads back.

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// A port on 127.0.0.1 that was free a moment ago.
int FreierPort();

class TSmtpSenke {
public:
    ~TSmtpSenke();

    // Starts the sink, storing under `Verzeichnis`, and waits (bounded) until it accepts
    // connections. False when it did not come up; `Protokoll` then tells why.
    bool Starten(const std::filesystem::path& Verzeichnis);
    void Beenden();

    // "127.0.0.1:PORT", the form of the configuration key.
    std::string Server() const;
    int AnzahlNachrichten() const;
    // A stored value of message `Nr` (from 1); empty when the sink stored none.
    std::string Wert(int Nr, const std::string& Name) const;
    bool Vorhanden(int Nr, const std::string& Name) const;
    // "NOOP port", "DATA port", "QUIT port" in the order the server saw them.
    std::vector<std::string> Ereignisse() const;
    std::string Protokoll() const;

    int Port = 0;

private:
    bool Versuchen();

    pid_t Prozess = -1;
    std::filesystem::path Ablage;
    std::filesystem::path Ausgabe;
};
