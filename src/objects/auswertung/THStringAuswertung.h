#pragma once
// The string evaluation: an object the learner never sees that judges the value of one other
// object of the page (its source) against a list of accepted values and numeric bounds, or
// takes any source no other string evaluation has judged yet, and then runs its evaluation
// function. The page evaluation visits it in page order.

#include "objects/kern/THPanel.h"

#include <cstdint>
#include <string>
#include <vector>

class THStringAuswertung : public THPanel {
    Q_OBJECT
public:
    explicit THStringAuswertung(QWidget* Eltern = nullptr);

    // The option lines, counted from 1.
    enum Option {
        Untergrenze = 1,
        Obergrenze = 2,
        Bereichsanfang = 3,
        Bereichsende = 4,
        AlleEintraege = 5,
        Datumsmodus = 6,
        GrossKleinEgal = 7,
        Loeschzeichen = 8,
    };
    static constexpr size_t Optionszeilen = 8;

    std::vector<std::string> Stringliste;  // 1214: accepted values, Windows-1252
    std::vector<std::string> Stringliste1; // 1261: the option lines, at least eight
    int32_t TextNr = 0;                    // 1211
    int32_t Ziel = 0;                      // 1218
    int32_t Typ = 0;                       // 1231: evaluation function
    bool AllesUebrige = false;             // 1233: any source not yet judged matches
    int32_t Versuch = 0;                   // 1238: 0 = every attempt
    int32_t Objektnummer = 0;              // 1256
    int32_t Quelle = 0;                    // 1270: 0 = `Objektnummer`
    std::string Script;                    // 1288
    // Set by the page evaluation once the object has been visited; cleared when the next
    // evaluation starts.
    bool Ausgewertet = false;

    // Option line `Nr`; empty when the list is shorter.
    const std::string& OptionZeile(Option Nr) const;
    // The object whose value is judged.
    int32_t Quellnummer() const { return Quelle != 0 ? Quelle : Objektnummer; }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    void ZahlfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId);
};
