#pragma once
// The dialog service of headless runs (--screenshot): nobody is there to press a button, so
// every box is answered with its default at once and its text goes to standard error. The
// run remembers that a box came, so that it can end with a status that says so.

#include "store/DialogDienst.h"

class KopfloserDialogDienst : public KonsolenDialogDienst {
public:
    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;

    int Nachrichtenanzahl = 0;
};
