#pragma once
// What the choice objects ask of the rest of the program, gathered in one place: the
// refresh of the page's system labels, the learner window's focus control, system values,
// the menu status of a page in the learner data, and the window's current in-page
// glossary term.

#include <cstdint>
#include <string>

class TSeitenfenster;

// The page's system labels show the state the learner just changed.
void SystemanzeigenAuffrischen();

// The focus goes to the learner window's own focus control.
void FokusAnFensterGeben();

// System value `Nr` (Windows-1252).
std::string SystemwertLesen(int32_t Nr);

// `Menüstatus` (field 2303) of the learner record of page `Seite`; 0 without a record.
int32_t Menuestatus(int32_t Seite);

// The term the in-page glossary of `Fenster` showed last.
void AktuellenBegriffstextSetzen(TSeitenfenster& Fenster, const std::string& Begriff);
std::string AktuellerBegriffstext(TSeitenfenster& Fenster);
