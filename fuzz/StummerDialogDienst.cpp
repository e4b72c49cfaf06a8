#include "fuzz/StummerDialogDienst.h"

#include <cstdio>
#include <cstdlib>

Knopf StummerDialogDienst::Nachricht(Symbol, const std::string&, const std::string& Text, unsigned,
                                     Knopf Vorgabe) {
    ++Meldungen;
    LetzterText = Text;
    return Vorgabe;
}

bool StummerDialogDienst::Eingabe(const std::string&, const std::string&, std::string&) {
    return false;
}

void StummerDialogDienst::WarteCursor(bool An) {
    WarteCursorTiefe += An ? 1 : -1;
}

void StummerDialogDienst::SofortBeenden(int Status) {
    std::fprintf(stderr, "SofortBeenden(%d) aufgerufen\n", Status);
    std::abort();
}
