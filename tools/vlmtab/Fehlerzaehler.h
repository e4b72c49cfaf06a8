#pragma once
// Counts the error boxes shown while it is installed and passes every box on to the
// service that was installed before, so that engine failures still reach the user (the
// console, a recording test service) and also decide a command's exit status.

#include "store/DialogDienst.h"

namespace vlmtab {

class Fehlerzaehler : public DialogDienst {
public:
    Fehlerzaehler();
    Fehlerzaehler(const Fehlerzaehler&) = delete;
    Fehlerzaehler& operator=(const Fehlerzaehler&) = delete;

    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;
    void WarteCursor(bool An) override;
    void SofortBeenden(int Status) override;

    int Fehleranzahl = 0;

private:
    DialogDienst* Vorher; // the service in use before, which still shows the messages
    DialogDienstEinsatz Einsatz;
};

} // namespace vlmtab
