#include "objects/kern/TObjektliste.h"

#include "objects/kern/TSeitenobjekt.h"
#include "store/Objekttyp.h"

#include <utility>

void TObjektliste::ObjektSetzen(QWidget* Steuerelement) {
    Objekt = Steuerelement;
    SeitenobjektDahinter = Steuerelement ? TSeitenobjekt::Von(Steuerelement) : nullptr;
}

TObjektliste& TObjektreihe::Anhaengen(std::unique_ptr<TObjektliste> Eintrag) {
    Eintrag->Naechster = nullptr;
    if (!Eintraege.empty()) Eintraege.back()->Naechster = Eintrag.get();
    Eintraege.push_back(std::move(Eintrag));
    return *Eintraege.back();
}

std::vector<std::unique_ptr<TObjektliste>> TObjektreihe::AlleHerausnehmen() {
    for (const auto& e : Eintraege) {
        e->Naechster = nullptr;
    }
    return std::exchange(Eintraege, {});
}

TObjektliste* ContainerlisteVon(const TObjektliste& Eintrag) {
    TSeitenobjekt* objekt = Eintrag.Seitenobjekt();
    const TObjektreihe* liste = objekt ? objekt->EigeneObjektliste() : nullptr;
    return liste ? liste->Kopf() : nullptr;
}

TObjektliste* ObjektMitNummer(TObjektliste* Kopf, int32_t Nr) {
    // The deep order without relinking it: each entry, then the entries of its container.
    // Lookups run on every click and every event, so nothing here allocates or writes.
    for (TObjektliste* e = Kopf; e; e = e->Naechster) {
        if (e->Nummer == Nr) return e;
        for (TObjektliste* i = Containerliste(*e); i; i = i->Naechster)
            if (i->Nummer == Nr) return i;
    }
    return nullptr;
}

TObjektliste* ObjektAufSeite(TObjektliste* Kopf, int32_t Nr) {
    for (TObjektliste* e = Kopf; e; e = e->Naechster)
        if (e->Nummer == Nr) return e;
    return nullptr;
}

bool AufSeite(TObjektliste* Kopf, int32_t Nr) {
    return ObjektAufSeite(Kopf, Nr) != nullptr;
}
