// Sending a page's answers by mail against a real SMTP server on 127.0.0.1: the body from
// the page's objects, the attachments of the special check boxes, the messages and the
// event of the action, and the event object that sends only once.

#include "ObjektTesthilfe.h"

#include "actions/Aktionen.h"
#include "mail/TMailClient.h"
#include "mail/TMailzugang.h"
#include "mail/TSmtpSenke.h"
#include "objects/ereignisse/THMessage.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

// A file with its directories. (The Qt application of this program comes with the
// action tests.)
void Anlegen(const std::filesystem::path& Datei, const std::string& Bytes) {
    std::filesystem::create_directories(Datei.parent_path());
    DateiSchreiben(Datei, Bytes);
}

const std::string Versandt = "Die Nachricht wurde versandt, Vielen Dank";
const std::string Fehler = "Bei der \u00dcbermittlung der Nachricht ist ein Fehler aufgetreten";

class TMailfenster : public TTestfenster {
public:
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override {
        Ereignisse.emplace_back(Quelle, EreignisNr);
        TTestfenster::EreignisAusloesen(Quelle, EreignisNr);
    }
    std::vector<std::pair<int32_t, int>> Ereignisse;
};

class Mailaktion : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        if (HasFatalFailure()) return;
        LektionBauen(R"("Notizen.tab": [{"nr": 1, "fields": {"2400": "Notiz"}}])");
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Senke.Starten(Verzeichnis / "senke")) << Senke.Protokoll();
        Client.ServerSetzen(Senke.Server());
        Mailzugang.Client = &Client;
        Konfiguration() = TKonfiguration{};
        Konfiguration().EMailAdresse = "lerner@example.org";
    }
    void TearDown() override {
        Konfiguration() = TKonfiguration{};
        Senke.Beenden();
        Lektionstest::TearDown();
    }

    template <class T>
    T* Objekt(TObjektreihe& Liste, int32_t Nummer, int16_t Typ, const char* Beschreibung) {
        auto* w = new T(&Fenster);
        TTestfenster::Eintragen(Liste, w, Nummer, Typ).Beschreibung = Beschreibung;
        return w;
    }
    template <class T> T* Objekt(int32_t Nummer, int16_t Typ, const char* Beschreibung) {
        return Objekt<T>(Fenster.Liste, Nummer, Typ, Beschreibung);
    }

    THMessage* Sendeobjekt(const char* Adresse) {
        auto* nachricht = new THMessage(&Fenster);
        nachricht->EreignisNr = 300;
        nachricht->Typ = 29;
        nachricht->Aktion = Aktionscode(29);
        nachricht->Email = Adresse;
        nachricht->Beschreibung = "Antworten Seite 4";
        Fenster.Eintragen(nachricht, 90, 43);
        return nachricht;
    }

    std::vector<std::string> Texte() const {
        std::vector<std::string> texte;
        for (const auto& n : Dialoge.Nachrichten)
            texte.push_back(n.Text);
        return texte;
    }

    TSmtpSenke Senke;
    TMailClient Client;
    TMailzugang Mailzugang;
    TRollenersatz<TMailzugang> MailErsatz{Mailzugang};
    TMailfenster Fenster;
};

TEST_F(Mailaktion, SendetDieAntwortenDerSeite) {
    Objekt<QLineEdit>(1, 6, "Name")->setText("Anna");
    Objekt<QLineEdit>(2, 50, "PLZ")->setText("12345");
    auto* combo = Objekt<QComboBox>(3, 27, "Farbe");
    combo->addItems({"rot", "blau"});
    combo->setCurrentIndex(1);
    Objekt<QCheckBox>(4, 30, "Kaffee")->setChecked(true);
    Objekt<QCheckBox>(5, 30, "Tee");
    Objekt<QCheckBox>(6, 30, "notizdatei")->setChecked(true);
    Objekt<QCheckBox>(7, 30, "LERNERDATEI");
    Objekt<QRadioButton>(8, 31, "Ja")->setChecked(true);
    Objekt<QLabel>(9, 45, "Punkte")->setText("7");
    Objekt<QLabel>(10, 7, "Keine Antwort")->setText("nichts");
    auto* container = new TTestcontainer(&Fenster);
    Fenster.Eintragen(container, 11, 46);
    Objekt<QPlainTextEdit>(container->Liste, 12, 47, "Bemerkung")->setPlainText("gut");
    auto* liste = Objekt<QListWidget>(13, 49, "Orte");
    liste->setSelectionMode(QAbstractItemView::MultiSelection);
    liste->addItems({"Bonn", "Ulm", "Kiel"});
    liste->item(0)->setSelected(true);
    liste->item(2)->setSelected(true);
    THMessage* sender = Sendeobjekt("autor@example.org");

    Fenster.EreignisAusloesen(0, 300);

    ASSERT_EQ(Senke.AnzahlNachrichten(), 1);
    EXPECT_EQ(Senke.Wert(1, "text"), "||Feedback||\r\n"
                                     "Name : Anna\r\n"
                                     "PLZ : 12345\r\n"
                                     "Farbe : blau\r\n"
                                     "Kaffee : X\r\n"
                                     "Tee : \r\n"
                                     "Ja : X\r\n"
                                     "Punkte : 7\r\n"
                                     "Bemerkung : gut\r\n"
                                     "Orte : Bonn, Kiel, \r\n");
    EXPECT_EQ(Senke.Wert(1, "betreff"), "Antworten Seite 4");
    EXPECT_EQ(Senke.Wert(1, "umschlag_empfaenger"), "autor@example.org");
    EXPECT_EQ(Senke.Wert(1, "umschlag_absender"), "lerner@example.org");
    EXPECT_EQ(Senke.Wert(1, "mailer"), "Velmora");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.name"), "Notizen.tab");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.daten"), DateiLesen(Verzeichnis / "Notizen.tab"));
    EXPECT_FALSE(Senke.Vorhanden(1, "anlage-2.name"));
    EXPECT_EQ(Texte(), std::vector<std::string>{Versandt});
    EXPECT_EQ(Fenster.Ereignisse.back(), (std::pair<int32_t, int>{0, 226}));
    EXPECT_FALSE(Client.Verbunden());

    // The event object sends once per page.
    EXPECT_FALSE(sender->isEnabled());
    Fenster.EreignisAusloesen(0, 300);
    EXPECT_EQ(Senke.AnzahlNachrichten(), 1);
}

TEST_F(Mailaktion, LernerdateiAusDemArbeitsverzeichnisEinerGeschuetztenLektion) {
    auto& orte = Lektionsorte();
    orte.SchreibgeschuetzteLektion = true;
    orte.Arbeitsverzeichnis = Verzeichnis / "arbeit";
    Anlegen(orte.Arbeitsverzeichnis / "Lerner.tab", "Kopie der Lernerdaten");
    Objekt<QCheckBox>(7, 30, "Lernerdatei")->setChecked(true);
    AktuelleEmail = "autor@example.org";
    AktuelleBeschreibung = "Lernstand";
    AktionAusfuehren({29, 0, 0, "", 0, 0, 0});
    ASSERT_EQ(Senke.AnzahlNachrichten(), 1);
    EXPECT_EQ(Senke.Wert(1, "text"), "||Feedback||\r\n");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.name"), "Lerner.tab");
    EXPECT_EQ(Senke.Wert(1, "anlage-1.daten"), "Kopie der Lernerdaten");
}

TEST_F(Mailaktion, OhneAdresseOderVerbindungMeldung70) {
    Sendeobjekt("");
    Fenster.EreignisAusloesen(0, 300);
    Client.ServerSetzen("127.0.0.1:" + std::to_string(FreierPort()));
    AktuelleEmail = "autor@example.org";
    AktionAusfuehren({29, 0, 0, "", 0, 0, 0});
    EXPECT_EQ(Texte(), (std::vector<std::string>{Fehler, Fehler}));
    EXPECT_EQ(Senke.AnzahlNachrichten(), 0);
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{0, 300}}));
}

// The server refuses the recipient after the connection was made: the learner learns that
// the answers did not go, and nothing tells the page they did.
TEST_F(Mailaktion, FehlerNachDemVerbindenZeigenMeldung70) {
    AktuelleEmail = "abgelehnt@example.org";
    AktionAusfuehren({29, 0, 0, "", 0, 0, 0});
    EXPECT_EQ(Texte(), std::vector<std::string>{Fehler});
    EXPECT_TRUE(Fenster.Ereignisse.empty());
    EXPECT_FALSE(Client.Verbunden());
}

} // namespace
