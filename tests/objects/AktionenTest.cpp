// The object actions through AktionAusfuehren: stored and internal codes, the commands they
// post, the message windows, the data-record actions, the learner records, documents and
// web addresses, and the operations they leave to the parts above the page objects.

#include "ObjektTesthilfe.h"

#include "actions/Aktionen.h"
#include "actions/Webadressen.h"
#include "mail/TMailzugang.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/ereignisse/THMessage.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TAnimationsdienst.h"
#include "objects/rollen/TKlangdienst.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "objects/rollen/TMenuedienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/rollen/TWerkzeugfensterdienst.h"
#include "objects/rollen/TZeichenrasterdienst.h"
#include "platform/Befehle.h"
#include "platform/Dokumente.h"
#include "platform/TPlattformstand.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/TAnwendungskontext.h"
#include "support/QtAnwendung.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <optional>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// A file with its directories.
void Anlegen(const std::filesystem::path& Datei, const std::string& Bytes) {
    std::filesystem::create_directories(Datei.parent_path());
    DateiSchreiben(Datei, Bytes);
}

const std::string KeineFunktion =
    "Dieses Objekt hat im Moment keine Funktion. \nFolgen Sie bitte dem Bearbeitungsvorschlag.";

// Services that record what the actions ask of the learner window and the later parts.
class TDienste : public TLernfensterdienst,
                 public TLernerdatendienst,
                 public TSystemwertdienst,
                 public TMenuedienst,
                 public TWerkzeugfensterdienst,
                 public TKlangdienst,
                 public TZeichenrasterdienst,
                 public TAnimationsdienst {
public:
    int32_t Seitennummer() override { return Seite; }
    int32_t Vorgabeseite() override { return Vorgabe; }
    bool SeiteVorhanden(int32_t Nr) override { return Nr == 5 || Nr == 7 || Nr == 9; }
    void ObjektZeigen(int32_t Nr, bool Verbergen) override {
        Aufrufe.push_back("ObjektZeigen " + std::to_string(Nr) + (Verbergen ? " true" : " false"));
    }
    int SchliessenVormerken(int32_t Seite) override {
        Aufrufe.push_back("SchliessenVormerken " + std::to_string(Seite));
        return 2;
    }
    void LernerdatenZuruecksetzen() override { Aufrufe.push_back("LernerdatenZuruecksetzen"); }
    void SystemanzeigenAktualisieren() override { Aufrufe.push_back("Systemanzeigen"); }
    void AbhakmarkenAktualisieren() override { Aufrufe.push_back("Abhakmarken"); }
    void LesezeichenfensterOeffnen() override { Aufrufe.push_back("Lesezeichen"); }
    void FragebogenOeffnen() override { Aufrufe.push_back("Fragebogen"); }
    void F4HilfeOeffnen(int32_t Nr) override { Aufrufe.push_back("F4 " + std::to_string(Nr)); }
    void PopupmenueZeigen(int32_t Nr, QPoint Punkt) override {
        Aufrufe.push_back("Popup " + std::to_string(Nr) + " " + std::to_string(Punkt.x()) + "," +
                          std::to_string(Punkt.y()));
    }
    void KlangSchalten(bool An) override { Aufrufe.push_back(An ? "Klang an" : "Klang aus"); }
    void ZeichenrasterPruefen() override { Aufrufe.push_back("Zeichenraster"); }
    void NachrichtAnAutorZeigen() override { Aufrufe.push_back("Autor"); }
    void NotizfensterOeffnen() override { Aufrufe.push_back("Notizen"); }
    void MenuebaeumeNeuZeichnen() override { Aufrufe.push_back("Menuebaeume"); }
    void PfadanimationAbspielen(int32_t Nr) override {
        Aufrufe.push_back("Pfad " + std::to_string(Nr));
    }

    int32_t Seite = 0;
    int32_t Vorgabe = 0;
    std::vector<std::string> Aufrufe;
};

// The host form as far as the actions see it: it receives host commands.
class THost : public QObject {
public:
    std::vector<std::pair<int, int32_t>> Befehle;

protected:
    void customEvent(QEvent* Ereignis) override {
        if (Ereignis->type() != HostbefehlArt()) return;
        const auto* befehl = static_cast<TBefehl*>(Ereignis);
        Befehle.emplace_back(befehl->Code, befehl->Parameter);
    }
};

// A learner window that also records the page events raised on it.
class TAktionsfenster : public TTestfenster {
public:
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override {
        Ereignisse.emplace_back(Quelle, EreignisNr);
        TTestfenster::EreignisAusloesen(Quelle, EreignisNr);
    }
    std::vector<std::pair<int32_t, int>> Ereignisse;
};

using Befehlsliste = std::vector<std::pair<int, int32_t>>;

class AktionenTest : public Lektionstest {
protected:
    void SetUp() override {
        Lektionstest::SetUp();
        if (HasFatalFailure()) return;
        LektionBauen(R"(
            "States.tab": [{"nr": 1, "fields": {"100": "3", "120": "7"}},
                           {"nr": 2, "fields": {"100": "5"}}],
            "Texte.tab": [{"nr": 12, "fields": {"1000": ["Erste Zeile", "zweite Zeile"]}}],
            "Daten.tab": [{"nr": 1, "fields": {"301": "Inhalt eins"}},
                          {"nr": 2, "fields": {"301": ["rot", "gr\u00fcn", "rot"]}},
                          {"nr": 3, "fields": {"301": "handbuch"}},
                          {"nr": 4, "fields": {"301": "pdf"}}],
            "Lerner.tab": [{"nr": 3, "fields": {"2300": "0", "2301": "1", "2303": "50"}},
                           {"nr": 5, "fields": {"2301": "1", "2303": "100"}}]
        )");
        if (HasFatalFailure()) return;
        Konfiguration() = TKonfiguration{};
        Plattform.Hostformular = &Host;
    }
    void TearDown() override {
        Konfiguration() = TKonfiguration{};
        Lektionstest::TearDown();
    }

    void Aktion(int32_t Code, int32_t TextNr = 0, int32_t Objektnummer = 0,
                int32_t Datensatznummer = 0, int32_t Ziel = 0) {
        AktionAusfuehren({Code, TextNr, Objektnummer, "", 0, Datensatznummer, Ziel});
        QCoreApplication::sendPostedEvents(&Host);
    }

    template <class T> T* Objekt(int32_t Nummer, int16_t Typ, const char* Beschreibung = "") {
        auto* w = new T(&Fenster);
        Fenster.Eintragen(w, Nummer, Typ).Beschreibung = Beschreibung;
        return w;
    }

    std::string Daten(int32_t Nr) {
        TTabelle& daten = *Tabelle(ArtDaten);
        return daten.LeseText(daten.Datensatz(Nr), 301);
    }
    std::string Lerner(int32_t Nr, uint16_t Feld) {
        TTabelle& lerner = *Tabelle(ArtLerner);
        return lerner.LeseText(lerner.Datensatz(Nr), Feld);
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> texte;
        for (const auto& n : Dialoge.Nachrichten)
            texte.push_back(n.Text);
        return texte;
    }

    TDienste Dienste;
    TRollenersatz<TLernfensterdienst> LernfensterErsatz{Dienste};
    TRollenersatz<TLernerdatendienst> LernerdatenErsatz{Dienste};
    TRollenersatz<TSystemwertdienst> SystemwertErsatz{Dienste};
    TRollenersatz<TMenuedienst> MenueErsatz{Dienste};
    TRollenersatz<TWerkzeugfensterdienst> WerkzeugfensterErsatz{Dienste};
    TRollenersatz<TKlangdienst> KlangErsatz{Dienste};
    TRollenersatz<TZeichenrasterdienst> ZeichenrasterErsatz{Dienste};
    TRollenersatz<TAnimationsdienst> AnimationErsatz{Dienste};
    TPlattformstand Plattform;
    TRollenersatz<TPlattformstand> PlattformErsatz{Plattform};
    TDokumentmitschrift Oeffnungen;
    TMailzugang Mailzugang;
    TRollenersatz<TMailzugang> MailErsatz{Mailzugang};

    THost Host;
    TAktionsfenster Fenster;
    std::vector<QUrl>& Geoeffnet = Oeffnungen.Geoeffnet;
    bool& Oeffnen = Oeffnungen.Antwort;
};

// ---------------------------------------------------------------------------------------
// Codes and commands

TEST(Aktionscode, StoredCodesBecomeInternal) {
    const std::pair<int32_t, int32_t> faelle[] = {
        {0, 1000},  {29, 1029},  {34, 1034},   {35, 1036},   {49, 1050}, {50, 1050},
        {51, 1051}, {999, 1999}, {1000, 1000}, {1029, 1029}, {-3, -3}};
    for (const auto& [gespeichert, intern] : faelle)
        EXPECT_EQ(Aktionscode(gespeichert), intern) << gespeichert;
}

struct TBefehlsfall {
    int32_t Code;
    std::pair<int, int32_t> Fensterbefehl;
};

// Every action that navigates posts its window command to the current learner window,
// whether the code comes stored or internal.
TEST_F(AktionenTest, NavigierendeAktionenSendenFensterbefehle) {
    const TBefehlsfall faelle[] = {
        {3, {0, 44}},   {1003, {0, 44}},  {4, {13, 0}},   {5, {11, 0}},    {6, {14, 44}},
        {7, {15, 0}},   {9, {17, 44}},    {10, {18, 44}}, {12, {20, 0}},   {16, {12, 0}},
        {28, {22, 44}}, {1028, {22, 44}}, {45, {0, 44}},  {1046, {0, 44}},
    };
    for (const auto& fall : faelle) {
        Fenster.Befehle.clear();
        Aktion(fall.Code, 0, 0, 0, 44);
        EXPECT_EQ(Fenster.Befehle, Befehlsliste{fall.Fensterbefehl}) << "Aktion " << fall.Code;
    }
    EXPECT_TRUE(Host.Befehle.empty());
}

TEST_F(AktionenTest, HostbefehleGehenAnDasHostformular) {
    Aktion(8);
    Aktion(33);
    Aktion(11, 0, 0, 0, 6);
    EXPECT_EQ(Host.Befehle, (Befehlsliste{{3, 0}, {7, 0}, {1, 2}}));
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>{"SchliessenVormerken 6"});
    EXPECT_TRUE(Fenster.Befehle.empty());
}

TEST_F(AktionenTest, GespeicherteUndInterneCodesWaehlenDieselbeAktion) {
    Aktion(35);         // stored: sound off
    Aktion(1037);       // internal: sound on
    Aktion(50, 0, 8);   // stored 50 acts as 49
    Aktion(1050, 0, 9); // internal 49
    Aktion(51, 0, 8);   // nothing
    Aktion(1035, 0, 8); // nothing
    Aktion(-1, 0, 8);   // nothing
    EXPECT_EQ(Dienste.Aufrufe,
              (std::vector<std::string>{"Klang aus", "Klang an", "ObjektZeigen 8 true",
                                        "ObjektZeigen 9 true"}));
    EXPECT_TRUE(Fenster.Befehle.empty());
    EXPECT_TRUE(Host.Befehle.empty());
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(AktionenTest, GespeicherterCode1029SendetDieAntworten) {
    // Without an address the mail cannot go: message 70.
    Aktion(1029);
    EXPECT_EQ(Texte(), std::vector<std::string>{
                           "Bei der \u00dcbermittlung der Nachricht ist ein Fehler aufgetreten"});
}

TEST_F(AktionenTest, AktionenSpaetererTeileGehenAnIhreDienste) {
    Objekt<THEditfeld>(4, 6)->F4FensterNr = 1; // its F4 window comes from the services
    Objekt<QLabel>(5, 7);
    Aktion(14);
    Aktion(15);
    Aktion(17, 0, 4);
    Aktion(30);
    Aktion(31, 0, 4); // an input field
    Aktion(31, 0, 5); // not one
    Aktion(36);
    Aktion(38);
    Aktion(43);
    Aktion(48, 0, 5);
    Aktion(49, 0, 4);
    EXPECT_EQ(Dienste.Aufrufe,
              (std::vector<std::string>{"Systemanzeigen", "Lesezeichen", "ObjektZeigen 4 false",
                                        "Fragebogen", "F4 4", "Klang an", "Zeichenraster",
                                        "Notizen", "Pfad 5", "ObjektZeigen 4 true"}));
    // Checking the character grids evaluates the page.
    EXPECT_EQ(Fenster.Befehle, (Befehlsliste{{13, 0}}));
}

TEST_F(AktionenTest, PopupmenueNurMitMenuenummerDieDanachNullIst) {
    AktuelleMenuenummer = 6;
    Popuppunkt = QPoint(30, 40);
    Aktion(32);
    Aktion(32);
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>{"Popup 6 30,40"});
    EXPECT_EQ(AktuelleMenuenummer, 0);
}

// ---------------------------------------------------------------------------------------
// Action 0 and the message window

TEST_F(AktionenTest, KeineFunktionOeffnetDieVorgabeseiteDerSeiteAlsDialog) {
    Dienste.Vorgabe = 7;
    Konfiguration().DefaultState = 9;
    Aktion(0);
    EXPECT_EQ(Fenster.Befehle, (Befehlsliste{{22, 7}}));
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(AktionenTest, KeineFunktionOhneSeitenvorgabeNimmtDieDerLektion) {
    Dienste.Vorgabe = 8; // names no page
    Konfiguration().DefaultState = 9;
    Aktion(0);
    EXPECT_EQ(Fenster.Befehle, (Befehlsliste{{22, 9}}));
}

TEST_F(AktionenTest, KeineFunktionOhneVorgabeseitenZeigtDasMeldungsfenster) {
    Konfiguration().DefaultState = 8; // names no page
    Aktion(0);
    EXPECT_TRUE(Fenster.Befehle.empty());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Titel, "Meldung");
    EXPECT_EQ(Dialoge.Nachrichten[0].Text, KeineFunktion);
}

TEST_F(AktionenTest, KeineFunktionTutNichtsFuerSimulierteSymbolleistenknoepfe) {
    Dienste.Vorgabe = 7;
    Objekt<QWidget>(4, 33);
    Aktion(0, 0, 4);
    EXPECT_TRUE(Fenster.Befehle.empty());
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(AktionenTest, MeldungsfensterZeigtDenTextOderDenFehler) {
    Aktion(2, 12);
    Aktion(2, 13);
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Erste Zeile\r\nzweite Zeile",
                                                 "Fehler: Kein Text zugeordnet!"}));
    EXPECT_EQ(Dialoge.Nachrichten[1].Titel, "Meldung");
}

TEST_F(AktionenTest, ErstesTextobjektZeigtDenText) {
    Objekt<QLabel>(3, 7);
    auto* erster = Objekt<QLabel>(4, 1);
    auto* zweiter = Objekt<QLabel>(5, 1);
    Aktion(1, 12);
    EXPECT_EQ(erster->property("TextNr").toInt(), 12);
    EXPECT_FALSE(zweiter->property("TextNr").isValid());
}

TEST_F(AktionenTest, InformationsfensterIstModal) {
    Aktion(44);
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Information);
}

TEST_F(AktionenTest, ZuruecksetzenNachBestaetigung) {
    Dialoge.NaechsteAntwort(KnopfNein);
    Aktion(13);
    EXPECT_TRUE(Dienste.Aufrufe.empty());
    Dialoge.NaechsteAntwort(KnopfJa);
    Aktion(13);
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>{"LernerdatenZuruecksetzen"});
    EXPECT_EQ(Texte()[0], "Wollen Sie den Bearbeitungsstand wirklich zur\u00fccksetzen ?");
}

TEST_F(AktionenTest, VerbirgtJedesObjektMitDerNummer) {
    auto* a = Objekt<QLabel>(4, 7);
    auto* b = Objekt<QLabel>(4, 7);
    auto* c = Objekt<QLabel>(5, 7);
    Fenster.show();
    Aktion(34, 0, 4);
    EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(c->isVisible());
}

// ---------------------------------------------------------------------------------------
// Data records

TEST_F(AktionenTest, DatensatzInObjekte) {
    auto* feld = Objekt<QLineEdit>(4, 6);
    auto* label = Objekt<QLabel>(5, 12);
    auto* combo = Objekt<QComboBox>(6, 27);
    auto* memo = Objekt<QPlainTextEdit>(7, 47);
    auto* liste = Objekt<QListWidget>(8, 49);
    auto* system = Objekt<QLabel>(9, 45);
    system->setText("Systemwert");
    for (int32_t n : {4, 5})
        Aktion(18, 0, n, 1);
    for (int32_t n : {6, 7, 8, 9})
        Aktion(18, 0, n, 2);
    EXPECT_EQ(feld->text(), "Inhalt eins");
    EXPECT_EQ(label->text(), "Inhalt eins");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QString::fromUtf8("grün"));
    EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("rot\ngrün\nrot"));
    EXPECT_EQ(liste->count(), 3);
    EXPECT_EQ(system->text(), "Systemwert"); // a system label cannot be set
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{
                                      {4, 211}, {5, 211}, {6, 211}, {7, 211}, {8, 211}, {9, 211}}));
}

TEST_F(AktionenTest, DatensatzInObjektOhneDatensatzAendertNichtsUndMeldetDasEreignis) {
    auto* feld = Objekt<QLineEdit>(4, 6);
    feld->setText("bleibt");
    Aktion(18, 0, 4, 77);
    Aktion(18, 0, 4, 0); // invalid: no event
    Aktion(18, 0, 0, 1);
    EXPECT_EQ(feld->text(), "bleibt");
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{4, 211}}));
}

TEST_F(AktionenTest, BeschriftungLegtDenFehlendenDatensatzAn) {
    Objekt<QLabel>(5, 7)->setText(QString::fromUtf8("Überschrift"));
    ASSERT_EQ(Tabelle(ArtDaten)->Datensatz(40), nullptr);
    Aktion(19, 0, 5, 40);
    EXPECT_EQ(Daten(40), "\xDC"
                         "berschrift");
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{5, 212}}));
    // Saved: the table read anew from its file has it.
    TTabelle frisch(ArtDaten, Tabelle(ArtDaten)->Pfad());
    frisch.Laden(2);
    EXPECT_EQ(frisch.LeseText(frisch.Datensatz(40), 301), "\xDC"
                                                          "berschrift");
}

TEST_F(AktionenTest, ObjekteInDatensaetze) {
    Objekt<QLineEdit>(4, 6)->setText("Eingabe");
    auto* combo = Objekt<QComboBox>(6, 27);
    combo->addItems({"a", "b"});
    combo->setCurrentIndex(1);
    Objekt<QPlainTextEdit>(7, 47)->setPlainText("x\ny");
    Objekt<QListWidget>(8, 49)->addItems({"p", "q"});
    Objekt<QLabel>(9, 45)->setText("42");
    Aktion(19, 0, 4, 1);
    Aktion(19, 0, 6, 41);
    Aktion(19, 0, 7, 42);
    Aktion(19, 0, 8, 43);
    Aktion(19, 0, 9, 44);
    EXPECT_EQ(Daten(1), "Eingabe");
    EXPECT_EQ(Daten(41), "b");
    EXPECT_EQ(Daten(42), "x\r\ny");
    EXPECT_EQ(Daten(43), "p\r\nq");
    EXPECT_EQ(Daten(44), "42");
}

TEST_F(AktionenTest, AusgewaehlteEintraegeInDenDatensatz) {
    auto* liste = Objekt<QListWidget>(8, 49);
    liste->setSelectionMode(QAbstractItemView::MultiSelection);
    liste->addItems({"eins", "zwei", "drei"});
    liste->item(0)->setSelected(true);
    liste->item(2)->setSelected(true);
    Aktion(20, 0, 8, 45);
    EXPECT_EQ(Daten(45), "eins\r\ndrei");
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{8, 213}}));
}

TEST_F(AktionenTest, DatensatzZurListeHinzufuegen) {
    auto* liste = Objekt<QListWidget>(8, 49);
    liste->addItems({"rot", "blau"});
    auto* combo = Objekt<QComboBox>(6, 27);
    combo->addItem("rot");
    Aktion(21, 0, 8, 2);
    Aktion(21, 0, 6, 2);
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i)
        eintraege << liste->item(i)->text();
    // Only lines not yet among the entries go into the list box; all into the combo box.
    EXPECT_EQ(eintraege, (QStringList{"rot", "blau", QString::fromUtf8("grün")}));
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(Fenster.Ereignisse, (std::vector<std::pair<int32_t, int>>{{8, 210}, {6, 210}}));
}

TEST_F(AktionenTest, LeerenMeldetDasEreignisAuchOhneObjekt) {
    auto* feld = Objekt<QLineEdit>(4, 6);
    feld->setText("weg");
    auto* liste = Objekt<QListWidget>(8, 49);
    liste->addItems({"a", "b"});
    auto* label = Objekt<QLabel>(5, 7);
    label->setText("bleibt");
    for (int32_t n : {4, 8, 5, 99})
        Aktion(22, 0, n);
    Aktion(22, 0, 0);
    EXPECT_TRUE(feld->text().isEmpty());
    EXPECT_EQ(liste->count(), 0);
    EXPECT_EQ(label->text(), "bleibt");
    EXPECT_EQ(Fenster.Ereignisse,
              (std::vector<std::pair<int32_t, int>>{{4, 214}, {8, 214}, {5, 214}, {99, 214}}));
}

TEST_F(AktionenTest, AusgewaehlteEintraegeLoeschen) {
    auto* liste = Objekt<QListWidget>(8, 49);
    liste->setSelectionMode(QAbstractItemView::MultiSelection);
    liste->addItems({"a", "b", "c", "d"});
    liste->item(1)->setSelected(true);
    liste->item(3)->setSelected(true);
    Aktion(23, 0, 8);
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->item(0)->text(), "a");
    EXPECT_EQ(liste->item(1)->text(), "c");
    auto* leer = Objekt<QListWidget>(9, 49);
    Aktion(23, 0, 9);
    EXPECT_EQ(leer->count(), 0);
}

// ---------------------------------------------------------------------------------------
// Learner records

TEST_F(AktionenTest, AbhakenDerZielseiteOderDerAktuellenSeite) {
    Dienste.Seite = 3;
    Aktion(24);
    EXPECT_EQ(Lerner(3, 2300), "1");
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>{"Abhakmarken"});
    Aktion(25, 0, 0, 0, 5);
    EXPECT_EQ(Lerner(5, 2301), "1");
    // A page without learner record stays without one, and nothing refreshes.
    Dienste.Aufrufe.clear();
    Aktion(24, 0, 0, 0, 8);
    EXPECT_EQ(Tabelle(ArtLerner)->Datensatz(8), nullptr);
    EXPECT_TRUE(Dienste.Aufrufe.empty());
    TTabelle frisch(ArtLerner, Tabelle(ArtLerner)->Pfad());
    frisch.Laden(2);
    EXPECT_EQ(frisch.LeseText(frisch.Datensatz(3), 2300), "1");
}

TEST_F(AktionenTest, HeuteAbgehaktWirdUeberallGeloescht) {
    Aktion(26);
    EXPECT_EQ(Lerner(3, 2301), "0");
    EXPECT_EQ(Lerner(5, 2301), "0");
}

TEST_F(AktionenTest, MenuestatusSteigtNurAn) {
    Dienste.Seite = 3;
    Aktion(46, 0, 0, 0, 5); // 100 stays
    Aktion(47);             // 50 becomes 100
    EXPECT_EQ(Lerner(5, 2303), "100");
    EXPECT_EQ(Lerner(3, 2303), "100");
    Aktion(46);
    EXPECT_EQ(Lerner(3, 2303), "100");
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>(3, "Menuebaeume"));
}

// ---------------------------------------------------------------------------------------
// Web addresses, help and documents

TEST_F(AktionenTest, WebadressenNurMitVerbindungZumMailserver) {
    Aktion(39);
    Aktion(40);
    Aktion(42);
    EXPECT_TRUE(Geoeffnet.empty());
    EXPECT_EQ(Texte(),
              std::vector<std::string>(3, "Diese Funktionalit\u00e4t ist nur verf\u00fcgbar, "
                                          "wenn Sie beim Start des Lernprogramms "
                                          "Verbindung zum Intranet haben."));
    Aktion(41);
    Mailzugang.Verfuegbar = true;
    Aktion(39);
    Aktion(40);
    Aktion(42);
    EXPECT_EQ(Geoeffnet,
              (std::vector<QUrl>{QUrl(Forum), QUrl(Informationsportal), QUrl(Lernportal)}));
    EXPECT_EQ(Dienste.Aufrufe, std::vector<std::string>{"Autor"});
}

TEST_F(AktionenTest, HilfeOeffnetDieHilfedateiDerLektion) {
    Anlegen(Verzeichnis / "Hilfe" / "kurs.html", "<html></html>");
    AktionAusfuehren({27, 0, 0, "hilfe\\KURS.html", 15, 0, 0});
    ASSERT_EQ(Geoeffnet.size(), 1u) << ::testing::PrintToString(Texte());
    EXPECT_EQ(Geoeffnet[0].toLocalFile().toStdString(), (Verzeichnis / "Hilfe/kurs.html").string());
    EXPECT_EQ(Geoeffnet[0].fragment(), "15");
    EXPECT_EQ(Hilfedatei(), Verzeichnis / "Hilfe/kurs.html");
}

// The lesson lies in a directory of its own, so that there is something outside it.
class Dokumente : public AktionenTest {
protected:
    void SetUp() override {
        AktionenTest::SetUp();
        if (HasFatalFailure()) return;
        Lektion = Verzeichnis / "lektion";
        std::filesystem::create_directories(Lektion);
        Lektionsorte().Programmverzeichnis = Lektionsorte().Lektionsverzeichnis = Lektion;
    }
    void Oeffne(const std::string& Name) {
        AktuellesDokument = Name;
        Aktion(37);
    }
    std::optional<std::string> Geoeffnete() const {
        if (Geoeffnet.size() != 1) return std::nullopt;
        const QUrl& url = Geoeffnet[0];
        return (url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString();
    }
    std::string Datei(const std::string& Name) { return (Lektion / Name).string(); }

    std::filesystem::path Lektion;
};

TEST_F(Dokumente, PlatzhalterWerdenErsetzt) {
    Anlegen(Lektion / "docs" / "handbuch.txt", "a");
    Anlegen(Lektion / "docs" / "handbuch.pdf", "a");
    Oeffne("docs\\@3@.txt");
    EXPECT_EQ(Geoeffnete(), Datei("docs/handbuch.txt"));
    EXPECT_EQ(AktuellesDokument, "docs\\handbuch.txt");
    Geoeffnet.clear();
    Oeffne("DOCS\\@3@.@4@");
    EXPECT_EQ(Geoeffnete(), Datei("docs/handbuch.pdf"));
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

TEST_F(Dokumente, PlatzhalterOhneDatensatzBleibtStehen) {
    Anlegen(Lektion / "a@99@b.txt", "a");
    Oeffne("a@99@b.txt");
    EXPECT_EQ(Geoeffnete(), Datei("a@99@b.txt"));
}

TEST_F(Dokumente, WebadressenGehenAnDenBrowser) {
    Oeffne("HTTPS://www.example.org/seite?@1@");
    EXPECT_EQ(Geoeffnete(), "https://www.example.org/seite?Inhalt eins");
}

TEST_F(Dokumente, DieKopieImArbeitsverzeichnisGehtVor) {
    auto& orte = Lektionsorte();
    orte.SchreibgeschuetzteLektion = true;
    orte.Arbeitsverzeichnis = Verzeichnis / "arbeit";
    Anlegen(Lektion / "docs" / "brief.txt", "original");
    Anlegen(Verzeichnis / "arbeit" / "brief.txt", "kopie");
    Oeffne("docs\\brief.txt");
    EXPECT_EQ(Geoeffnete(), (Verzeichnis / "arbeit/brief.txt").string());
}

struct TAbgelehnt {
    const char* Name;
    const char* Text;
};

// Names outside the lesson and addresses of other kinds start nothing and read as a file
// not found; a missing directory and a document without program have texts of their own.
TEST_F(Dokumente, FehlschlaegeZeigenDenFehlertext) {
    std::filesystem::create_directories(Verzeichnis / "draussen");
    Anlegen(Verzeichnis / "draussen" / "geheim.txt", "x");
    Anlegen(Lektion / "da.txt", "x");
    const TAbgelehnt faelle[] = {
        {"..\\draussen\\geheim.txt", "Datei nicht gefunden."},
        {"fehlt.txt", "Datei nicht gefunden."},
        {"ordner\\fehlt.txt", "Pfad nicht gefunden."},
        {"http:/ohne-host", "Datei nicht gefunden."},
        {"httpx://example.org/", "Datei nicht gefunden."},
        {"", "Datei nicht gefunden."},
    };
    for (const auto& fall : faelle) {
        Dialoge.Nachrichten.clear();
        Oeffne(fall.Name);
        EXPECT_TRUE(Geoeffnet.empty()) << fall.Name;
        ASSERT_EQ(Dialoge.Nachrichten.size(), 1u) << fall.Name;
        EXPECT_EQ(Dialoge.Nachrichten[0].Titel, "Fehler");
        EXPECT_EQ(Dialoge.Nachrichten[0].Text, fall.Text) << fall.Name;
    }
    Dialoge.Nachrichten.clear();
    Oeffnen = false;
    Oeffne("da.txt");
    EXPECT_EQ(Texte(), std::vector<std::string>{
                           "Es ist keine Anwendung mit der Datei-erweiterung verkn\u00fcpft."});
    EXPECT_EQ(Fenster.Ereignisse.back(), (std::pair<int32_t, int>{0, 217}));
}

TEST_F(Dokumente, EinEreignisobjektFuer217ErsetztDieFehlermeldung) {
    auto* nachricht = new THMessage(&Fenster);
    nachricht->EreignisNr = 217;
    nachricht->Typ = 3;
    nachricht->Ziel = 5;
    Fenster.Eintragen(nachricht, 20, 43);
    Oeffne("fehlt.txt");
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
    EXPECT_EQ(Fenster.Befehle, (Befehlsliste{{0, 5}}));
}

} // namespace
