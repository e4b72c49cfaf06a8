#pragma once
// The one way the Qt-free store (and everything above it) asks the user something or
// tells them something in a modal box. The player installs a Qt implementation, tests
// install a recording one that answers from a script, and command-line tools use the
// console fallback. Texts are UTF-8.

#include <string>

enum class Symbol { Keins, Information, Warnung, Fehler, Frage };

enum Knopf : unsigned {
    KnopfKeiner = 0,
    KnopfOK = 1,
    KnopfAbbrechen = 2,
    KnopfJa = 4,
    KnopfNein = 8,
    KnopfAlle = 16,
};

class DialogDienst {
public:
    virtual ~DialogDienst() = default;

    // A modal message box with the given buttons; answers the button pressed. An empty
    // caption stands for the application title.
    virtual Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text,
                            unsigned Knoepfe, Knopf Vorgabe) = 0;

    // A modal input box; false when the user cancelled. `Wert` holds the proposal on entry.
    virtual bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                         std::string& Wert) = 0;

    // The learner's modal message window (caption "Meldung") with a read-only text and one
    // button that closes it. Services without a window of their own show it as a box.
    virtual void Meldungsfenster(const std::string& Text) {
        Nachricht(Symbol::Keins, "Meldung", Text, KnopfOK, KnopfOK);
    }

    // The wait cursor, nested: every `true` is followed by one `false`.
    virtual void WarteCursor(bool An) = 0;

    // Ends the program at once (a user chose "Abbrechen" where that means quitting).
    virtual void SofortBeenden(int Status) = 0;

    // Shorthand for the file-error box: error icon, OK.
    void Fehler(const std::string& Text) { Nachricht(Symbol::Fehler, "", Text, KnopfOK, KnopfOK); }
};

// The service in use; the console fallback while none is put in use.
DialogDienst& Dialoge();

// Puts a service (not owned) in use for as long as it lives, then the one in use before it
// again: the program's for its run, a tool's for its command, a test's for its case.
class DialogDienstEinsatz {
public:
    explicit DialogDienstEinsatz(DialogDienst& Dienst);
    ~DialogDienstEinsatz();
    DialogDienstEinsatz(const DialogDienstEinsatz&) = delete;
    DialogDienstEinsatz& operator=(const DialogDienstEinsatz&) = delete;

private:
    DialogDienst* Vorher;
};

// Writes each message to standard error and answers with the default button. Counts the
// error boxes so that a tool can tell a failed operation by its exit status.
class KonsolenDialogDienst : public DialogDienst {
public:
    Knopf Nachricht(Symbol Art, const std::string& Titel, const std::string& Text, unsigned Knoepfe,
                    Knopf Vorgabe) override;
    bool Eingabe(const std::string& Titel, const std::string& Aufforderung,
                 std::string& Wert) override;
    void WarteCursor(bool) override {}
    void SofortBeenden(int Status) override;

    int Fehleranzahl = 0;
};

// Shows the wait cursor for as long as it lives.
class WarteCursorAn {
public:
    WarteCursorAn() { Dialoge().WarteCursor(true); }
    ~WarteCursorAn() { Dialoge().WarteCursor(false); }
    WarteCursorAn(const WarteCursorAn&) = delete;
    WarteCursorAn& operator=(const WarteCursorAn&) = delete;
};
