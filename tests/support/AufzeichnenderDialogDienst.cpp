#include "support/AufzeichnenderDialogDienst.h"

AufzeichnenderDialogDienst::AufzeichnenderDialogDienst() : Einsatz(*this) {}

Knopf AufzeichnenderDialogDienst::Nachricht(Symbol Art, const std::string& Titel,
                                            const std::string& Text, unsigned Knoepfe,
                                            Knopf Vorgabe) {
    Nachrichten.push_back({Art, Titel, Text, Knoepfe});
    if (Antworten.empty()) return Vorgabe;
    const Knopf k = Antworten.front();
    Antworten.pop_front();
    return k;
}

bool AufzeichnenderDialogDienst::Eingabe(const std::string&, const std::string& Aufforderung,
                                         std::string& Wert) {
    Eingabeaufforderungen.push_back(Aufforderung);
    if (Eingaben.empty()) return false;
    Wert = Eingaben.front();
    Eingaben.pop_front();
    return true;
}

void AufzeichnenderDialogDienst::WarteCursor(bool An) {
    WarteCursorTiefe += An ? 1 : -1;
    WarteCursorMaxTiefe = std::max(WarteCursorMaxTiefe, WarteCursorTiefe);
}

void AufzeichnenderDialogDienst::SofortBeenden(int Status) {
    throw ProgrammBeendet(Status);
}
