#pragma once
// The open learner windows in opening order, and which one is current: every other part
// of the program acts on the current one.

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
    static TFensterliste& Liste();

    TFensterlisteneintrag& Anhaengen(THauptfenster* Fenster);
    void Entfernen(THauptfenster* Fenster);
    void Leeren();

    int Fensteranzahl() const { return static_cast<int>(Eintraege.size()); }
    // 1-based position, 0 when the window is not listed.
    int Position(const THauptfenster* Fenster) const;
    THauptfenster* Fenster(int Position) const;
    const std::vector<TFensterlisteneintrag>& Alle() const { return Eintraege; }

    // The current window; change it only through `AktuellSetzen`, so that the page objects
    // see the same window as the player.
    THauptfenster* Aktuell = nullptr;
    void AktuellSetzen(THauptfenster* Fenster);
    int AnstehendeSeite = 0;
    std::vector<TFensterlisteneintrag> Eintraege;
};

// The current learner window; none before the first one exists.
inline THauptfenster* AktuellesFenster() { return TFensterliste::Liste().Aktuell; }
