#include "player/TFensterliste.h"

#include "objects/TSeitenfenster.h"
#include "player/THauptfenster.h"

#include <algorithm>

TFensterliste& TFensterliste::Liste() {
    static TFensterliste liste;
    return liste;
}

TFensterlisteneintrag& TFensterliste::Anhaengen(THauptfenster* Fenster) {
    TFensterlisteneintrag eintrag;
    eintrag.Fenster = Fenster;
    eintrag.Name = QStringLiteral("Fenster %1").arg(Eintraege.size() + 1);
    Eintraege.push_back(eintrag);
    return Eintraege.back();
}

void TFensterliste::Entfernen(THauptfenster* Fenster) {
    std::erase_if(Eintraege, [Fenster](const auto& e) { return e.Fenster == Fenster; });
    if (Aktuell == Fenster) AktuellSetzen(Eintraege.empty() ? nullptr : Eintraege.back().Fenster);
}

void TFensterliste::Leeren() {
    Eintraege.clear();
    AktuellSetzen(nullptr);
    AnstehendeSeite = 0;
}

void TFensterliste::AktuellSetzen(THauptfenster* Fenster) {
    Aktuell = Fenster;
    AktuellesSeitenfensterSetzen(Fenster);
}

int TFensterliste::Position(const THauptfenster* Fenster) const {
    for (size_t i = 0; i < Eintraege.size(); ++i)
        if (Eintraege[i].Fenster == Fenster) return static_cast<int>(i + 1);
    return 0;
}

THauptfenster* TFensterliste::Fenster(int Position) const {
    return Position >= 1 && Position <= Fensteranzahl() ? Eintraege[Position - 1].Fenster
                                                         : nullptr;
}
