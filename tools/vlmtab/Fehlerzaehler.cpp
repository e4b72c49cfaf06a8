#include "vlmtab/Fehlerzaehler.h"

namespace vlmtab {

Fehlerzaehler::Fehlerzaehler() : Vorher(&Dialoge()), Einsatz(*this) {}

Knopf Fehlerzaehler::Nachricht(Symbol Art, const std::string& Titel, const std::string& Text,
                               unsigned Knoepfe, Knopf Vorgabe) {
    if (Art == Symbol::Fehler) ++Fehleranzahl;
    return Vorher->Nachricht(Art, Titel, Text, Knoepfe, Vorgabe);
}

bool Fehlerzaehler::Eingabe(const std::string& Titel, const std::string& Aufforderung,
                            std::string& Wert) {
    return Vorher->Eingabe(Titel, Aufforderung, Wert);
}

void Fehlerzaehler::WarteCursor(bool An) {
    Vorher->WarteCursor(An);
}

void Fehlerzaehler::SofortBeenden(int Status) {
    Vorher->SofortBeenden(Status);
}

} // namespace vlmtab
