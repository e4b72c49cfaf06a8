#include "script/TScriptTabellen.h"

#include "store/Datenlexikon.h"
#include "store/Datensaetze.h"
#include "store/TTabelle.h"
#include "store/Zeichensatz.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t FeldState = 100;
constexpr uint16_t FeldObjektliste = 161;
constexpr uint16_t FeldText = 1000;
constexpr uint16_t FeldTextgruppe = 1001;
constexpr uint16_t FeldTypname = 1190;
constexpr uint16_t FeldObjektTyp = 1200;
constexpr uint16_t FeldBeschreibung = 1201;
constexpr uint16_t FeldInhalt = 1264;
constexpr uint16_t FeldDatenBeschreibung = 300;
constexpr uint16_t FeldDatenInhalt = 301;
constexpr uint16_t FeldNotizState = 2400;
constexpr uint16_t FeldNotizDatum = 2402;
constexpr uint16_t FeldNotizZeit = 2403;
constexpr uint16_t FeldNotizText = 2404;
constexpr uint16_t FeldBetreff = 2410;

// The length a value keeps in the record: the engine drops 0x00 and 0x1B.
size_t Nutzlaenge(std::string_view Wert) {
    return Wert.size() - static_cast<size_t>(std::count(Wert.begin(), Wert.end(), '\0')) -
           static_cast<size_t>(std::count(Wert.begin(), Wert.end(), '\x1B'));
}

std::string Zeilen(const std::string& Wert) {
    std::string s;
    for (const char c : Wert) {
        if (c == '|')
            s += "\r\n";
        else
            s += c;
    }
    return s;
}

std::string Zeitangabe(std::time_t Zeitpunkt, const char* Format) {
    std::tm ortszeit{};
    localtime_r(&Zeitpunkt, &ortszeit);
    char text[32];
    std::strftime(text, sizeof text, Format, &ortszeit);
    return text;
}

} // namespace

TScriptTabellen::TScriptTabellen(const TScriptLektion& Lektion,
                                 std::function<void(std::string)> Fehler)
    : Lektion(Lektion), Fehler(std::move(Fehler)) {}

TTabelle* TScriptTabellen::Tab(int Art) const {
    return Lektion.Tabelle ? Lektion.Tabelle(Art) : nullptr;
}

TDatensatz* TScriptTabellen::Seite(TTabelle& Seiten, int32_t Nr) {
    return Seiten.Suche(FeldState, std::to_string(Nr));
}

TDatensatz* TScriptTabellen::Datenrecord(TTabelle& Daten, int32_t Nr) {
    if (TDatensatz* satz = Daten.Datensatz(Nr)) return satz;
    return Daten.NeuerDatensatz(Nr); // stored by the caller with its values
}

bool TScriptTabellen::Schreiben(TTabelle& t, TDatensatz* Satz, uint16_t FeldId,
                                std::string_view Wert) {
    const int pos = t.FeldPosition(FeldId);
    if (!Satz || pos < 1) return false;
    const int anzahl = std::max(t.AnzahlWerte(Satz), pos);
    size_t laenge = 1; // the closing mark
    for (int i = 1; i <= anzahl; ++i) {
        // Positions below 100 address values directly, also beyond the field list.
        const uint16_t id = i < 100 ? static_cast<uint16_t>(i) : t.FeldIdAnPosition(i);
        laenge += (i == pos ? Nutzlaenge(Wert) : t.LeseText(Satz, id).size()) + 1;
    }
    if (laenge > TTabelle::MaxFelddaten) {
        Fehler("Datensatz " + std::to_string(Satz->Nr) + " in " + AnsiNachUtf8(t.Dateiname()) +
               " darf höchstens " + std::to_string(TTabelle::MaxFelddaten) +
               " Bytes groß werden; der Wert wurde nicht übernommen");
        return false;
    }
    t.SchreibeText(Satz, FeldId, Wert);
    return true;
}

int32_t TScriptTabellen::ObjektNeu(int32_t Typ) {
    TTabelle* objekte = Tab(ArtObjekte);
    if (!objekte) return 0;
    std::string typname = "unbekannt";
    if (TTabelle* typen = Tab(ArtObjekttypen))
        if (TDatensatz* t = typen->Datensatz(Typ)) typname = typen->LeseText(t, FeldTypname);
    const int32_t nr = objekte->FreieNummer(1);
    TDatensatz* satz = objekte->NeuerDatensatz(nr);
    Schreiben(*objekte, satz, FeldObjektTyp, std::to_string(Typ));
    Schreiben(*objekte, satz, FeldBeschreibung, typname);
    objekte->Speichern(satz);
    return nr;
}

int32_t TScriptTabellen::TextNeu(const std::string& Gruppe, const std::string& Text) {
    TTabelle* texte = Tab(ArtTexte);
    if (!texte) return 0;
    const int32_t nr = texte->FreieNummer(1);
    TDatensatz* satz = texte->NeuerDatensatz(nr);
    Schreiben(*texte, satz, FeldText, Text);
    Schreiben(*texte, satz, FeldTextgruppe, Gruppe);
    texte->Speichern(satz);
    return nr;
}

int32_t TScriptTabellen::StateNeu(int32_t Nr, bool Kopieren, int32_t Schritt) {
    TTabelle* seiten = Tab(ArtSeiten);
    if (!seiten) return 0;
    TDatensatz* quelle = Seite(*seiten, Nr);
    // Counted in 64 bits and held inside the page numbers a table can carry.
    int64_t kandidat = quelle ? int64_t{Nr} + Schritt : Nr;
    kandidat = std::clamp<int64_t>(kandidat, INT32_MIN, INT32_MAX);
    while (kandidat < INT32_MAX && Seite(*seiten, static_cast<int32_t>(kandidat)))
        ++kandidat;
    TDatensatz* neu = seiten->NeuerDatensatz(seiten->FreieNummer(1));
    if (Kopieren && quelle) KopiereDatensatz(*seiten, quelle, *seiten, neu);
    Schreiben(*seiten, neu, FeldState, std::to_string(kandidat));
    seiten->Speichern(neu);
    return static_cast<int32_t>(kandidat);
}

void TScriptTabellen::NotizNeu(int32_t Seite, const std::string& Betreff, const std::string& Text,
                               std::time_t Zeitpunkt) {
    TTabelle* notizen = Tab(ArtNotizen);
    if (!notizen) return;
    TDatensatz* satz = notizen->NeuerDatensatz(notizen->FreieNummer(1));
    Schreiben(*notizen, satz, FeldBetreff, Betreff);
    Schreiben(*notizen, satz, FeldNotizText, Text);
    Schreiben(*notizen, satz, FeldNotizState, std::to_string(Seite));
    Schreiben(*notizen, satz, FeldNotizDatum, Zeitangabe(Zeitpunkt, "%d.%m.%Y"));
    Schreiben(*notizen, satz, FeldNotizZeit, Zeitangabe(Zeitpunkt, "%H:%M"));
    notizen->Speichern(satz);
}

int32_t TScriptTabellen::ObjektTyp(int32_t Nr) {
    TTabelle* objekte = Tab(ArtObjekte);
    return objekte ? objekte->LeseZahl(objekte->Datensatz(Nr), FeldObjektTyp) : 0;
}

std::optional<std::string> TScriptTabellen::ObjektEigenschaft(int32_t Nr, uint16_t FeldId) {
    TTabelle* objekte = Tab(ArtObjekte);
    TDatensatz* satz = objekte ? objekte->Datensatz(Nr) : nullptr;
    if (!satz) return std::nullopt;
    return objekte->LeseText(satz, FeldId);
}

std::optional<std::string> TScriptTabellen::StateEigenschaft(int32_t Nr, uint16_t FeldId) {
    TTabelle* seiten = Tab(ArtSeiten);
    TDatensatz* satz = seiten ? Seite(*seiten, Nr) : nullptr;
    if (!satz) return std::nullopt;
    return seiten->LeseText(satz, FeldId);
}

void TScriptTabellen::ObjektEigenschaftSetzen(int32_t Nr, uint16_t FeldId,
                                              const std::string& Wert) {
    TTabelle* objekte = Tab(ArtObjekte);
    TDatensatz* satz = objekte ? objekte->Datensatz(Nr) : nullptr;
    if (!satz) return;
    if (Schreiben(*objekte, satz, FeldId, FeldId == FeldInhalt ? Zeilen(Wert) : Wert))
        objekte->Speichern(satz);
}

bool TScriptTabellen::StateEigenschaftSetzen(int32_t Nr, uint16_t FeldId, const std::string& Wert) {
    TTabelle* seiten = Tab(ArtSeiten);
    TDatensatz* satz = seiten ? Seite(*seiten, Nr) : nullptr;
    if (!satz) return false;
    if (Schreiben(*seiten, satz, FeldId, Wert)) seiten->Speichern(satz);
    return true;
}

bool TScriptTabellen::ObjektZuState(int32_t Seite, int32_t Objekt) {
    TTabelle* seiten = Tab(ArtSeiten);
    TDatensatz* satz = seiten ? this->Seite(*seiten, Seite) : nullptr;
    if (!satz) return false;
    std::string liste = seiten->LeseText(satz, FeldObjektliste);
    if (!liste.empty() && !liste.ends_with("\r\n")) liste += "\r\n";
    liste += std::to_string(Objekt);
    if (Schreiben(*seiten, satz, FeldObjektliste, liste)) seiten->Speichern(satz);
    return true;
}

void TScriptTabellen::DatenSetzen(int32_t Nr, const std::string& Beschreibung,
                                  const std::string& Inhalt) {
    TTabelle* daten = Tab(ArtDaten);
    if (!daten) return;
    TDatensatz* satz = Datenrecord(*daten, Nr);
    Schreiben(*daten, satz, FeldDatenBeschreibung, Beschreibung);
    Schreiben(*daten, satz, FeldDatenInhalt, Inhalt);
    daten->Speichern(satz);
}

bool TScriptTabellen::DatenInhaltSetzen(int32_t Von, int32_t Bis, const std::string& Inhalt) {
    if (int64_t{Bis} - Von + 1 > MaxBereich) return false;
    if (TTabelle* daten = Tab(ArtDaten)) {
        for (int64_t nr = Von; nr <= Bis; ++nr) {
            TDatensatz* satz = Datenrecord(*daten, static_cast<int32_t>(nr));
            Schreiben(*daten, satz, FeldDatenInhalt, Inhalt);
            // The engine has reported a failed write; one report is enough.
            if (!daten->Speichern(satz)) break;
        }
    }
    DatenBerechnen();
    return true;
}

void TScriptTabellen::DatenBerechnen() {
    if (TTabelle* daten = Tab(ArtDaten)) Berechnen(*daten);
}
