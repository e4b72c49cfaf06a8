#include "app/KopfloserDialogDienst.h"

Knopf KopfloserDialogDienst::Nachricht(Symbol Art, const std::string& Titel,
                                       const std::string& Text, unsigned Knoepfe, Knopf Vorgabe) {
    ++Nachrichtenanzahl;
    return KonsolenDialogDienst::Nachricht(Art, Titel, Text, Knoepfe, Vorgabe);
}

bool KopfloserDialogDienst::Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                    std::string& Wert) {
    // An input box is cancelled, which is what closing it unanswered would do.
    Nachricht(Symbol::Frage, Titel, Aufforderung, KnopfAbbrechen, KnopfAbbrechen);
    return KonsolenDialogDienst::Eingabe(Titel, Aufforderung, Wert);
}
