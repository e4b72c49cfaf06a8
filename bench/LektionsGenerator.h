#pragma once
// Builds large lessons for benchmarks and load trials: pages, objects and texts with records
// shaped like those an author produces, every other lesson table as a bare header, and a
// VLM.INI. The same sizes and seed always give the same bytes, so figures taken on
// different days compare.

#include "store/TTabelle.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class LektionsGenerator {
public:
    LektionsGenerator(int Seiten, int Objekte, int Texte, uint64_t Startwert = 1);

    // Records in number order, ready for TabellendateiSchreiben.
    std::vector<TNeuerSatz> Seitensaetze() const;
    std::vector<TNeuerSatz> Objektsaetze() const;
    std::vector<TNeuerSatz> Textsaetze() const;

    // Writes the whole lesson into `Verzeichnis`, which is created when missing; false
    // with the system's error text when a file cannot be written.
    bool Schreiben(const std::filesystem::path& Verzeichnis, std::string& Fehlertext) const;

    // The page number on which object `Nr` stands (0 when there are no pages).
    int SeiteVonObjekt(int32_t Nr) const;

private:
    std::string Seitenfelddaten(int32_t Nr, const std::vector<int32_t>& Objektnummern) const;
    std::string Objektfelddaten(int32_t Nr, int IndexAufSeite) const;
    std::string Textfelddaten(int32_t Nr) const;
    uint64_t Keim(int Tabelle, int32_t Nr) const;

    int Seiten;
    int Objekte;
    int Texte;
    uint64_t Startwert;
};
