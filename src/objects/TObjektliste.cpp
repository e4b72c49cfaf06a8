#include "objects/TObjektliste.h"

#include "objects/TSeitenobjekt.h"

TSeitenobjekt* TObjektliste::Seitenobjekt() const {
    return Objekt ? TSeitenobjekt::Von(Objekt.data()) : nullptr;
}

void ObjektlisteFreigeben(TObjektliste*& Kopf) {
    while (Kopf) {
        TObjektliste* naechster = Kopf->Naechster;
        delete Kopf;
        Kopf = naechster;
    }
}

TObjektliste* Containerliste(const TObjektliste& Eintrag) {
    TSeitenobjekt* objekt = Eintrag.Seitenobjekt();
    TObjektliste** liste = objekt ? objekt->EigeneObjektliste() : nullptr;
    return liste ? *liste : nullptr;
}

void TiefeVerkettung(TObjektliste* Kopf) {
    for (TObjektliste* e = Kopf; e; e = e->Naechster) {
        e->TiefNaechster = e->Naechster;
        TObjektliste* innen = Containerliste(*e);
        if (!innen) continue;
        e->TiefNaechster = innen;
        TObjektliste* letzter = innen;
        for (TObjektliste* i = innen; i; i = i->Naechster) {
            i->TiefNaechster = i->Naechster;
            letzter = i;
        }
        letzter->TiefNaechster = e->Naechster;
    }
}

void TiefDurchlaufen(TObjektliste* Kopf, const std::function<bool(TObjektliste&)>& Besuch) {
    TiefeVerkettung(Kopf);
    for (TObjektliste* e = Kopf; e; e = e->TiefNaechster)
        if (!Besuch(*e)) return;
}

void ObenDurchlaufen(TObjektliste* Kopf, const std::function<bool(TObjektliste&)>& Besuch) {
    for (TObjektliste* e = Kopf; e; e = e->Naechster)
        if (!Besuch(*e)) return;
}

namespace {

TObjektliste* ErsterMitNummer(TObjektliste* Kopf, int32_t Nr, bool Tief) {
    TObjektliste* gefunden = nullptr;
    const auto besuch = [&](TObjektliste& e) {
        if (e.Nummer == Nr) gefunden = &e;
        return !gefunden;
    };
    if (Tief)
        TiefDurchlaufen(Kopf, besuch);
    else
        ObenDurchlaufen(Kopf, besuch);
    return gefunden;
}

} // namespace

TObjektliste* ObjektMitNummer(TObjektliste* Kopf, int32_t Nr) {
    return ErsterMitNummer(Kopf, Nr, true);
}

TObjektliste* ObjektAufSeite(TObjektliste* Kopf, int32_t Nr) {
    return ErsterMitNummer(Kopf, Nr, false);
}

bool AufSeite(TObjektliste* Kopf, int32_t Nr) {
    return ObjektAufSeite(Kopf, Nr) != nullptr;
}
