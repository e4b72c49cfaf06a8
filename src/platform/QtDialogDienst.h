#pragma once
// The dialog service of the running player: modal Qt boxes with German buttons, the wait
// cursor and the immediate end of the program.

#include "store/DialogDienst.h"

class QtDialogDienst : public DialogDienst {
public:
    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;
    void Meldungsfenster(const std::string& Text) override;
    void WarteCursor(bool An) override;
    void SofortBeenden(int Status) override;

private:
    int WarteCursorTiefe = 0;
};
