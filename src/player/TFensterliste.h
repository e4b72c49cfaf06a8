#pragma once
// The open learner windows in opening order, and which one is current: every other part
// of the program acts on the current one. Held by the application context.

#include <QString>

#include <vector>

class THauptfenster;

struct TFensterlisteneintrag {
    THauptfenster* Fenster = nullptr;
    QString Name;        // "Fenster " + the number of windows when it was opened
    QString Fenstername; // page field 118 of the page last built in it
    bool Aufrufer = false;
};

class TFensterliste {
public:
    // The list of the running program.
    static TFensterliste& Liste();

    TFensterlisteneintrag& Anhaengen(THauptfenster* Fenster);
    void Entfernen(THauptfenster* Fenster);
    void Leeren();

    int Fensteranzahl() const { return static_cast<int>(Eintraege.size()); }
    // 1-based position, 0 when the window is not listed.
    int Position(const THauptfenster* Fenster) const;
    THauptfenster* Fenster(int Position) const;
    const std::vector<TFensterlisteneintrag>& Alle() const { return Eintraege; }
    // Page field 118 of the page last built in `Fenster`.
    void FensternameSetzen(const THauptfenster* Fenster, const QString& Name);

    // The current window; it changes only here, so that the page objects see the same
    // window as the player.
    THauptfenster* Aktuell() const { return Gewaehlt; }
    void AktuellSetzen(THauptfenster* Fenster);

    int AnstehendeSeite = 0;

private:
    THauptfenster* Gewaehlt = nullptr;
    std::vector<TFensterlisteneintrag> Eintraege;
};

// The current learner window; none before the first one exists.
inline THauptfenster* AktuellesFenster() {
    return TFensterliste::Liste().Aktuell();
}
