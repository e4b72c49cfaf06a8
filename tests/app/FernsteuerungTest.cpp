#include "app/Programm.h"
#include "app/TAutorfenster.h"
#include "platform/Befehle.h"
#include "platform/TFernsteuerung.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

TEST(Fernbefehl, NachrichtLesen) {
    struct Fall {
        QByteArray Nachricht;
        std::optional<TFernbefehl> Befehl;
    };
    const Fall faelle[] = {
        {"VLM1 3 0\n", TFernbefehl{3, 0}},
        {"VLM1 1 -12\n", TFernbefehl{1, -12}},
        {"VLM1 65539 2147483647\n", TFernbefehl{65539, 2147483647}},
        {"VLM1 3 0", std::nullopt},            // no line end
        {"VLM1 3\n", std::nullopt},            // no argument
        {"VLM1 3  0\n", std::nullopt},         // two blanks
        {"VLM1 +3 0\n", std::nullopt},         // sign
        {"VLM1 3 0 7\n", std::nullopt},        // a third number
        {"VLM1 3 0x10\n", std::nullopt},       // not decimal
        {"VLM1 3 2147483648\n", std::nullopt}, // beyond 32 bits
        {"vlm1 3 0\n", std::nullopt},
        {"VLM1 3 0\r\n", std::nullopt},
        {QByteArray("VLM1 3 ") + QByteArray(60, '0') + "\n", std::nullopt}, // too long
        {QByteArray("VLM1 3 0\n\0", 10), std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FernbefehlLesen(f.Nachricht), f.Befehl) << f.Nachricht.toStdString();
    EXPECT_EQ(FernbefehlLesen(FernbefehlText({14, -5})), (TFernbefehl{14, -5}));
}

// Collects the remote commands the socket posts.
class Empfaenger : public QObject {
public:
    std::vector<TFernbefehl> Befehle;

protected:
    void customEvent(QEvent* e) override {
        if (e->type() != FernbefehlArt()) return;
        const auto* b = static_cast<TBefehl*>(e);
        Befehle.push_back({b->Code, b->Parameter});
    }
};

class Fernsteuerung : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Name = QString::fromStdString((Verzeichnis / "steuerung").string());
        Server = std::make_unique<TFernsteuerung>(&Ziel);
        Server->Wartezeit = 300;
        ASSERT_TRUE(Server->Lauschen(Name));
    }

    // Sends raw bytes and returns what the player answered before it closed.
    QByteArray Schicken(const QByteArray& Bytes) {
        QLocalSocket s;
        s.connectToServer(Name);
        EXPECT_TRUE(s.waitForConnected(2000));
        s.write(Bytes);
        s.flush();
        QByteArray antwort;
        const QDeadlineTimer frist(3000);
        while (s.state() == QLocalSocket::ConnectedState && !frist.hasExpired()) {
            QCoreApplication::processEvents();
            s.waitForReadyRead(10);
            antwort += s.readAll();
        }
        antwort += s.readAll();
        QCoreApplication::processEvents();
        return antwort;
    }

    QString Name;
    Empfaenger Ziel;
    std::unique_ptr<TFernsteuerung> Server;
};

TEST_F(Fernsteuerung, GueltigeNachrichtWirdAngenommen) {
    EXPECT_EQ(Schicken("VLM1 3 0\n"), "OK\n");
    EXPECT_EQ(Schicken("VLM1 1 42\n"), "OK\n");
    EXPECT_EQ(Ziel.Befehle, (std::vector<TFernbefehl>{{3, 0}, {1, 42}}));
}

TEST_F(Fernsteuerung, FalscheUndUeberlangeNachrichtenVerfallen) {
    for (const QByteArray& nachricht :
         {QByteArray("HALLO\n"), QByteArray("VLM1 3 x\n"), QByteArray(5000, 'A'),
          QByteArray("VLM1 3 ") + QByteArray(100, '1') + "\n", QByteArray("VLM1 3 0")}) {
        EXPECT_EQ(Schicken(nachricht), "") << nachricht.left(20).toStdString();
    }
    EXPECT_TRUE(Ziel.Befehle.empty());
    EXPECT_EQ(Schicken("VLM1 2 0\n"), "OK\n") << "still listening";
    EXPECT_EQ(Ziel.Befehle.size(), 1u);
}

TEST_F(Fernsteuerung, ZweiterSpielerDerselbenLektionLauschtNicht) {
    Empfaenger anderer;
    TFernsteuerung zweite(&anderer);
    EXPECT_FALSE(zweite.Lauschen(Name));
    EXPECT_EQ(Schicken("VLM1 3 0\n"), "OK\n") << "the first one keeps it";
    EXPECT_EQ(Ziel.Befehle.size(), 1u);
    EXPECT_TRUE(anderer.Befehle.empty());
}

// A player whose connection queue is full does not answer a probe; a second player must
// still leave its socket alone.
TEST_F(Fernsteuerung, VolleWarteschlangeBehaeltIhrenSocket) {
    std::vector<int> verbindungen;
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, Name.toStdString().c_str(), sizeof adresse.sun_path - 1);
    for (int i = 0; i < 4096; ++i) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ASSERT_GE(s, 0);
        verbindungen.push_back(s);
        if (::connect(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0) break;
    }
    Empfaenger anderer;
    TFernsteuerung zweite(&anderer);
    EXPECT_FALSE(zweite.Lauschen(Name));
    for (const int s : verbindungen)
        ::close(s);
    EXPECT_TRUE(fs::exists(fs::symlink_status(Name.toStdString())));
    // The first player works off its queue of connections that are gone.
    const QDeadlineTimer frist(10000);
    do
        QTest::qWait(200);
    while (!frist.hasExpired() && !Server->findChildren<QLocalSocket*>().isEmpty());
    EXPECT_EQ(Schicken("VLM1 3 0\n"), "OK\n") << "the first one keeps it";
    EXPECT_EQ(Ziel.Befehle.size(), 1u);
}

TEST_F(Fernsteuerung, ZurueckgelassenerSocketWirdUebernommen) {
    // What a player that ended abnormally leaves behind: a name nobody answers on.
    const QString alt = QString::fromStdString((Verzeichnis / "alt").string());
    DateiSchreiben(Verzeichnis / "alt", "");
    Empfaenger neuer;
    TFernsteuerung steuerung(&neuer);
    EXPECT_TRUE(steuerung.Lauschen(alt));
}

TEST(Fernsteuerungsname, NachDemLektionsverzeichnis) {
    const QString a = Fernsteuerungsname("/x/lektion");
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a, Fernsteuerungsname("/x/./lektion/"));
    EXPECT_NE(a, Fernsteuerungsname("/x/lektion2"));
    EXPECT_EQ(FernbefehlSenden(Fernsteuerungsname("/x/lektion3"), {3, 0}), Zustellung::KeinSpieler);
}

// The host form turns remote commands into window and host commands of the current window.
class Hostform : public Testverzeichnis {
protected:
    void TearDown() override {
        ProgrammFreigeben();
        Testverzeichnis::TearDown();
    }
    AufzeichnenderDialogDienst Dialoge;
};

TEST_F(Hostform, FernbefehleWerdenZuFensterbefehlen) {
    const fs::path lektion = Verzeichnis / "lektion";
    std::ostringstream meldungen;
    ASSERT_EQ(vlmtab::LektionAusTextBauen(R"({"tables": {"States.tab": [
        {"nr": 1, "fields": {"100": "1"}}, {"nr": 2, "fields": {"100": "2", "117": "1"}},
        {"nr": 3, "fields": {"100": "3"}}, {"nr": 4, "fields": {"100": "4"}}]},
        "ini": {"Lektion": {"MailServer": "127.0.0.1:1"}, "State": {"Nr": "1"}}})",
                                          "test", lektion, meldungen),
              0);
    const TStart start = ProgrammStarten(lektion, "");
    QTest::qWait(50);
    THauptfenster* fenster = AktuellesFenster();
    ASSERT_NE(fenster, nullptr);
    struct Fall {
        int Typ;
        int32_t Argument, Seite;
    };
    for (const Fall& f : {Fall{FernWeiter, 0, 3}, Fall{FernZurueck, 0, 1}, Fall{FernSeite, 4, 4},
                          Fall{FernAuswertenUndSeite, 2, 2}, Fall{FernAuswertenUndWeiter, 0, 3},
                          Fall{0x10000 + FernSeite, 1, 1}, Fall{99, 4, 1}}) {
        BefehlSenden(start.Host, FernbefehlArt(), f.Typ, f.Argument);
        QTest::qWait(20);
        EXPECT_EQ(fenster->Seitennummer(), f.Seite) << "type " << f.Typ;
    }
    // Host commands 5 and 8 act on the current window.
    start.Host->Hostbefehl(HostSeite, 3);
    EXPECT_EQ(fenster->Seitennummer(), 3);
    start.Host->Hostbefehl(HostSeite, 1);
    start.Host->Hostbefehl(HostNaechsteNummer, 0);
    EXPECT_EQ(fenster->Seitennummer(), 2) << "feedback pages included";
}

// `vlm --send` against a player that runs as a process of its own.
class Sendebefehl : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Lektion = Verzeichnis / "lektion";
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(R"({"tables": {"States.tab": [
            {"nr": 1, "fields": {"100": "1"}}, {"nr": 2, "fields": {"100": "2"}},
            {"nr": 3, "fields": {"100": "3"}}, {"nr": 4, "fields": {"100": "4"}}]},
            "ini": {"Lektion": {"MailServer": "127.0.0.1:1"}, "State": {"Nr": "1"}}})",
                                              "test", Lektion, meldungen),
                  0);
    }

    void TearDown() override {
        if (Spieler.state() != QProcess::NotRunning) {
            Spieler.kill();
            Spieler.waitForFinished(5000);
        }
        // A killed player leaves its socket behind.
        QLocalServer::removeServer(Fernsteuerungsname(Lektion));
        Testverzeichnis::TearDown();
    }

    // Runs `vlm --send` without any display: it must not need one.
    int Senden(const QStringList& Argumente, QString* Fehler = nullptr) {
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            umgebung.remove(name);
        p.setProcessEnvironment(umgebung);
        p.start(VLM_PROGRAMM,
                QStringList{"--send"} + Argumente +
                    QStringList{"--lesson", QString::fromStdString(Lektion.string())});
        p.waitForFinished(20000);
        if (Fehler) *Fehler = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    std::vector<std::string> Seiten() {
        std::ifstream in(Verzeichnis / "protokoll.txt");
        std::vector<std::string> seiten;
        for (std::string z; std::getline(in, z);)
            if (z.find(" page ") != std::string::npos) seiten.push_back(z.substr(z.find("page")));
        return seiten;
    }

    // Waits until the player has logged `Anzahl` page builds; false when it never does.
    bool WartenAufSeiten(size_t Anzahl) {
        const QDeadlineTimer frist(20000);
        while (Seiten().size() < Anzahl && !frist.hasExpired())
            QTest::qWait(50);
        return Seiten().size() >= Anzahl;
    }

    fs::path Lektion;
    QProcess Spieler;
};

TEST_F(Sendebefehl, OhneSpielerStatus1) {
    QString fehler;
    EXPECT_EQ(Senden({"weiter"}, &fehler), 1);
    EXPECT_TRUE(fehler.contains("no Velmora player runs for the lesson")) << fehler.toStdString();
}

TEST_F(Sendebefehl, SteuertDenLaufendenSpieler) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    Spieler.setProcessEnvironment(umgebung);
    Spieler.start(VLM_PROGRAMM, {"--lesson", QString::fromStdString(Lektion.string()), "--log",
                                 QString::fromStdString((Verzeichnis / "protokoll.txt").string())});
    ASSERT_TRUE(Spieler.waitForStarted(10000));
    ASSERT_TRUE(WartenAufSeiten(1));
    // The socket is open before the first page is shown.
    EXPECT_EQ(Senden({"weiter"}), 0);
    ASSERT_TRUE(WartenAufSeiten(2));
    EXPECT_EQ(Senden({"1", "4"}), 0);
    ASSERT_TRUE(WartenAufSeiten(3));
    EXPECT_EQ(Senden({"zurueck"}), 0);
    ASSERT_TRUE(WartenAufSeiten(4));
    EXPECT_EQ(Seiten(), (std::vector<std::string>{"page 1", "page 2", "page 4", "page 3"}));
    EXPECT_EQ(Senden({"bla"}), 2) << "an unknown command is not sent";
}

} // namespace
