#include "player/Navigation.h"
#include "Spielerumgebung.h"
#include "objects/kern/TObjektliste.h"
#include "objects/knoepfe/THFunktionsSchaltflaeche.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "platform/Befehle.h"
#include "platform/Drucken.h"
#include "platform/Protokoll.h"
#include "platform/TBefehlspost.h"
#include "player/Navigationsknoepfe.h"
#include "player/Programmende.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/QtAnwendung.h"
#include "support/Testverzeichnis.h"
#include "vlmtab/LektionBauen.h"

#include <QCoreApplication>
#include <QTimer>

#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

class Navigation : public Testverzeichnis {
public:
    void SetUp() override {
        Testverzeichnis::SetUp();
        Lektion = Verzeichnis / "lektion";
        Protokoll = Verzeichnis / "protokoll.txt";
    }

    void TearDown() override {
        delete Fenster;
        Fenster = nullptr;
        TFensterliste::Liste().Leeren();
        LektionSchliessen();
        ProtokollSchliessen();
        Konfiguration() = TKonfiguration{};
        NurPdfDrucken(false);
        Testverzeichnis::TearDown();
    }

    // Builds the lesson from the JSON of its page records, opens it and shows the first
    // learner window at page `Start`.
    void Starten(const std::string& Seiten, int32_t Start, const std::string& Weitere = "",
                 const std::string& Ini = "{}") {
        std::ostringstream meldungen;
        ASSERT_EQ(vlmtab::LektionAusTextBauen(R"({"tables": {"States.tab": [)" + Seiten + "]" +
                                                  Weitere + R"(}, "ini": )" + Ini + "}",
                                              "test", Lektion, meldungen),
                  0)
            << meldungen.str();
        auto& orte = Lektionsorte();
        orte = TLektionsorte{};
        orte.Programmverzeichnis = orte.Lektionsverzeichnis = Lektion;
        KonfigurationLesen();
        LektionOeffnen();
        Fenster = new THauptfenster();
        Fenster->OeffnungVorgeben(Start);
        TFensterliste::Liste().Anhaengen(Fenster);
        TFensterliste::Liste().AktuellSetzen(Fenster);
        Fenster->show();
        QCoreApplication::processEvents();
        ProtokollOeffnen(Protokoll);
    }

    // Posts a window command as objects do and lets the queue carry it out.
    void Befehl(int Code, int32_t Argument = 0) {
        Fenster->Fensterbefehl(Code, Argument);
        QCoreApplication::processEvents();
    }

    std::vector<std::string> Protokollzeilen() {
        std::ifstream in(Protokoll);
        std::vector<std::string> zeilen;
        for (std::string z; std::getline(in, z);)
            zeilen.push_back(z.substr(z.find(' ') + 1));
        return zeilen;
    }

    std::vector<int32_t> Verlauf() { return Fenster->Verlauf().Seiten(); }

    fs::path Lektion, Protokoll;
    TSpielerumgebung Umgebung;
    THauptfenster* Fenster = nullptr;
    AufzeichnenderDialogDienst Dialoge;
};

std::string Seite(int Nr, const std::string& Felder = "") {
    return R"({"nr": )" + std::to_string(Nr) + R"(, "fields": {"100": ")" + std::to_string(Nr) +
           R"(")" + (Felder.empty() ? "" : ", " + Felder) + "}}";
}

// A page record whose number differs from its record number.
std::string Satz(int Nr, const std::string& Felder) {
    return R"({"nr": )" + std::to_string(Nr) + R"(, "fields": {)" + Felder + "}}";
}

const std::string ZehnZwanzigDreissig =
    Seite(10) + ", " + Seite(20, R"("117": "1")") + ", " + Seite(30);

TEST_F(Navigation, SchritteUeberspringenFeedbackseiten) {
    struct Fall {
        int32_t Von;
        std::function<void(Navigation&)> Schritt;
        int32_t Nach;
    };
    const auto befehl = [](int Code) { return [Code](Navigation& t) { t.Befehl(Code); }; };
    for (const Fall& f :
         {Fall{10, befehl(FensterWeiter), 30}, Fall{30, befehl(FensterZurueck), 10},
          Fall{20, befehl(FensterWeiter), 30}, Fall{20, befehl(FensterZurueck), 10},
          Fall{10, [](Navigation& t) { ::Navigation::NaechsteNummer(*t.Fenster); }, 20}}) {
        SCOPED_TRACE(f.Von);
        Starten(ZehnZwanzigDreissig, f.Von);
        ASSERT_EQ(Fenster->Seitennummer(), f.Von);
        f.Schritt(*this);
        EXPECT_EQ(Fenster->Seitennummer(), f.Nach);
        TearDown();
        SetUp();
    }
}

TEST_F(Navigation, NachfolgerfeldGehtVorDerNummer) {
    Starten(Seite(10, R"("160": "40")") + ", " + Seite(20) + ", " + Seite(40, R"("160": "99")") +
                ", " + Seite(5, R"("162": "40")"),
            10);
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 40) << "the successor field, not 20";
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 5) << "no page 99: the lowest-numbered page";
    ::Navigation::Zurueck(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 40) << "the predecessor field";
}

TEST_F(Navigation, RandseitenUndNaechsteNummerAmEnde) {
    // The first record of the table is not the lowest page.
    Starten(Seite(30) + ", " + Seite(10) + ", " + Seite(20, R"("117": "1")"), 30);
    std::ofstream(Protokoll, std::ios::trunc);
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 30);
    const std::vector<std::string> z = Protokollzeilen();
    EXPECT_EQ(z, (std::vector<std::string>{"event 0 105", "page 30", "event 0 104"}))
        << "the highest page is built again";

    std::ofstream(Protokoll, std::ios::trunc);
    ::Navigation::NaechsteNummer(*Fenster);
    EXPECT_TRUE(Protokollzeilen().empty()) << "nothing above the highest page";

    ::Navigation::GeheZuSeite(*Fenster, 10);
    ::Navigation::Zurueck(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 30) << "the first record of the table";
}

TEST_F(Navigation, NummernGleicherSeitenUndGrenzen) {
    // Two records share 20, the first of them a feedback page; 0 and negative pages are
    // never a step back; 1000000000 is beyond every step forward.
    Starten(Satz(1, R"("100": "20", "117": "1", "101": "A")") + ", " +
                Satz(2, R"("100": "20", "101": "B")") + ", " + Satz(3, R"("100": "0")") + ", " +
                Satz(4, R"("100": "1000000000")") + ", " + Satz(5, R"("100": "10")"),
            10);
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->windowTitle(), "B");
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 20) << "nothing below 1000000000: built again";
    ::Navigation::GeheZuSeite(*Fenster, 10);
    ::Navigation::Zurueck(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 20) << "page 0 is no step back: the first record";
    EXPECT_EQ(Fenster->windowTitle(), "A");
    ::Navigation::GeheZuSeite(*Fenster, 20);
    EXPECT_EQ(Fenster->windowTitle(), "A") << "the first record with the number";
    ::Navigation::NaechsteNummer(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 1000000000);
}

TEST_F(Navigation, VerlaufWieImBrowser) {
    Starten(Seite(1) + ", " + Seite(2) + ", " + Seite(3) + ", " + Seite(5), 1);
    Befehl(FensterSeite, 2);
    Befehl(FensterSeite, 3);
    Befehl(FensterVerlaufZurueck);
    Befehl(FensterVerlaufZurueck);
    EXPECT_EQ(Fenster->Seitennummer(), 1);
    Befehl(FensterVerlaufZurueck);
    EXPECT_EQ(Fenster->Seitennummer(), 1) << "the oldest entry: nothing happens";
    Befehl(FensterSeite, 5);
    EXPECT_EQ(Verlauf(), (std::vector<int32_t>{1, 5}));
    EXPECT_FALSE(Fenster->Verlauf().VorMoeglich());
    EXPECT_TRUE(Fenster->Verlauf().ZurueckMoeglich());
    Befehl(FensterVerlaufVor);
    EXPECT_EQ(Fenster->Seitennummer(), 5);
}

TEST_F(Navigation, SeiteUnterDemZeigerNeuAufbauen) {
    Starten(Seite(1) + ", " + Seite(2) + ", " + Seite(3), 1);
    Befehl(FensterSeite, 2);
    Befehl(FensterSeite, 3);
    Befehl(FensterVerlaufZurueck);
    Befehl(FensterSeite, 2);
    EXPECT_EQ(Verlauf(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_TRUE(Fenster->Verlauf().VorMoeglich()) << "the rebuild dropped nothing ahead";
    EXPECT_FALSE(Fenster->VerlaufsschrittAngekuendigt());
}

TEST_F(Navigation, BefehleLaufenNachDemHandlerInIhrerReihenfolge) {
    Starten(Seite(1) + ", " + Seite(2) + ", " + Seite(3) + ", " + Seite(4), 1);
    std::ofstream(Protokoll, std::ios::trunc);
    int32_t imHandler = 0;
    QTimer::singleShot(0, Fenster, [&] {
        Fenster->Fensterbefehl(FensterSeite, 3);
        Fenster->Fensterbefehl(FensterZurueck, 0);
        Fenster->Fensterbefehl(FensterSeite, 0); // no page 0: ignored
        Fenster->Fensterbefehl(99, 4);           // unknown code: ignored
        imHandler = Fenster->Seitennummer();
    });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(imHandler, 1) << "nothing navigates inside the handler";
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    std::vector<std::string> befehle;
    for (const std::string& z : Protokollzeilen())
        if (z.rfind("command", 0) == 0 || z.rfind("page", 0) == 0) befehle.push_back(z);
    EXPECT_EQ(befehle,
              (std::vector<std::string>{"command window 0 3", "page 3", "command window 12 0",
                                        "page 2", "command window 0 0", "command window 99 4"}));
}

TEST_F(Navigation, EreignisbefehlNimmtDieUnteren16Bit) {
    Starten(Seite(1), 1);
    std::ofstream(Protokoll, std::ios::trunc);
    Befehl(FensterEreignis, 0x10000 + 2112);
    EXPECT_EQ(Protokollzeilen(),
              (std::vector<std::string>{"command window 21 67648", "event 0 2112"}));
}

TEST_F(Navigation, AuswertenDannWeiterOderZumZiel) {
    // No evaluation object on the page: the page may be left.
    Starten(Seite(1) + ", " + Seite(2) + ", " + Seite(7), 1);
    Befehl(FensterAuswertenUndWeiter);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    Befehl(FensterAuswertenUndSeite, 7);
    EXPECT_EQ(Fenster->Seitennummer(), 7);
    Befehl(FensterAuswertenUndSeite, 0);
    Befehl(FensterAuswerten);
    EXPECT_EQ(Fenster->Seitennummer(), 7);
}

TEST_F(Navigation, SeitenindexFolgtDerSeitentabelle) {
    Starten(ZehnZwanzigDreissig, 10);
    TTabelle& seiten = *Tabelle(ArtSeiten);
    // A page added while the lesson runs (as a script does) is found at once.
    TDatensatz* neu = seiten.NeuerDatensatz(4);
    seiten.SchreibeText(neu, 100, "15");
    EXPECT_TRUE(::Navigation::SeiteVorhanden(15));
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 15);
    // Renumbered, then made a feedback page, then deleted.
    seiten.SchreibeText(neu, 100, "25");
    EXPECT_FALSE(::Navigation::SeiteVorhanden(15));
    ::Navigation::GeheZuSeite(*Fenster, 10);
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 25);
    seiten.SchreibeText(neu, 117, "1");
    ::Navigation::GeheZuSeite(*Fenster, 10);
    ::Navigation::Weiter(*Fenster);
    EXPECT_EQ(Fenster->Seitennummer(), 30);
    Fenster->AktuelleSeiteWaehlen(seiten.Datensatz(1));
    seiten.Loeschen(neu);
    EXPECT_FALSE(::Navigation::SeiteVorhanden(25));
    EXPECT_FALSE(::Navigation::HoehereSeiteVorhanden(30));
    EXPECT_TRUE(::Navigation::NiedrigereSeiteVorhanden(30));
}

TEST_F(Navigation, Wiederaufnahmeseite) {
    struct Fall {
        std::string Seiten;
        int32_t Seite, Erwartet;
    };
    const std::string mitFeedback25 =
        Seite(10) + ", " + Seite(20) + ", " + Seite(25, R"("117": "1")") + ", " + Seite(30);
    for (const Fall& f : {
             Fall{mitFeedback25, 25, 20},
             Fall{mitFeedback25, 30, 30},
             Fall{Seite(10, R"("117": "1")") + ", " + Seite(20), 10, 10}, // none below
             Fall{Seite(10) + ", " + Seite(12, R"("163": "5")"), 12, 5},
         }) {
        SCOPED_TRACE(f.Seite);
        Starten(f.Seiten, f.Seite);
        EXPECT_EQ(Wiederaufnahmeseite(*Fenster), f.Erwartet);
        TearDown();
        SetUp();
    }
}

TEST_F(Navigation, BeendenSchreibtDieWiederaufnahmeseiteDerFeedbackseite) {
    Starten(Seite(10) + ", " + Seite(20) + ", " + Seite(25, R"("117": "1")") + ", " + Seite(30), 25,
            "", R"({"State": {"Nr": "1"}})");
    Dialoge.NaechsteAntwort(KnopfJa);
    EXPECT_TRUE(Beenden());
    EXPECT_EQ(IniWertLesen(Lektion / "VLM.INI", "State", "Nr"), "20");
    EXPECT_EQ(Fenster->Objektliste(), nullptr) << "the page's objects are freed";
}

TEST_F(Navigation, Hilfeseite) {
    struct Fall {
        std::string Seitenfeld, Lektionsfeld;
        int32_t Erwartet;
    };
    for (const Fall& f : {Fall{"2", "3", 2}, Fall{"9", "3", 3}, Fall{"0", "3", 3},
                          Fall{"0", "9", 0}, Fall{"0", "", 0}}) {
        SCOPED_TRACE(f.Seitenfeld + "/" + f.Lektionsfeld);
        Starten(Seite(1, R"("120": ")" + f.Seitenfeld + R"(")") + ", " + Seite(2) + ", " + Seite(3),
                1, "", R"({"Lektion": {"DefaultState": ")" + f.Lektionsfeld + R"("}})");
        EXPECT_EQ(::Navigation::Hilfeseite(*Fenster), f.Erwartet);
        TearDown();
        SetUp();
    }
}

TEST_F(Navigation, LernerdatenZuruecksetzen) {
    Starten(
        Seite(1, R"("104": "1")"), 1,
        R"(, "Lerner.tab": [{"nr": 1, "fields": {"2300": "1"}}, {"nr": 2, "fields": {"2301": "1"}}])");
    Rolle<TLernerdatendienst>().LernerdatenZuruecksetzen();
    // Page 1 is a progress page: its record comes back at once, empty.
    EXPECT_EQ(Tabelle(ArtLerner)->Anzahl(), 1);
    TTabelle frisch(ArtLerner, Lektion / "Lerner.tab");
    frisch.Laden(2);
    EXPECT_EQ(frisch.Anzahl(), 1) << "deleted on disk too";
    EXPECT_EQ(frisch.Datensatz(2), nullptr);
    EXPECT_FALSE(frisch.LeseSchalter(frisch.Datensatz(1), Feld::Lerner::endgueltig_abgehakt));
}

TEST_F(Navigation, DruckenOhneDruckerSchreibtPdf) {
    Starten(Seite(4), 4);
    NurPdfDrucken(true);
    Befehl(FensterDrucken);
    Befehl(FensterDrucken);
    ASSERT_TRUE(fs::exists(Lektion / "Seite 4.pdf"));
    ASSERT_TRUE(fs::exists(Lektion / "Seite 4 (2).pdf")) << "an earlier print is kept";
    EXPECT_EQ(DateiLesen(Lektion / "Seite 4.pdf").substr(0, 5), "%PDF-");
    ASSERT_EQ(Dialoge.Nachrichten.size(), 2u);
    EXPECT_NE(Dialoge.Nachrichten[0].Text.find((Lektion / "Seite 4.pdf").string()),
              std::string::npos)
        << Dialoge.Nachrichten[0].Text;
    for (const auto& e : fs::directory_iterator(Lektion))
        EXPECT_NE(e.path().extension(), ".teil") << "no half-written file is left";
}

TEST_F(Navigation, DruckenInEinFehlendesVerzeichnisMeldetDenFehler) {
    Starten(Seite(4), 4);
    NurPdfDrucken(true);
    Lektionsorte().Lektionsverzeichnis = Verzeichnis / "fehlt";
    EXPECT_TRUE(Fenster->Drucken().empty());
    ASSERT_EQ(Dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(Dialoge.Nachrichten[0].Art, Symbol::Fehler);
    EXPECT_NE(Dialoge.Nachrichten[0].Text.find("Seite 4.pdf"), std::string::npos);
}

TEST_F(Navigation, NavigationsknoepfeFolgenSeiteUndVerlauf) {
    const std::string knoepfe = R"(["1", "2", "3", "4", "5", "6", "7"])";
    Starten(Seite(1, R"("161": )" + knoepfe) + ", " + Seite(2, R"("161": )" + knoepfe), 1,
            R"(, "Objekte.tab": [
                {"nr": 1, "fields": {"1200": "11", "1231": "0"}},
                {"nr": 2, "fields": {"1200": "11", "1231": "1"}},
                {"nr": 3, "fields": {"1200": "15", "1231": "0"}},
                {"nr": 4, "fields": {"1200": "15", "1231": "1"}},
                {"nr": 5, "fields": {"1200": "62", "1231": "2"}},
                {"nr": 6, "fields": {"1200": "62", "1231": "3"}},
                {"nr": 7, "fields": {"1200": "11", "1231": "5"}}])");
    std::vector<QWidget*> k;
    for (TObjektliste* e = Fenster->Objektliste(); e; e = e->Naechster)
        k.push_back(e->Objekt);
    ASSERT_EQ(k.size(), 7u);
    auto zustand = [&](int i) { return qobject_cast<THFunktionsSchaltflaeche*>(k[i])->Zustand(); };
    struct Fall {
        std::function<void()> Schritt;
        bool Weiter, VerlaufVor, Zurueck, VerlaufZurueck;
    };
    const Fall faelle[] = {
        {[] {}, true, false, false, false}, // page 1, history 1
        {[&] { ::Navigation::GeheZuSeite(*Fenster, 2); }, false, false, true,
         true}, // page 2 (last)
        {[&] { ::Navigation::VerlaufZurueck(*Fenster); }, true, true, false, false},
    };
    for (const Fall& f : faelle) {
        f.Schritt();
        NavigationsknoepfeAktualisieren(*Fenster);
        EXPECT_EQ(k[0]->isEnabled(), f.Weiter);
        EXPECT_EQ(k[1]->isEnabled(), f.VerlaufVor);
        EXPECT_EQ(k[2]->isEnabled(), f.Zurueck);
        EXPECT_EQ(k[3]->isEnabled(), f.VerlaufZurueck);
        EXPECT_EQ(zustand(4), f.VerlaufZurueck ? 1 : 0);
        EXPECT_EQ(zustand(5), f.VerlaufVor ? 1 : 0);
        EXPECT_TRUE(k[6]->isEnabled()) << "another Typ is left alone";
    }
}

// A post the queue refuses is tried once more after pending events have run; refused
// again, the command is lost.
TEST_F(Navigation, BefehlSendenVersuchtEsEinZweitesMal) {
    Starten(Seite(1) + ", " + Seite(2) + ", " + Seite(3), 1);
    // Refuses every first try, and the second one too once `zweiterDarf` is false.
    struct TWaehlerischePost : TBefehlspost {
        int versuche = 0;
        bool zweiterDarf = true;
        bool Posten(QObject* Ziel, QEvent* Befehl) override {
            if (++versuche % 2 == 1 || !zweiterDarf) return false;
            QCoreApplication::postEvent(Ziel, Befehl);
            return true;
        }
    } post;
    TRollenersatz<TBefehlspost> ersatz(post);
    int& versuche = post.versuche;
    bool& zweiterDarf = post.zweiterDarf;
    Befehl(FensterSeite, 2);
    EXPECT_EQ(versuche, 2);
    EXPECT_EQ(Fenster->Seitennummer(), 2);
    zweiterDarf = false;
    Befehl(FensterSeite, 3);
    EXPECT_EQ(versuche, 4);
    EXPECT_EQ(Fenster->Seitennummer(), 2) << "lost without a message";
    EXPECT_TRUE(Dialoge.Nachrichten.empty());
}

} // namespace
