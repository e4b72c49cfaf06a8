#include "store/DialogDienst.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

KonsolenDialogDienst& Konsole() {
    static KonsolenDialogDienst dienst;
    return dienst;
}

DialogDienst* Aktuell = nullptr;

const char* Kennung(Symbol Art) {
    switch (Art) {
    case Symbol::Fehler: return "Fehler";
    case Symbol::Warnung: return "Warnung";
    case Symbol::Frage: return "Frage";
    case Symbol::Information: return "Hinweis";
    case Symbol::Keins: break;
    }
    return "Meldung";
}

} // namespace

DialogDienst& Dialoge() {
    return Aktuell ? *Aktuell : Konsole();
}

DialogDienstEinsatz::DialogDienstEinsatz(DialogDienst& Dienst)
    : Vorher(std::exchange(Aktuell, &Dienst)) {}

DialogDienstEinsatz::~DialogDienstEinsatz() {
    Aktuell = Vorher;
}

Knopf KonsolenDialogDienst::Nachricht(Symbol Art, const std::string& Titel, const std::string& Text,
                                      unsigned, Knopf Vorgabe) {
    if (Art == Symbol::Fehler) ++Fehleranzahl;
    std::fprintf(stderr, "%s%s%s: %s\n", Titel.c_str(), Titel.empty() ? "" : " - ", Kennung(Art),
                 Text.c_str());
    return Vorgabe;
}

bool KonsolenDialogDienst::Eingabe(const std::string&, const std::string&, std::string&) {
    return false;
}

void KonsolenDialogDienst::SofortBeenden(int Status) {
    std::exit(Status);
}
