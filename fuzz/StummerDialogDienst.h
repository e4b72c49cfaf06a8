#pragma once
// A dialog service for the fuzzer: shows nothing, answers every box with its default and
// counts what would have been shown, so that the harness can tell a refused or failed
// operation from a silent one and runs at full speed.

#include "store/DialogDienst.h"

class StummerDialogDienst : public DialogDienst {
public:
    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;
    void WarteCursor(bool An) override;
    // Nothing the harness calls may end the program; reaching this is a finding.
    [[noreturn]] void SofortBeenden(int Status) override;

    int Meldungen = 0;
    int WarteCursorTiefe = 0;
    std::string LetzterText;
};
