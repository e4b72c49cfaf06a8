#include "mail/TMailClient.h"
#include "mail/MailPruefen.h"
#include "mail/TSmtpSenke.h"
#include "support/Testverzeichnis.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {

using namespace std::chrono_literals;

// 2001-07-05 12:34:56 UTC.
constexpr auto Sendezeit = std::chrono::system_clock::time_point(994336496s);

std::string AlleBytes() {
    std::string bytes;
    for (int runde = 0; runde < 20; ++runde)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes + "\r\n.\r\n";
}

std::vector<std::string> Zeilen(const std::string& Text) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (const char c : Text) {
        if (c == '\n') {
            if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
            zeilen.push_back(zeile);
            zeile.clear();
        } else {
            zeile += c;
        }
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    return zeilen;
}

bool Enthaelt(const std::vector<std::string>& Liste, const std::string& Wert) {
    return std::find(Liste.begin(), Liste.end(), Wert) != Liste.end();
}

} // namespace

class MailClientTest : public Testverzeichnis {
protected:
    void SetUp() override {
        Testverzeichnis::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Senke.Starten(Verzeichnis)) << Senke.Protokoll();
        Client.ServerSetzen(Senke.Server());
        Client.BeiVerbunden = [this] { Meldungen.push_back("verbunden"); };
        Client.BeiGetrennt = [this] { Meldungen.push_back("getrennt"); };
    }

    void TearDown() override {
        Senke.Beenden();
        Testverzeichnis::TearDown();
    }

    TMailNachricht Nachricht() const {
        TMailNachricht n;
        n.Empfaenger = {"autor@example.org"};
        n.AbsenderName = "Lerner Eins";
        n.AbsenderAdresse = "lerner@example.org";
        n.Betreff = "Vlm-Nachricht (technisch), Lernprogramm: Demo";
        n.Datum = Sendezeit;
        n.Textzeilen = {"Version : 2.57 vom 05.07.2001"};
        return n;
    }

    // The port number the server saw for each event, in order.
    std::vector<std::string> Verbindungen() const {
        std::vector<std::string> ports;
        for (const auto& e : Senke.Ereignisse())
            ports.push_back(e.substr(e.find(' ') + 1));
        return ports;
    }

    TSmtpSenke Senke;
    TMailClient Client;
    std::vector<std::string> Meldungen;
};

TEST_F(MailClientTest, SendenUebertraegtUmschlagKopfTextUndAnlagenUnverfaelscht) {
    DateiSchreiben(Verzeichnis / "Lerner.tab", AlleBytes());
    DateiSchreiben(Verzeichnis / "Notizen.tab", "");
    TMailNachricht n = Nachricht();
    n.Empfaenger = {"autor@example.org", "zweiter@example.org"};
    n.Antwortadresse = "antwort@example.org";
    n.Textzeilen = {"Version : 2.57 vom 05.07.2001", "Lektion : Demo"};
    n.Anlagen = {Verzeichnis / "Lerner.tab", Verzeichnis / "Notizen.tab"};

    ASSERT_TRUE(Client.Senden(n)) << Client.LetzterFehler();

    ASSERT_EQ(Senke.AnzahlNachrichten(), 1);
    EXPECT_EQ(Senke.Wert(1, "umschlag_absender"), "lerner@example.org");
    EXPECT_EQ(Senke.Wert(1, "umschlag_empfaenger"), "autor@example.org\nzweiter@example.org");
    EXPECT_EQ(Senke.Wert(1, "an"), "autor@example.org\nzweiter@example.org");
    EXPECT_EQ(Senke.Wert(1, "von_name"), "Lerner Eins");
    EXPECT_EQ(Senke.Wert(1, "von_adresse"), "lerner@example.org");
    EXPECT_EQ(Senke.Wert(1, "antwort_adresse"), "antwort@example.org");
    EXPECT_EQ(Senke.Wert(1, "betreff"), "Vlm-Nachricht (technisch), Lernprogramm: Demo");
    EXPECT_EQ(Senke.Wert(1, "mailer"), "Velmora");
    EXPECT_EQ(Senke.Wert(1, "datum_sekunden"), "994336496");
    EXPECT_FALSE(Senke.Wert(1, "nachrichten_id").empty());
    EXPECT_EQ(Senke.Wert(1, "text"), "Version : 2.57 vom 05.07.2001\r\nLektion : Demo\r\n");
    EXPECT_EQ(Senke.Wert(1, "text_zeichensatz"), "us-ascii");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.name"), "Lerner.tab");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.daten"), AlleBytes());
    EXPECT_EQ(Senke.Wert(1, "anlage-2.name"), "Notizen.tab");
    EXPECT_TRUE(Senke.Vorhanden(1, "anlage-2.daten"));
    EXPECT_EQ(Senke.Wert(1, "anlage-2.daten"), "");
    EXPECT_FALSE(Senke.Vorhanden(1, "anlage-3.name"));
}

TEST_F(MailClientTest, AnlagennameAusserhalbVonAsciiKommtAn) {
    const std::string name = "Prüfung \"Größe\".txt";
    DateiSchreiben(Verzeichnis / name, "Inhalt");
    TMailNachricht n = Nachricht();
    n.Anlagen = {Verzeichnis / name};

    ASSERT_TRUE(Client.Senden(n)) << Client.LetzterFehler();

    EXPECT_EQ(Senke.Wert(1, "anlage-1.name"), name);
    EXPECT_EQ(Senke.Wert(1, "anlage-1.daten"), "Inhalt");
}

TEST_F(MailClientTest, ZeichensatzFolgtDemText) {
    struct Fall {
        std::string Betreff;
        std::string Zeile;
        std::string Zeichensatz;
    };
    const std::vector<Fall> faelle = {
        {"Abrechnung", "Nur ASCII", "us-ascii"},
        {"Prüfung für Jürgen", "Größe: 5 € – Ärger über Öl", "utf-8"},
        {"Nur ASCII im Betreff", "Text mit ß", "utf-8"},
        {std::string(60, 'a') + " äöü " + std::string(80, 'b') + " Ende", "x", "us-ascii"},
        {"Sieht aus wie =?UTF-8?B?QQ==?= ist aber Text", "y", "us-ascii"},
    };
    for (const auto& fall : faelle) {
        TMailNachricht n = Nachricht();
        n.Betreff = fall.Betreff;
        n.Textzeilen = {fall.Zeile};
        ASSERT_TRUE(Client.Senden(n)) << Client.LetzterFehler();
    }

    ASSERT_EQ(Senke.AnzahlNachrichten(), static_cast<int>(faelle.size()));
    for (size_t i = 0; i < faelle.size(); ++i) {
        const int nr = static_cast<int>(i) + 1;
        SCOPED_TRACE(faelle[i].Betreff);
        EXPECT_EQ(Senke.Wert(nr, "betreff"), faelle[i].Betreff);
        EXPECT_EQ(Senke.Wert(nr, "text"), faelle[i].Zeile + "\r\n");
        EXPECT_EQ(Senke.Wert(nr, "text_zeichensatz"), faelle[i].Zeichensatz);
        // Everything outside ASCII travels encoded, and no line outgrows the standard's limits.
        for (const auto& zeile : Zeilen(Senke.Wert(nr, "roh.eml"))) {
            EXPECT_LE(zeile.size(), zeile.find("=?") == std::string::npos ? 998u : 76u) << zeile;
            EXPECT_TRUE(std::all_of(zeile.begin(), zeile.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            })) << zeile;
        }
    }
}

TEST_F(MailClientTest, TextOhneGueltigesUtf8GiltAlsWindows1252) {
    TMailNachricht n = Nachricht();
    n.Betreff = "Pr\xFC"
                "fung";
    n.AbsenderName = "J\xFCrgen";
    n.Textzeilen = {"Gr\xF6\xDF"
                    "e \x80"};

    ASSERT_TRUE(Client.Senden(n)) << Client.LetzterFehler();

    EXPECT_EQ(Senke.Wert(1, "betreff"), "Prüfung");
    EXPECT_EQ(Senke.Wert(1, "von_name"), "Jürgen");
    EXPECT_EQ(Senke.Wert(1, "text"), "Größe €\r\n");
    EXPECT_EQ(Senke.Wert(1, "text_zeichensatz"), "utf-8");
}

TEST_F(MailClientTest, TextzeilenKommenZeileFuerZeileAn) {
    TMailNachricht n = Nachricht();
    const std::string lang(1500, 'x');
    n.Textzeilen = {"Erste", ".", "..zwei Punkte", "", "a\nb", "c\rd", "e\r\nf", lang};

    ASSERT_TRUE(Client.Senden(n)) << Client.LetzterFehler();

    EXPECT_EQ(Senke.Wert(1, "text"),
              "Erste\r\n.\r\n..zwei Punkte\r\n\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\n" + lang + "\r\n");
}

TEST_F(MailClientTest, ZeilenumbruchInKopfwertenWirdEntfernt) {
    const std::string boese = "\r\nBcc: boese@example.net\nX-Eingeschleust: 1\r";
    struct Fall {
        std::string Feld;
        void (*Setzen)(TMailNachricht&, const std::string&);
        std::string Datei;
        std::string Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Betreff", [](TMailNachricht& n, const std::string& w) { n.Betreff = "Hallo" + w; },
         "betreff", "HalloBcc: boese@example.netX-Eingeschleust: 1"},
        {"AbsenderName",
         [](TMailNachricht& n, const std::string& w) { n.AbsenderName = "Lerner" + w; }, "von_name",
         "LernerBcc: boese@example.netX-Eingeschleust: 1"},
        {"Mailprogramm",
         [](TMailNachricht& n, const std::string& w) { n.Mailprogramm = "Velmora" + w; }, "mailer",
         "VelmoraBcc: boese@example.netX-Eingeschleust: 1"},
    };
    for (const auto& fall : faelle) {
        TMailNachricht n = Nachricht();
        fall.Setzen(n, boese);
        ASSERT_TRUE(Client.Senden(n)) << fall.Feld << ": " << Client.LetzterFehler();
    }

    for (size_t i = 0; i < faelle.size(); ++i) {
        const int nr = static_cast<int>(i) + 1;
        SCOPED_TRACE(faelle[i].Feld);
        EXPECT_EQ(Senke.Wert(nr, faelle[i].Datei), faelle[i].Erwartet);
        const auto kopf = Zeilen(Senke.Wert(nr, "kopfnamen"));
        EXPECT_FALSE(Enthaelt(kopf, "Bcc"));
        EXPECT_FALSE(Enthaelt(kopf, "X-Eingeschleust"));
        EXPECT_EQ(Senke.Wert(nr, "umschlag_empfaenger"), "autor@example.org");
    }
}

// An address that carries a line break must neither add a header nor smuggle an SMTP command
// into the conversation; whether the server then takes the mangled address is its business.
TEST_F(MailClientTest, ZeilenumbruchInAdressenSchleustNichtsEin) {
    const std::string boese = "\r\nRCPT TO:<boese@example.net>\r\nBcc: boese@example.net";
    const std::vector<void (*)(TMailNachricht&, const std::string&)> faelle = {
        [](TMailNachricht& n, const std::string& w) { n.AbsenderAdresse += w; },
        [](TMailNachricht& n, const std::string& w) {
            n.Antwortadresse = "antwort@example.org" + w;
        },
        [](TMailNachricht& n, const std::string& w) { n.Empfaenger[0] += w; },
    };
    for (const auto& setzen : faelle) {
        TMailNachricht n = Nachricht();
        n.Empfaenger.push_back("zweiter@example.org");
        setzen(n, boese);
        Client.Senden(n);
    }

    for (int nr = 1; nr <= Senke.AnzahlNachrichten(); ++nr) {
        const auto kopf = Zeilen(Senke.Wert(nr, "kopfnamen"));
        EXPECT_FALSE(Enthaelt(kopf, "Bcc"));
        EXPECT_EQ(std::count(kopf.begin(), kopf.end(), "To"), 1);
        EXPECT_FALSE(Enthaelt(Zeilen(Senke.Wert(nr, "umschlag_empfaenger")), "boese@example.net"));
    }
    EXPECT_GE(Senke.AnzahlNachrichten(), 1);
}

TEST_F(MailClientTest, SendenUeberOffeneVerbindungLaesstSieDemAufrufer) {
    ASSERT_TRUE(Client.Verbinden()) << Client.LetzterFehler();
    EXPECT_TRUE(Client.Verbunden());
    EXPECT_EQ(Meldungen, std::vector<std::string>{"verbunden"});

    ASSERT_TRUE(Client.Senden(Nachricht())) << Client.LetzterFehler();
    EXPECT_TRUE(Client.Verbunden());
    EXPECT_EQ(Meldungen, std::vector<std::string>{"verbunden"});

    Client.Trennen();
    EXPECT_FALSE(Client.Verbunden());
    EXPECT_EQ(Meldungen, (std::vector<std::string>{"verbunden", "getrennt"}));
    // One connection: the probe, the message and the goodbye all came from the same port.
    const auto ereignisse = Senke.Ereignisse();
    ASSERT_EQ(ereignisse.size(), 3u);
    EXPECT_EQ(ereignisse[0].substr(0, 4), "NOOP");
    EXPECT_EQ(ereignisse[1].substr(0, 4), "DATA");
    EXPECT_EQ(ereignisse[2].substr(0, 4), "QUIT");
    const auto ports = Verbindungen();
    EXPECT_EQ(std::count(ports.begin(), ports.end(), ports[0]), 3);
    EXPECT_EQ(Senke.Wert(1, "verbindung"), ports[0]);
}

TEST_F(MailClientTest, SendenOhneVerbindungVerbindetUndTrenntSelbst) {
    ASSERT_TRUE(Client.Senden(Nachricht())) << Client.LetzterFehler();

    EXPECT_FALSE(Client.Verbunden());
    EXPECT_EQ(Meldungen, (std::vector<std::string>{"verbunden", "getrennt"}));
    EXPECT_EQ(Senke.AnzahlNachrichten(), 1);
    const auto ereignisse = Senke.Ereignisse();
    ASSERT_EQ(ereignisse.size(), 3u);
    EXPECT_EQ(ereignisse.back().substr(0, 4), "QUIT");
}

TEST_F(MailClientTest, FehlerNachDemVerbindenBeendetDasSendenUndTrennt) {
    ASSERT_TRUE(Client.Verbinden());
    TMailNachricht n = Nachricht();
    n.Empfaenger = {"autor@example.org", "abgelehnt@example.org"};

    EXPECT_FALSE(Client.Senden(n));

    EXPECT_FALSE(Client.LetzterFehler().empty());
    EXPECT_FALSE(Client.Verbunden());
    EXPECT_EQ(Meldungen, (std::vector<std::string>{"verbunden", "getrennt"}));
    EXPECT_EQ(Senke.AnzahlNachrichten(), 0);
    Client.Trennen();
    EXPECT_EQ(Meldungen.size(), 2u);
}

TEST_F(MailClientTest, UnvollstaendigeNachrichtGehtNichtAufsNetz) {
    std::filesystem::create_directory(Verzeichnis / "Ordner");
    std::vector<TMailNachricht> faelle(4, Nachricht());
    faelle[0].Anlagen = {Verzeichnis / "fehlt.tab"};
    faelle[1].Anlagen = {Verzeichnis / "Ordner"};
    faelle[2].Empfaenger = {};
    faelle[3].Empfaenger = {"", " <> ", "\r\n"};
    for (const auto& n : faelle)
        EXPECT_FALSE(Client.Senden(n));

    EXPECT_TRUE(Meldungen.empty());
    EXPECT_TRUE(Senke.Ereignisse().empty());
    EXPECT_EQ(Senke.AnzahlNachrichten(), 0);
}

TEST_F(MailClientTest, UnvollstaendigeNachrichtLaesstOffeneVerbindungStehen) {
    ASSERT_TRUE(Client.Verbinden());
    TMailNachricht n = Nachricht();
    n.Anlagen = {Verzeichnis / "fehlt.tab"};

    EXPECT_FALSE(Client.Senden(n));

    EXPECT_TRUE(Client.Verbunden());
    EXPECT_EQ(Meldungen, std::vector<std::string>{"verbunden"});
    ASSERT_TRUE(Client.Senden(Nachricht())) << Client.LetzterFehler();
    EXPECT_EQ(Senke.AnzahlNachrichten(), 1);
}

TEST_F(MailClientTest, MailPruefenVerbindetUndTrenntEinmal) {
    TMailClient client;
    client.Zeitlimit = 5000ms;
    std::vector<std::string> meldungen;
    client.BeiVerbunden = [&] { meldungen.push_back("verbunden"); };
    client.BeiGetrennt = [&] { meldungen.push_back("getrennt"); };

    EXPECT_TRUE(MailPruefen(client, Senke.Server()));

    EXPECT_EQ(client.Host, "127.0.0.1");
    EXPECT_EQ(client.Port, Senke.Port);
    EXPECT_EQ(client.Zeitlimit, 1000ms);
    EXPECT_FALSE(client.Verbunden());
    EXPECT_EQ(meldungen, (std::vector<std::string>{"verbunden", "getrennt"}));
    const auto ereignisse = Senke.Ereignisse();
    ASSERT_EQ(ereignisse.size(), 2u);
    EXPECT_EQ(ereignisse[0].substr(0, 4), "NOOP");
    EXPECT_EQ(ereignisse[1].substr(0, 4), "QUIT");
    EXPECT_EQ(Senke.AnzahlNachrichten(), 0);
}

TEST_F(MailClientTest, MailPruefenOhneServerVersuchtNichts) {
    for (const std::string server : {"", "  ", "\t"}) {
        EXPECT_FALSE(MailPruefen(Client, server));
        EXPECT_EQ(Client.Host, "127.0.0.1") << "Einstellungen bleiben";
    }
    EXPECT_TRUE(Meldungen.empty());
    EXPECT_TRUE(Senke.Ereignisse().empty());
}

// Whatever a configured host says, it names a host and nothing else: no user part, path or
// query that could send the client elsewhere or change what it says.
TEST_F(MailClientTest, HostMitFremdenUrlTeilenWirdNichtVersucht) {
    for (const std::string host : {"lerner@127.0.0.1", "127.0.0.1/pfad", "127.0.0.1?x=1",
                                   "127.0.0.1#x", "127.0.0.1 ", "127.0.0.1\r\nQUIT"}) {
        Client.Host = host;
        Client.Port = Senke.Port;
        EXPECT_FALSE(Client.Verbinden()) << host;
    }
    EXPECT_TRUE(Meldungen.empty());
    EXPECT_TRUE(Senke.Ereignisse().empty());
}

TEST(MailClientOhneServer, PortOhneServerScheitert) {
    TMailClient client;
    std::vector<std::string> meldungen;
    client.BeiVerbunden = [&] { meldungen.push_back("verbunden"); };
    client.BeiGetrennt = [&] { meldungen.push_back("getrennt"); };
    const std::string server = "127.0.0.1:" + std::to_string(FreierPort());

    EXPECT_FALSE(MailPruefen(client, server));
    client.ServerSetzen(server);
    EXPECT_FALSE(client.Verbinden());
    EXPECT_FALSE(client.LetzterFehler().empty());
    TMailNachricht n;
    n.Empfaenger = {"autor@example.org"};
    EXPECT_FALSE(client.Senden(n));

    EXPECT_FALSE(client.Verbunden());
    EXPECT_TRUE(meldungen.empty());
}

// A peer that takes the connection but never greets is no mail server: the time-out ends the
// wait. The bound is generous; it only shows that the wait ends.
TEST(MailClientOhneServer, StummerServerScheitertNachDemZeitlimit) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof adresse;
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ASSERT_EQ(::listen(s, 4), 0);
    ASSERT_EQ(::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &laenge), 0);
    TMailClient client;

    const auto anfang = std::chrono::steady_clock::now();
    const bool erreichbar =
        MailPruefen(client, "127.0.0.1:" + std::to_string(ntohs(adresse.sin_port)));
    const auto dauer = std::chrono::steady_clock::now() - anfang;
    ::close(s);

    EXPECT_FALSE(erreichbar);
    EXPECT_LT(dauer, 10s);
}

TEST(MailClientOhneServer, ServerSetzenTrenntHostUndPort) {
    struct Fall {
        std::string Wert;
        std::string Host;
        int Port;
    };
    const std::vector<Fall> faelle = {
        {"mail.example.de", "mail.example.de", 25},
        {"  mail.example.de\t", "mail.example.de", 25},
        {"mail.example.de:2525", "mail.example.de", 2525},
        {"127.0.0.1:1", "127.0.0.1", 1},
        {"mail:65535", "mail", 65535},
        {"[::1]:2526", "::1", 2526},
        {"[::1]", "::1", 25},
        {"::1", "::1", 25},
        {"mail:0", "", 25},
        {"mail:65536", "", 25},
        {"mail:", "", 25},
        {"mail:25x", "", 25},
        {"mail:-25", "", 25},
        {"[::1", "", 25},
        {"[::1]x", "", 25},
        {"", "", 25},
    };
    for (const auto& fall : faelle) {
        TMailClient client;
        client.Host = "vorher";
        client.Port = 99;
        client.ServerSetzen(fall.Wert);
        EXPECT_EQ(client.Host, fall.Host) << fall.Wert;
        EXPECT_EQ(client.Port, fall.Port) << fall.Wert;
    }
}
