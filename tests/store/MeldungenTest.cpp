#include "store/Meldungen.h"
#include "support/AufzeichnenderDialogDienst.h"
#include "support/Testverzeichnis.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// One dialog of the catalogue: its text function and how it shows a number.
struct TDialogart {
    const char* Name;
    std::string (*Text)(int64_t);
    unsigned (*Zeigen)(int64_t); // the answer as a button
    Symbol Art;
    unsigned Knoepfe;
};

const TDialogart Dialogarten[] = {
    {"Meldung", [](int64_t n) { return Meldungstext(static_cast<int>(n)); },
     [](int64_t n) -> unsigned { return Meldung(static_cast<int>(n)); }, Symbol::Information,
     KnopfOK},
    {"Bestaetigung", [](int64_t n) { return Bestaetigungstext(static_cast<int>(n)); },
     [](int64_t n) -> unsigned { return Bestaetigung(static_cast<int>(n)) ? KnopfJa : KnopfNein; },
     Symbol::Frage, KnopfJa | KnopfNein},
    {"Fehlermeldung", [](int64_t n) { return Fehlermeldungstext(static_cast<int>(n)); },
     [](int64_t n) -> unsigned { return Fehlermeldung(static_cast<int>(n)); }, Symbol::Fehler,
     KnopfOK},
    {"Startfehler", [](int64_t n) { return Startfehlertext(static_cast<uint32_t>(n)); },
     [](int64_t n) -> unsigned { return Startfehler(static_cast<uint32_t>(n)); }, Symbol::Fehler,
     KnopfOK},
};

std::string Entschluesselt(const std::string& s) {
    std::string t;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            t += s[i];
            continue;
        }
        const char c = s[++i];
        t += c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return t;
}

// The expected catalogue: per dialog, number -> text, plus "Titel" and "sonst".
struct TErwartung {
    std::map<int64_t, std::string> Texte;
    std::string Titel;
    std::string Sonst;
};

std::map<std::string, TErwartung> ErwartungenLaden() {
    std::map<std::string, TErwartung> e;
    std::istringstream datei(DateiLesen(VELMORA_TESTDATEN "/meldungen.txt"));
    std::string zeile;
    while (std::getline(datei, zeile)) {
        if (zeile.empty() || zeile[0] == '#') continue;
        const size_t a = zeile.find('\t');
        const size_t b = zeile.find('\t', a + 1);
        const std::string art = zeile.substr(0, a);
        const std::string nr = zeile.substr(a + 1, b - a - 1);
        const std::string text = Entschluesselt(zeile.substr(b + 1));
        if (nr == "Titel")
            e[art].Titel = text;
        else if (nr == "sonst")
            e[art].Sonst = text;
        else
            e[art].Texte[std::stoll(nr)] = text;
    }
    return e;
}

const std::map<std::string, TErwartung>& Erwartungen() {
    static const auto e = ErwartungenLaden();
    return e;
}

class MeldungenTest : public ::testing::TestWithParam<TDialogart> {};

TEST_P(MeldungenTest, JederTextStimmtMitDerVorlageUeberein) {
    const TDialogart& d = GetParam();
    const TErwartung& e = Erwartungen().at(d.Name);
    ASSERT_FALSE(e.Texte.empty());
    for (const auto& [nr, text] : e.Texte)
        EXPECT_EQ(d.Text(nr), text) << d.Name << " " << nr;
}

TEST_P(MeldungenTest, AndereNummernGebenDenErsatztext) {
    const TDialogart& d = GetParam();
    const TErwartung& e = Erwartungen().at(d.Name);
    ASSERT_FALSE(e.Sonst.empty());
    for (int64_t nr = -2; nr <= 300; ++nr)
        if (!e.Texte.count(nr)) {
            EXPECT_EQ(d.Text(nr), e.Sonst) << d.Name << " " << nr;
        }
    EXPECT_EQ(d.Text(65535), e.Sonst);
}

TEST_P(MeldungenTest, ZeigtTitelSymbolUndKnoepfe) {
    const TDialogart& d = GetParam();
    const TErwartung& e = Erwartungen().at(d.Name);
    AufzeichnenderDialogDienst dialoge;
    const auto& [nr, text] = *e.Texte.rbegin();
    d.Zeigen(nr);
    d.Zeigen(nr + 1);
    ASSERT_EQ(dialoge.Nachrichten.size(), 2u);
    const auto& n = dialoge.Nachrichten[0];
    EXPECT_EQ(n.Art, d.Art);
    EXPECT_EQ(n.Titel, e.Titel);
    EXPECT_EQ(n.Text, text);
    EXPECT_EQ(n.Knoepfe, d.Knoepfe);
    EXPECT_EQ(dialoge.Nachrichten[1].Text, e.Sonst);
}

INSTANTIATE_TEST_SUITE_P(Dialoge, MeldungenTest, ::testing::ValuesIn(Dialogarten),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Meldung, UnbekannteNummerZeigtUndefiniertenHinweis) {
    AufzeichnenderDialogDienst dialoge;
    EXPECT_EQ(Meldung(107), KnopfOK);
    ASSERT_EQ(dialoge.Nachrichten.size(), 1u);
    EXPECT_EQ(dialoge.Nachrichten[0].Text, "undefinierter Hinweis");
}

TEST(Bestaetigung, EnterAntwortetNein) {
    AufzeichnenderDialogDienst dialoge; // unscripted boxes answer their default button
    EXPECT_FALSE(Bestaetigung(8));
    EXPECT_FALSE(Bestaetigung(4));
    EXPECT_EQ(dialoge.Nachrichten.at(1).Text, "Programmierfehler");
}

TEST(Bestaetigung, NurJaGibtWahr) {
    AufzeichnenderDialogDienst dialoge;
    for (const Knopf k : {KnopfJa, KnopfNein, KnopfOK, KnopfAbbrechen, KnopfKeiner}) {
        dialoge.NaechsteAntwort(k);
        EXPECT_EQ(Bestaetigung(4), k == KnopfJa) << k;
    }
}

TEST(Startfehler, UnbekannterCodeIstAllgemeinerFehler) {
    AufzeichnenderDialogDienst dialoge;
    Startfehler(1);
    Startfehler(0xFFFFFFFFu);
    EXPECT_EQ(dialoge.Nachrichten.at(0).Text, "Allgemeiner Fehler");
    EXPECT_EQ(dialoge.Nachrichten.at(1).Text, "Allgemeiner Fehler");
}

} // namespace
