#include "bench/LektionsGenerator.h"

#include "store/Datenlexikon.h"
#include "store/Zeichensatz.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <span>

namespace fs = std::filesystem;

namespace {

// splitmix64: the standard distributions differ between library versions, these numbers
// do not.
uint64_t Mischen(uint64_t& Zustand) {
    uint64_t z = (Zustand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t Wuerfeln(uint64_t& Zustand, uint32_t Bereich) {
    return static_cast<uint32_t>((Mischen(Zustand) >> 32) % Bereich);
}

// Word lists are written here in UTF-8 and held in Windows-1252, the tables' code page.
std::vector<std::string> Ansi(std::initializer_list<const char*> Utf8) {
    std::vector<std::string> liste;
    for (const char* s : Utf8)
        liste.push_back(Utf8NachAnsiErsetzt(s));
    return liste;
}

const std::string& Auswahl(uint64_t& Zustand, const std::vector<std::string>& Liste) {
    return Liste[Wuerfeln(Zustand, static_cast<uint32_t>(Liste.size()))];
}

const std::vector<std::string>& Themen() {
    static const auto liste = Ansi({
        "Bestellübersicht",
        "Kundenstamm",
        "Lieferantenauswahl",
        "Gehaltsabrechnung",
        "Prüfungsfragen",
        "Einführung",
        "Zusammenfassung",
        "Übungsaufgabe",
        "Größenänderung",
        "Straßenverzeichnis",
        "Maßeinheiten",
        "Schlüsselbegriffe",
        "Warenausgang",
        "Rechnungsprüfung",
        "Lagerbestände",
        "Auftragsbestätigung",
    });
    return liste;
}

const std::vector<std::string>& Hinweise() {
    static const auto liste = Ansi({
        "Klicken Sie hier, um fortzufahren.",
        "Wählen Sie die richtige Antwort aus.",
        "Hier sehen Sie die Übersicht über alle offenen Vorgänge.",
        "Öffnet die Erläuterung zu diesem Begriff.",
        "Zurück zur vorherigen Seite",
        "Prüfen Sie Ihre Eingabe, bevor Sie weitergehen.",
        "Ziehen Sie das Symbol auf die passende Fläche.",
        "",
    });
    return liste;
}

const std::vector<std::string>& Beschriftungen() {
    static const auto liste = Ansi({
        "Überschrift",
        "Lösungsweg",
        "Bitte wählen Sie:",
        "Ergebnis:",
        "Schritt für Schritt",
        "Häufige Fehler",
        "Maßnahmen",
        "Gesamtbetrag in €",
        "Prüfen Sie:",
        "Straße / Hausnr.",
    });
    return liste;
}

const std::vector<std::string>& Knopftexte() {
    static const auto liste = Ansi({
        "Weiter",
        "Zurück",
        "Prüfen",
        "Lösung zeigen",
        "Übung starten",
        "Hilfe",
        "Beenden",
    });
    return liste;
}

const std::vector<std::string>& Satzanfaenge() {
    static const auto liste = Ansi({
        "In diesem Abschnitt lernen Sie",
        "Die folgende Übersicht zeigt",
        "Beachten Sie",
        "Zunächst öffnen Sie",
        "Anschließend prüfen Sie",
        "Für die Buchung benötigen Sie",
        "Im nächsten Schritt wählen Sie",
        "Häufig übersehen wird",
    });
    return liste;
}

const std::vector<std::string>& Satzenden() {
    static const auto liste = Ansi({
        "die wichtigsten Felder der Erfassungsmaske.",
        "die Größe und das Gewicht der Lieferung.",
        "alle Positionen, die noch nicht geprüft wurden.",
        "den Schlüssel für die Zahlungsbedingungen.",
        "die Übersicht über die offenen Bestellungen.",
        "das Datum der Rechnungsstellung und den Fälligkeitstermin.",
        "die Straße, die Postleitzahl und den Ort des Empfängers.",
        "ob der Betrag mit der Auftragsbestätigung übereinstimmt.",
    });
    return liste;
}

const std::vector<std::string>& Auszeichnungen() {
    static const auto liste = Ansi({
        "{f}Hinweis:{n} ",
        "{rot}Achtung:{n} ",
        "{u}Merke:{n} ",
        "{k}Beispiel:{n} ",
        "{blau}Tipp:{n} ",
        "{grün}Richtig!{n} ",
        "",
    });
    return liste;
}

const std::vector<std::string> Schriften = {"Arial", "MS Sans Serif", "Times New Roman",
                                            "Courier New"};
const std::vector<std::string> Schriftgroessen = {"8", "10", "11", "12", "14", "16"};
const std::vector<std::string> Schriftstile = {"0000", "1000", "0100", "0010", "1100"};
// Button face, window background, white, yellow, silver, grey, black.
const std::vector<std::string> Farben = {"-16777201", "-16777211", "16777215", "65535",
                                         "12632256",  "8421504",   "0"};

// Values of one record in field-list order; the dictionary's lists are contiguous runs of
// identifiers, so a value's place is its identifier minus the first one.
struct TWerte {
    std::span<const TFelddefinition> Felder;
    std::vector<std::string> Liste;
};

TWerte Leer(int Art) {
    const auto felder = Tabellenbeschreibung(Art).Felder;
    return {felder, std::vector<std::string>(felder.size())};
}

void Setzen(TWerte& Werte, uint16_t FeldId, std::string Wert) {
    const size_t stelle = FeldId - Werte.Felder.front().FeldId;
    if (stelle < Werte.Felder.size() && Werte.Felder[stelle].FeldId == FeldId)
        Werte.Liste[stelle] = std::move(Wert);
}

std::string Zahl(int64_t Wert) {
    return std::to_string(Wert);
}

enum Objekttyp { TypText = 1, TypKnopf = 4, TypBild = 5, TypBeschriftung = 7, TypForm = 9 };

constexpr std::array<Objekttyp, 6> Typfolge = {TypText, TypBild,  TypBeschriftung,
                                               TypForm, TypKnopf, TypText};

const char* Typname(Objekttyp Typ) {
    switch (Typ) {
    case TypText: return "Text";
    case TypKnopf:
        return "Schaltfl\xE4"
               "che";
    case TypBild: return "Bild";
    case TypBeschriftung: return "Beschriftung";
    case TypForm: return "Form";
    }
    return "";
}

enum Tabellenschluessel { SchluesselSeiten = 1, SchluesselObjekte = 2, SchluesselTexte = 3 };

} // namespace

LektionsGenerator::LektionsGenerator(int Seiten, int Objekte, int Texte, uint64_t Startwert)
    : Seiten(std::max(Seiten, 0)), Objekte(std::max(Objekte, 0)), Texte(std::max(Texte, 0)),
      Startwert(Startwert) {}

uint64_t LektionsGenerator::Keim(int Tabelle, int32_t Nr) const {
    // Every record draws from its own stream, so a record's bytes do not depend on how
    // many records come before it.
    uint64_t z = Startwert ^ (static_cast<uint64_t>(Tabelle) << 40) ^ static_cast<uint32_t>(Nr);
    Mischen(z);
    return z;
}

int LektionsGenerator::SeiteVonObjekt(int32_t Nr) const {
    if (Seiten == 0 || Objekte == 0) return 0;
    return static_cast<int>(static_cast<int64_t>(Nr - 1) * Seiten / Objekte) + 1;
}

std::vector<TNeuerSatz> LektionsGenerator::Seitensaetze() const {
    std::vector<std::vector<int32_t>> objekte(static_cast<size_t>(Seiten) + 1);
    for (int32_t k = 1; k <= Objekte; ++k)
        objekte[SeiteVonObjekt(k)].push_back(k);
    std::vector<TNeuerSatz> saetze;
    saetze.reserve(static_cast<size_t>(Seiten));
    for (int32_t p = 1; p <= Seiten; ++p)
        saetze.push_back({p, Seitenfelddaten(p, objekte[p])});
    return saetze;
}

std::vector<TNeuerSatz> LektionsGenerator::Objektsaetze() const {
    std::vector<TNeuerSatz> saetze;
    saetze.reserve(static_cast<size_t>(Objekte));
    int seite = 0, index = 0;
    for (int32_t k = 1; k <= Objekte; ++k) {
        const int s = SeiteVonObjekt(k);
        index = s == seite ? index + 1 : 0;
        seite = s;
        saetze.push_back({k, Objektfelddaten(k, index)});
    }
    return saetze;
}

std::vector<TNeuerSatz> LektionsGenerator::Textsaetze() const {
    std::vector<TNeuerSatz> saetze;
    saetze.reserve(static_cast<size_t>(Texte));
    for (int32_t t = 1; t <= Texte; ++t)
        saetze.push_back({t, Textfelddaten(t)});
    return saetze;
}

std::string LektionsGenerator::Seitenfelddaten(int32_t Nr,
                                               const std::vector<int32_t>& Objektnummern) const {
    uint64_t z = Keim(SchluesselSeiten, Nr);
    TWerte w = Leer(ArtSeiten);
    const std::string& thema = Auswahl(z, Themen());
    const int kapitel = (Nr - 1) / 25 + 1;
    Setzen(w, 100, Zahl(Nr));
    Setzen(w, 101, "Kapitel " + Zahl(kapitel) + " \x96 " + thema + " (Seite " + Zahl(Nr) + ")");
    Setzen(w, 104, Wuerfeln(z, 4) ? "1" : "0");
    Setzen(w, 107, "0");
    Setzen(w, 108, "0");
    Setzen(w, 109, "0");
    Setzen(w, 110, "800");
    Setzen(w, 111, "600");
    Setzen(w, 112, Wuerfeln(z, 3) ? "0" : Auswahl(z, Farben));
    Setzen(w, 115, "0");
    Setzen(w, 116, Objektnummern.empty() ? "0" : Zahl(Objektnummern.front()));
    Setzen(w, 117, "0");
    Setzen(w, 121, "0");
    Setzen(w, 127, thema + ", Teil " + Zahl(Wuerfeln(z, 5) + 1));
    Setzen(w, 157, "1");
    Setzen(w, 160, Zahl(Nr < Seiten ? Nr + 1 : 0));
    std::string liste;
    for (const int32_t o : Objektnummern) {
        if (!liste.empty()) liste += "\r\n";
        liste += Zahl(o);
    }
    Setzen(w, 161, std::move(liste));
    Setzen(w, 162, Zahl(Nr > 1 ? Nr - 1 : 0));
    Setzen(w, 163, "0");
    return FelddatenAus(w.Liste);
}

std::string LektionsGenerator::Objektfelddaten(int32_t Nr, int IndexAufSeite) const {
    uint64_t z = Keim(SchluesselObjekte, Nr);
    TWerte w = Leer(ArtObjekte);
    const Objekttyp typ = Typfolge[static_cast<size_t>(Nr - 1) % Typfolge.size()];
    const int seite = SeiteVonObjekt(Nr);
    const int links = 20 + (IndexAufSeite % 4) * 190 + static_cast<int>(Wuerfeln(z, 10));
    const int oben = 20 + (IndexAufSeite / 4 % 5) * 110 + static_cast<int>(Wuerfeln(z, 10));
    Setzen(w, 1200, Zahl(typ));
    Setzen(w, 1201,
           std::string(Typname(typ)) + " " + Auswahl(z, Themen()) + " " + Zahl(IndexAufSeite + 1) +
               " auf Seite " + Zahl(seite));
    Setzen(w, 1202, "0");
    Setzen(w, 1205, Zahl(links));
    Setzen(w, 1206, Zahl(oben));
    Setzen(w, 1207, Zahl(60 + Wuerfeln(z, 121)));
    Setzen(w, 1208, Zahl(20 + Wuerfeln(z, 81)));
    Setzen(w, 1209, Auswahl(z, Farben));
    Setzen(w, 1212, "0");
    Setzen(w, 1217, Wuerfeln(z, 8) ? "0" : "1");
    Setzen(w, 1222, typ == TypBeschriftung ? "1" : "0");
    Setzen(w, 1224, "1");
    Setzen(w, 1241, Wuerfeln(z, 2) ? "1" : "0");
    Setzen(w, 1242, "1");
    Setzen(w, 1245, Wuerfeln(z, 4) ? "0" : "128");
    Setzen(w, 1246, Auswahl(z, Schriften));
    Setzen(w, 1247, Auswahl(z, Schriftgroessen));
    Setzen(w, 1248, Auswahl(z, Schriftstile));
    Setzen(w, 1249, "0");
    Setzen(w, 1251, "0");
    Setzen(w, 1252, Auswahl(z, Hinweise()));
    Setzen(w, 1260, "1");
    Setzen(w, 1267, "0");
    Setzen(w, 1279, Zahl(Wuerfeln(z, 6) ? 0 : Wuerfeln(z, 40) + 1));
    Setzen(w, 1281, "0");
    Setzen(w, 1283, "0");
    Setzen(w, 1284, "0");
    const auto textNr = [&] { return Zahl(Texte ? Wuerfeln(z, Texte) + 1 : 0); };
    switch (typ) {
    case TypText:
        Setzen(w, 1211, textNr());
        Setzen(w, 1213, "10");
        Setzen(w, 1215, "0");
        Setzen(w, 1293, Wuerfeln(z, 3) ? "0" : "1");
        break;
    case TypBild: {
        char name[32];
        std::snprintf(name, sizeof name, "Abb%05u.%s", Wuerfeln(z, 20000),
                      Wuerfeln(z, 3) ? "bmp" : "jpg");
        Setzen(w, 1210, name);
        Setzen(w, 1273, "Bilder\\Kapitel" + Zahl((seite - 1) / 25 + 1) + "\\");
        Setzen(w, 1219, "1");
        Setzen(w, 1220, "0");
        break;
    }
    case TypBeschriftung:
        Setzen(w, 1218, "0");
        Setzen(w, 1220, "1");
        Setzen(w, 1221, Auswahl(z, Beschriftungen()));
        Setzen(w, 1266, Zahl(Wuerfeln(z, 3)));
        break;
    case TypForm:
        Setzen(w, 1218, "0");
        Setzen(w, 1223, Zahl(Wuerfeln(z, 6)));
        Setzen(w, 1227, Auswahl(z, Farben));
        Setzen(w, 1229, Zahl(Wuerfeln(z, 3) + 1));
        break;
    case TypKnopf:
        Setzen(w, 1211, textNr());
        Setzen(w, 1218, Zahl(Seiten ? Wuerfeln(z, Seiten) + 1 : 0));
        Setzen(w, 1221, Auswahl(z, Knopftexte()));
        Setzen(w, 1231, Zahl(Wuerfeln(z, 5)));
        Setzen(w, 1274, "0");
        break;
    }
    return FelddatenAus(w.Liste);
}

std::string LektionsGenerator::Textfelddaten(int32_t Nr) const {
    uint64_t z = Keim(SchluesselTexte, Nr);
    TWerte w = Leer(ArtTexte);
    std::string text;
    const uint32_t absaetze = Wuerfeln(z, 3) + 1;
    for (uint32_t a = 0; a < absaetze; ++a) {
        if (a) text += "\r\n";
        text += Auswahl(z, Auszeichnungen());
        const uint32_t saetze = Wuerfeln(z, 3) + 1;
        for (uint32_t s = 0; s < saetze; ++s) {
            if (s) text += ' ';
            text += Auswahl(z, Satzanfaenge()) + ' ' + Auswahl(z, Satzenden());
        }
        if (Wuerfeln(z, 5) == 0) text += " Stand: {" + Zahl(Wuerfeln(z, 20) + 1) + "}.";
        if (Wuerfeln(z, 7) == 0) text += " Betrag: @" + Zahl(Wuerfeln(z, 50) + 1) + "@ \x80.";
    }
    Setzen(w, 1000, std::move(text));
    Setzen(w, 1001, "Kapitel " + Zahl(Wuerfeln(z, 40) + 1));
    return FelddatenAus(w.Liste);
}

bool LektionsGenerator::Schreiben(const fs::path& Verzeichnis, std::string& Fehlertext) const {
    std::error_code fehler;
    fs::create_directories(Verzeichnis, fehler);
    if (fehler) {
        Fehlertext = fehler.message();
        return false;
    }
    auto tabelle = [&](int Art, const std::vector<TNeuerSatz>& Saetze) {
        return TabellendateiSchreiben(Verzeichnis / Tabellenbeschreibung(Art).Dateiname, Saetze,
                                      Fehlertext);
    };
    if (!tabelle(ArtSeiten, Seitensaetze()) || !tabelle(ArtObjekte, Objektsaetze()) ||
        !tabelle(ArtTexte, Textsaetze()))
        return false;
    for (int Art = 0; Art <= ArtMuster; ++Art) {
        if (Art == ArtSeiten || Art == ArtObjekte || Art == ArtTexte || Art == ArtVersion) continue;
        if (!tabelle(Art, {})) return false;
    }

    std::ofstream ini(Verzeichnis / "VLM.INI", std::ios::binary | std::ios::trunc);
    ini << "[Lektion]\r\nName=Gross\r\n\r\n[State]\r\nNr=1\r\n";
    ini.close();
    if (!ini) {
        Fehlertext = std::strerror(errno);
        return false;
    }
    return true;
}
