// Check mode: parameter counts, the summary row, diagnostics positions, nothing changed when
// commands do not take effect, and the stop after too many errors.

#include "ScriptTesthilfe.h"

#include "store/Datenlexikon.h"

#include <gtest/gtest.h>

namespace {

using Scriptpruefung = ScriptLektion;

std::vector<std::string> Texte(const std::vector<TScriptMeldung>& Meldungen) {
    std::vector<std::string> texte;
    for (const auto& m : Meldungen)
        texte.push_back(m.Text);
    return texte;
}

TEST_F(Scriptpruefung, ZaehltParameterUndAendertNichts) {
    std::vector<TScriptMeldung> meldungen;
    Ausfuehren("var p\np = db_stateneu(3, TRUE)\nsetdaten(1, 'd')\nauswerten(1)\n"
               "daten_berechnen(1, 2)\nverzweigen(4)",
               {true, false, &meldungen});
    EXPECT_EQ(Texte(meldungen),
              (std::vector<std::string>{"[Fehler] Zeile(3) Anzahl der Parameter stimmt nicht",
                                        "[Warnung] Zeile(4) Keine Parameter erlaubt",
                                        "Script kann nicht ausgeführt werden"}));
    // Position of a line: the lengths of the lines before it, each with its line end.
    EXPECT_EQ(meldungen[0].Position, 5 + 2 + 24 + 2);
    EXPECT_EQ(Tab(ArtSeiten).Anzahl(), 1);
    EXPECT_EQ(Wert(ArtDaten, 1, 301), std::nullopt);
    EXPECT_EQ(Wert(ArtDaten, 9, 301), "0");
    EXPECT_TRUE(Umgebung.Ablauf().empty());
}

TEST_F(Scriptpruefung, OhneFehlerSyntaxOK) {
    std::vector<TScriptMeldung> meldungen;
    Ausfuehren("var x\nx = 1\nauswerten(x)\nverzweigen(x)", {true, true, &meldungen});
    EXPECT_EQ(Texte(meldungen), (std::vector<std::string>{
                                    "[Warnung] Zeile(3) Keine Parameter erlaubt", "Syntax OK"}));
    EXPECT_EQ(Umgebung.Ablauf(), (std::vector<std::string>{"befehl 13 0", "befehl 0 1"}));
}

TEST_F(Scriptpruefung, UnbekannterBefehlZaehltNurMitMeldeliste) {
    std::vector<TScriptMeldung> meldungen;
    Ausfuehren("gibtsnicht(1)", {true, false, &meldungen});
    EXPECT_EQ(Texte(meldungen),
              (std::vector<std::string>{"[Fehler] Zeile(1) unbekannter Befehl \"gibtsnicht\"",
                                        "Script kann nicht ausgeführt werden"}));
}

TEST_F(Scriptpruefung, BrichtNachDreissigFehlernAb) {
    std::vector<TScriptMeldung> meldungen;
    std::string skript;
    for (int i = 0; i < 40; ++i)
        skript += "verzweigen(x)\n";
    Ausfuehren(skript, {true, false, &meldungen});
    ASSERT_EQ(meldungen.size(), 33u);
    EXPECT_EQ(meldungen[30].Text, "[Fehler] Zeile(31) Parameter ist keine gültige Statenummer");
    EXPECT_EQ(meldungen[31].Text, "Skriptbearbeitung abgebrochen");
    EXPECT_EQ(meldungen[32].Text, "Script kann nicht ausgeführt werden");
}

} // namespace
