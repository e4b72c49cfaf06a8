#pragma once
// The table side of the script commands: new objects, texts, pages and notes, properties of
// object and page records, data records. Every change goes through the table engine and is
// saved at once; a value that would grow a record past the engine's limit is refused with a
// diagnostic instead of the engine's message box, so a script cannot stall the player.

#include "script/TScriptLektion.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct TDatensatz;

class TScriptTabellen {
public:
    // `Fehler` hears each refused change.
    TScriptTabellen(const TScriptLektion& Lektion, std::function<void(std::string)> Fehler);

    // The most data records one setdaten_inhalt may fill.
    static constexpr int64_t MaxBereich = 10000;

    int32_t ObjektNeu(int32_t Typ);
    int32_t TextNeu(const std::string& Gruppe, const std::string& Text);
    // The new page's number (field 100); none when the pages table is not open.
    int32_t StateNeu(int32_t Nr, bool Kopieren, int32_t Schritt);
    void NotizNeu(int32_t Seite, const std::string& Betreff, const std::string& Text,
                  std::time_t Zeitpunkt);

    // The object type (field 1200) of object record `Nr`, 0 when missing.
    int32_t ObjektTyp(int32_t Nr);
    std::optional<std::string> ObjektEigenschaft(int32_t Nr, uint16_t FeldId);
    std::optional<std::string> StateEigenschaft(int32_t Nr, uint16_t FeldId);
    // Property 1264 (content) takes "|" as line break.
    void ObjektEigenschaftSetzen(int32_t Nr, uint16_t FeldId, const std::string& Wert);
    // False when there is no page with that number.
    bool StateEigenschaftSetzen(int32_t Nr, uint16_t FeldId, const std::string& Wert);
    bool ObjektZuState(int32_t Seite, int32_t Objekt);

    void DatenSetzen(int32_t Nr, const std::string& Beschreibung, const std::string& Inhalt);
    // False when the range is larger than MaxBereich (nothing changed then).
    bool DatenInhaltSetzen(int32_t Von, int32_t Bis, const std::string& Inhalt);
    void DatenBerechnen();

private:
    TTabelle* Tab(int Art) const;
    TDatensatz* Seite(TTabelle& Seiten, int32_t Nr);
    TDatensatz* Datenrecord(TTabelle& Daten, int32_t Nr);
    // Writes the value unless the record would grow past the engine's limit.
    bool Schreiben(TTabelle& t, TDatensatz* Satz, uint16_t FeldId, std::string_view Wert);

    const TScriptLektion& Lektion;
    std::function<void(std::string)> Fehler;
};
