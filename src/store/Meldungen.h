#pragma once
// The numbered dialogs with their fixed German texts: notices, confirmations, error
// messages and the texts for documents the system could not open. Texts are UTF-8.

#include "store/DialogDienst.h"

#include <cstdint>
#include <string>

inline constexpr const char* MeldungTitel = "Hinweis";
inline constexpr const char* BestaetigungTitel = "Bitte bestätigen";
inline constexpr const char* FehlermeldungTitel = "Fehlermeldung";
inline constexpr const char* StartfehlerTitel = "Fehler";

// The text of each dialog; a number outside its table gives the table's fallback text.
std::string Meldungstext(int Nr);
std::string Bestaetigungstext(int Nr);
std::string Fehlermeldungstext(int Nr);
std::string Startfehlertext(uint32_t Code);

Knopf Meldung(int Nr);
// True only when the user chose "Ja"; "Nein" is the default button.
bool Bestaetigung(int Nr);
Knopf Fehlermeldung(int Nr);
// `Code` is the error code of the system's request to open a document.
Knopf Startfehler(uint32_t Code);
