#pragma once
// Remote commands from another program to the running player of a lesson. The player
// listens on a local socket named after the lesson directory, in a directory only the
// user can enter, and the socket itself admits only the user. A message is one line
// "VLM1 <type> <argument>\n" of at most 64 bytes, both numbers decimal 32-bit (the player
// acts on the low 16 bits of the type, as a window message would carry it); the player
// answers "OK\n" when it has taken the command and closes the connection. Anything else
// (a longer line, other text, a connection that stays silent) is dropped without effect.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>

class QLocalServer;
class QLocalSocket;

struct TFernbefehl {
    int32_t Typ = 0;
    int32_t Argument = 0;
    bool operator==(const TFernbefehl&) const = default;
};

constexpr int MaxFernnachricht = 64;

// The socket of the player of this lesson; empty when the user's runtime directory cannot
// be used safely (then no remote control is possible).
QString Fernsteuerungsname(const std::filesystem::path& Lektionsverzeichnis);

// The message of a command, and a message read back; nothing unless it is exactly right.
QByteArray FernbefehlText(const TFernbefehl& Befehl);
std::optional<TFernbefehl> FernbefehlLesen(const QByteArray& Nachricht);

// Listens for remote commands and posts each as a remote command event to `Empfaenger`.
class TFernsteuerung : public QObject {
    Q_OBJECT
public:
    explicit TFernsteuerung(QObject* Empfaenger, QObject* Eltern = nullptr);
    ~TFernsteuerung() override;

    // Starts listening. The player holds a lock on "<socket>.lock" for its lifetime; a
    // socket without a holder of that lock was left behind and is taken over. False when
    // another player of the lesson holds the lock or the socket cannot be made.
    bool Lauschen(const QString& Name);

    // Connections that send nothing are closed after this many milliseconds.
    int Wartezeit = 2000;

private:
    void Annehmen();
    void Lesen(QLocalSocket* Verbindung);

    QObject* Empfaenger;
    QLocalServer* Server;
    int Sperre = -1; // the lock file, held while listening
};

// Sends one command to the player listening on `Name`.
enum class Zustellung { Zugestellt, KeinSpieler, KeineAntwort };
Zustellung FernbefehlSenden(const QString& Name, const TFernbefehl& Befehl, int WartezeitMs = 5000);
