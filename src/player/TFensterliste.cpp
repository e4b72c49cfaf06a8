#include "player/TFensterliste.h"

#include "objects/rollen/TSeitenfensterwahl.h"
#include "player/THauptfenster.h"
#include "store/TAnwendungskontext.h"

#include <algorithm>

TFensterliste& TFensterliste::Liste() {
    return Rolle<TFensterliste>();
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
    if (Gewaehlt == Fenster) AktuellSetzen(Eintraege.empty() ? nullptr : Eintraege.back().Fenster);
}

void TFensterliste::Leeren() {
    Eintraege.clear();
    AktuellSetzen(nullptr);
    AnstehendeSeite = 0;
}

void TFensterliste::AktuellSetzen(THauptfenster* Fenster) {
    Gewaehlt = Fenster;
    Rolle<TSeitenfensterwahl>().Aktuell = Fenster;
}

void TFensterliste::FensternameSetzen(const THauptfenster* Fenster, const QString& Name) {
    for (auto& e : Eintraege)
        if (e.Fenster == Fenster) e.Fenstername = Name;
}

int TFensterliste::Position(const THauptfenster* Fenster) const {
    for (size_t i = 0; i < Eintraege.size(); ++i)
        if (Eintraege[i].Fenster == Fenster) return static_cast<int>(i + 1);
    return 0;
}

THauptfenster* TFensterliste::Fenster(int Position) const {
    return Position >= 1 && Position <= Fensteranzahl() ? Eintraege[Position - 1].Fenster : nullptr;
}
