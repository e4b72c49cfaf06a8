#pragma once
// A dialog service for tests: records every box that would have been shown and answers
// from a script the test sets up, so no test ever waits on a modal window.

#include "store/DialogDienst.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

struct AufgezeichneteNachricht {
    Symbol Art;
    std::string Titel;
    std::string Text;
    unsigned Knoepfe;
};

// Thrown where the program would have ended at once.
struct ProgrammBeendet : std::runtime_error {
    explicit ProgrammBeendet(int Status) : std::runtime_error("Programm beendet"), Status(Status) {}
    int Status;
};

class AufzeichnenderDialogDienst : public DialogDienst {
public:
    // Installs itself for its lifetime.
    AufzeichnenderDialogDienst();

    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;
    void WarteCursor(bool An) override;
    void SofortBeenden(int Status) override;

    // The next boxes are answered with these buttons in turn; then with their default.
    void NaechsteAntwort(Knopf Antwort) { Antworten.push_back(Antwort); }
    // The next input boxes answer these texts in turn (cancel when the script is empty).
    void NaechsteEingabe(std::string Text) { Eingaben.push_back(std::move(Text)); }

    std::vector<AufgezeichneteNachricht> Nachrichten;
    std::vector<std::string> Eingabeaufforderungen;
    int WarteCursorTiefe = 0;
    int WarteCursorMaxTiefe = 0;

private:
    std::deque<Knopf> Antworten;
    std::deque<std::string> Eingaben;
    // In use for as long as the recorder lives.
    DialogDienstEinsatz Einsatz;
};
