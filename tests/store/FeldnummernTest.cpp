#include "store/Feldnummern.h"
#include "store/Datenlexikon.h"
#include "store/Objekttyp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <span>
#include <string>

namespace {

struct TBenannt {
    std::string Tabelle;
    std::string Name;
    uint16_t Id;
};

const TBenannt AlleKonstanten[] = {
#define VELMORA_FELD(Tabelle, Name, Id) {#Tabelle, #Name, Feld::Tabelle::Name},
#include "store/Feldnummern.def"
#undef VELMORA_FELD
};

std::span<const TFelddefinition> Feldliste(const std::string& Tabelle) {
    static const std::map<std::string, int> arten = {
        {"Seiten", ArtSeiten},
        {"Objekte", ArtObjekte},
        {"Texte", ArtTexte},
        {"Begriffe", ArtBegriffe},
        {"Menues", ArtMenues},
        {"F4Hilfe", ArtF4Hilfe},
        {"Lesezeichen", ArtLesezeichen},
        {"Antwortcodes", ArtAntwortcodes},
        {"Effekte", ArtEffekte},
        {"Notizen", ArtNotizen},
        {"Daten", ArtDaten},
        {"Lerner", ArtLerner},
        {"Konfiguration", ArtKonfiguration},
    };
    if (Tabelle == "Objekttypen") return Tabellenbeschreibung(ArtObjekttypen).Vorspann;
    const auto art = arten.find(Tabelle);
    return art == arten.end() ? std::span<const TFelddefinition>{}
                              : Tabellenbeschreibung(art->second).Felder;
}

// The dictionary's name spelt as an identifier (Windows-1252 bytes in, ASCII out).
std::string Bezeichner(const TFelddefinition& Feld, std::span<const TFelddefinition> Liste) {
    const std::string name = Feld.Name;
    if (name.empty()) return "Unbenannt" + std::to_string(Feld.FeldId);
    std::string s;
    for (const unsigned char c : name) {
        switch (c) {
        case 0xE4: s += "ae"; break;
        case 0xF6: s += "oe"; break;
        case 0xFC: s += "ue"; break;
        case 0xC4: s += "Ae"; break;
        case 0xD6: s += "Oe"; break;
        case 0xDC: s += "Ue"; break;
        case 0xDF: s += "ss"; break;
        default:
            if (std::isalnum(c) || c == '_')
                s += static_cast<char>(c);
            else if (s.empty() || s.back() != '_')
                s += '_';
        }
    }
    while (!s.empty() && s.back() == '_')
        s.pop_back();
    const auto gleichnamig =
        std::count_if(Liste.begin(), Liste.end(), [&](const auto& f) { return name == f.Name; });
    return gleichnamig > 1 ? s + std::to_string(Feld.FeldId) : s;
}

TEST(Feldnummern, JedeKonstanteTraegtDieNummerIhresFeldes) {
    for (const TBenannt& k : AlleKonstanten) {
        const auto liste = Feldliste(k.Tabelle);
        const auto feld = std::find_if(liste.begin(), liste.end(),
                                       [&](const TFelddefinition& f) { return f.FeldId == k.Id; });
        ASSERT_NE(feld, liste.end()) << k.Tabelle << "::" << k.Name << " = " << k.Id;
        EXPECT_EQ(Bezeichner(*feld, liste), k.Name) << "field " << k.Id;
    }
}

TEST(Feldnummern, JedesFeldDesLexikonsHatSeineKonstante) {
    std::set<uint16_t> benannt;
    for (const TBenannt& k : AlleKonstanten)
        benannt.insert(k.Id);
    for (int art = 0; art <= HoechsteTabellenart; ++art) {
        const TTabellenbeschreibung b = Tabellenbeschreibung(art);
        for (const auto liste : {b.Vorspann, b.Felder})
            for (const TFelddefinition& f : liste)
                EXPECT_TRUE(benannt.count(f.FeldId)) << "field " << f.FeldId << " of kind " << art;
    }
}

// The invisible types of a page, and the smaller set hidden inside containers.
TEST(Objekttyp, UnsichtbareTypen) {
    const std::set<int> seite = {35, 38, 40, 43, 44, 48, 51, 55, 58};
    const std::set<int> container = {35, 38, 40, 43, 44};
    for (int typ = -1; typ <= 70; ++typ) {
        EXPECT_EQ(FuerLernendeUnsichtbar(typ), seite.count(typ) == 1) << typ;
        EXPECT_EQ(ImContainerUnsichtbar(typ), container.count(typ) == 1) << typ;
    }
}

} // namespace
