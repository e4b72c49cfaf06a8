#include "mail/TSmtpSenke.h"

#include "support/Testverzeichnis.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// Python needs a moment to start on a busy machine; a sink that is not up by then never will.
constexpr int Wartebloecke = 400;
constexpr auto Warteblock = std::chrono::milliseconds(50);
constexpr int Startversuche = 3;

} // namespace

int FreierPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof adresse;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &laenge) == 0)
        port = ntohs(adresse.sin_port);
    ::close(s);
    return port;
}

TSmtpSenke::~TSmtpSenke() {
    Beenden();
}

bool TSmtpSenke::Starten(const std::filesystem::path& Verzeichnis) {
    Ablage = Verzeichnis / "senke";
    Ausgabe = Verzeichnis / "senke.log";
    std::filesystem::create_directories(Ablage);
    // The port may be taken between our look and the sink's bind: then another one.
    for (int versuch = 0; versuch < Startversuche; ++versuch)
        if (Versuchen()) return true;
    return false;
}

bool TSmtpSenke::Versuchen() {
    Port = FreierPort();
    const std::string port = std::to_string(Port);
    const std::string ablage = Ablage.string();
    const std::string ausgabe = Ausgabe.string();
    std::vector<const char*> argumente = {VELMORA_PYTHON, VELMORA_SMTP_SENKE, ablage.c_str(),
                                          port.c_str(), nullptr};
    posix_spawn_file_actions_t umleitung;
    posix_spawn_file_actions_init(&umleitung);
    posix_spawn_file_actions_addopen(&umleitung, 1, ausgabe.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&umleitung, 1, 2);
    const int fehler = posix_spawn(&Prozess, VELMORA_PYTHON, &umleitung, nullptr,
                                   const_cast<char* const*>(argumente.data()), environ);
    posix_spawn_file_actions_destroy(&umleitung);
    if (fehler != 0) {
        Prozess = -1;
        return false;
    }
    for (int i = 0; i < Wartebloecke; ++i) {
        if (std::filesystem::exists(Ablage / "bereit")) return true;
        int status = 0;
        if (::waitpid(Prozess, &status, WNOHANG) == Prozess) {
            Prozess = -1;
            return false;
        }
        std::this_thread::sleep_for(Warteblock);
    }
    Beenden();
    return false;
}

void TSmtpSenke::Beenden() {
    if (Prozess <= 0) return;
    ::kill(Prozess, SIGKILL);
    int status = 0;
    ::waitpid(Prozess, &status, 0);
    Prozess = -1;
}

std::string TSmtpSenke::Server() const {
    return "127.0.0.1:" + std::to_string(Port);
}

int TSmtpSenke::AnzahlNachrichten() const {
    int anzahl = 0;
    while (std::filesystem::is_directory(Ablage / ("nachricht-" + std::to_string(anzahl + 1))))
        ++anzahl;
    return anzahl;
}

std::string TSmtpSenke::Wert(int Nr, const std::string& Name) const {
    return DateiLesen(Ablage / ("nachricht-" + std::to_string(Nr)) / Name);
}

bool TSmtpSenke::Vorhanden(int Nr, const std::string& Name) const {
    return std::filesystem::exists(Ablage / ("nachricht-" + std::to_string(Nr)) / Name);
}

std::vector<std::string> TSmtpSenke::Ereignisse() const {
    std::vector<std::string> zeilen;
    std::istringstream text(DateiLesen(Ablage / "ereignisse"));
    for (std::string zeile; std::getline(text, zeile);)
        zeilen.push_back(zeile);
    return zeilen;
}

std::string TSmtpSenke::Protokoll() const {
    return DateiLesen(Ausgabe);
}
