#include "platform/TFernsteuerung.h"

#include "platform/Befehle.h"
#include "store/Zahlen.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int MaxVerbindungen = 8;
const QByteArray Kennung = "VLM1 ";
const QByteArray Angenommen = "OK\n";

// The user's runtime directory, or a directory of our own under /tmp that nobody else can
// enter; none when such a directory exists but is not safely ours.
fs::path Laufzeitverzeichnis() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    std::error_code fehler;
    if (xdg && *xdg && fs::is_directory(xdg, fehler)) return xdg;
    const fs::path eigenes = "/tmp/velmora-" + std::to_string(::getuid());
    ::mkdir(eigenes.c_str(), 0700);
    struct stat st {};
    if (::lstat(eigenes.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return eigenes;
}

} // namespace

QString Fernsteuerungsname(const fs::path& Lektionsverzeichnis) {
    const fs::path verzeichnis = Laufzeitverzeichnis();
    if (verzeichnis.empty()) return {};
    std::error_code fehler;
    fs::path lektion = fs::weakly_canonical(fs::absolute(Lektionsverzeichnis, fehler), fehler);
    if (fehler) lektion = Lektionsverzeichnis;
    lektion = lektion.lexically_normal();
    if (!lektion.has_filename() && lektion.has_parent_path()) lektion = lektion.parent_path();
    const std::string pfad = lektion.string();
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(pfad), QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    return QString::fromStdString((verzeichnis / ("velmora-" + hash.toStdString())).string());
}

QByteArray FernbefehlText(const TFernbefehl& Befehl) {
    return Kennung + QByteArray::number(Befehl.Typ) + ' ' + QByteArray::number(Befehl.Argument) +
           '\n';
}

std::optional<TFernbefehl> FernbefehlLesen(const QByteArray& Nachricht) {
    if (Nachricht.size() > MaxFernnachricht || !Nachricht.startsWith(Kennung) ||
        !Nachricht.endsWith('\n'))
        return std::nullopt;
    const std::string_view rest(Nachricht.constData() + Kennung.size(),
                                static_cast<size_t>(Nachricht.size() - Kennung.size() - 1));
    const size_t leer = rest.find(' ');
    if (leer == std::string_view::npos) return std::nullopt;
    const auto typ = Zahlen::Genau(rest.substr(0, leer));
    const auto argument = Zahlen::Genau(rest.substr(leer + 1));
    if (!typ || !argument) return std::nullopt;
    TFernbefehl befehl;
    befehl.Typ = *typ;
    befehl.Argument = *argument;
    return befehl;
}

TFernsteuerung::TFernsteuerung(QObject* Empfaenger, QObject* Eltern)
    : QObject(Eltern), Empfaenger(Empfaenger), Server(new QLocalServer(this)) {
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    Server->setMaxPendingConnections(MaxVerbindungen);
    connect(Server, &QLocalServer::newConnection, this, &TFernsteuerung::Annehmen);
}

TFernsteuerung::~TFernsteuerung() {
    Server->close();
    if (Sperre >= 0) ::close(Sperre);
}

bool TFernsteuerung::Lauschen(const QString& Name) {
    if (Name.isEmpty() || Sperre >= 0) return false;
    // The socket belongs to whoever holds the lock beside it, for as long as that player
    // runs; the system releases it when the player ends, however it ends. Whether a probe
    // connects says nothing: a busy player with a full queue does not answer either.
    const std::string sperrname = Name.toStdString() + ".lock";
    const int sperre = ::open(sperrname.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (sperre < 0) return false;
    if (::flock(sperre, LOCK_EX | LOCK_NB) != 0) {
        ::close(sperre);
        return false; // a running player owns the socket
    }
    QLocalServer::removeServer(Name); // left behind by a player that ended abnormally
    if (!Server->listen(Name)) {
        ::close(sperre);
        return false;
    }
    Sperre = sperre;
    return true;
}

void TFernsteuerung::Annehmen() {
    while (QLocalSocket* verbindung = Server->nextPendingConnection()) {
        if (Server->findChildren<QLocalSocket*>().size() > MaxVerbindungen) {
            verbindung->abort();
            verbindung->deleteLater();
            continue;
        }
        // Nothing beyond one message is ever held.
        verbindung->setReadBufferSize(MaxFernnachricht + 1);
        connect(verbindung, &QLocalSocket::readyRead, this,
                [this, verbindung] { Lesen(verbindung); });
        connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
        QTimer::singleShot(Wartezeit, verbindung, [verbindung] {
            verbindung->abort();
            verbindung->deleteLater();
        });
        if (verbindung->bytesAvailable() > 0) Lesen(verbindung);
    }
}

void TFernsteuerung::Lesen(QLocalSocket* Verbindung) {
    if (!Verbindung->canReadLine()) {
        if (Verbindung->bytesAvailable() > MaxFernnachricht) {
            Verbindung->abort();
            Verbindung->deleteLater();
        }
        return;
    }
    const QByteArray zeile = Verbindung->readLine(MaxFernnachricht + 1);
    if (const auto befehl = FernbefehlLesen(zeile)) {
        BefehlSenden(Empfaenger, FernbefehlArt(), befehl->Typ, befehl->Argument);
        Verbindung->write(Angenommen);
        Verbindung->flush();
        Verbindung->disconnectFromServer();
        return;
    }
    Verbindung->abort();
    Verbindung->deleteLater();
}

Zustellung FernbefehlSenden(const QString& Name, const TFernbefehl& Befehl, int WartezeitMs) {
    if (Name.isEmpty()) return Zustellung::KeinSpieler;
    QLocalSocket verbindung;
    verbindung.connectToServer(Name);
    if (!verbindung.waitForConnected(WartezeitMs)) return Zustellung::KeinSpieler;
    verbindung.write(FernbefehlText(Befehl));
    if (!verbindung.waitForBytesWritten(WartezeitMs)) return Zustellung::KeineAntwort;
    while (!verbindung.canReadLine())
        if (!verbindung.waitForReadyRead(WartezeitMs)) return Zustellung::KeineAntwort;
    return verbindung.readLine(MaxFernnachricht) == Angenommen ? Zustellung::Zugestellt
                                                               : Zustellung::KeineAntwort;
}
