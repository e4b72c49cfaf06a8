#pragma once
// The page object list: one entry per object of a page, in the order of the page's list of
// object numbers. Containers hold a list of their own (one level deep); the deep order
// visits a container's objects right after the container.

#include "store/Objekttyp.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TSeitenobjekt;

struct TObjektliste {
    // The control, none for a type without class; given through `ObjektSetzen`, which also
    // remembers the page object behind it.
    QPointer<QWidget> Objekt;
    int32_t Nummer = 0;                // object number as listed
    int16_t Typ = 0;                   // object type code (field 1200)
    TObjektliste* Naechster = nullptr; // next entry of the same list, linked by its owner
    std::string Beschreibung;          // field 1201, Windows-1252
    int32_t Stapelnummer = 0;
    bool Nachgeladen = false; // added by an action, not by the page's list

    void ObjektSetzen(QWidget* Steuerelement);
    // The page object behind the control, none when there is no control (any more). Asked
    // for every entry in every walk of the list, so it is found once, not cast each time.
    TSeitenobjekt* Seitenobjekt() const { return Objekt ? SeitenobjektDahinter : nullptr; }

private:
    TSeitenobjekt* SeitenobjektDahinter = nullptr;
};

// The entries of one object list (a page's, or a container's own), owned here in their
// order. The owner links each entry to the next (`Naechster`), so that the walks below can
// start at the first entry; the links change only through it. The controls are not owned.
class TObjektreihe {
public:
    TObjektreihe() = default;
    TObjektreihe(const TObjektreihe&) = delete;
    TObjektreihe& operator=(const TObjektreihe&) = delete;

    TObjektliste* Kopf() const { return Eintraege.empty() ? nullptr : Eintraege.front().get(); }
    bool Leer() const { return Eintraege.empty(); }
    size_t Anzahl() const { return Eintraege.size(); }
    void Reservieren(size_t Anzahl) { Eintraege.reserve(Anzahl); }

    // Adds an entry at the end.
    TObjektliste& Anhaengen(std::unique_ptr<TObjektliste> Eintrag);
    // Takes every entry out, unlinked and in order; the list is empty afterwards.
    std::vector<std::unique_ptr<TObjektliste>> AlleHerausnehmen();

private:
    std::vector<std::unique_ptr<TObjektliste>> Eintraege;
};

// The list of a container object (types 46 and 57), none for any other entry. Containers
// tell their list through `TSeitenobjekt::EigeneObjektliste`. Every deep walk asks it for
// every entry, so the answer for the other types costs no call.
TObjektliste* ContainerlisteVon(const TObjektliste& Eintrag);
inline TObjektliste* Containerliste(const TObjektliste& Eintrag) {
    const bool container = Eintrag.Typ == static_cast<int16_t>(Objekttyp::ScrollBox) ||
                           Eintrag.Typ == static_cast<int16_t>(Objekttyp::Fenster);
    return container ? ContainerlisteVon(Eintrag) : nullptr;
}

// Visits every entry in deep order (each entry, then its container's entries), or only the top
// level. The visit stops when `Besuch` returns false. Every page build walks the list a dozen
// times, so the visit is a template the compiler can inline, not a function object.
template <class Besucher> void TiefDurchlaufen(TObjektliste* Kopf, Besucher&& Besuch) {
    // The deep order walked directly: each entry, then the entries of its container. Events
    // and mouse moves walk it often, so nothing is relinked on the way.
    for (TObjektliste* e = Kopf; e; e = e->Naechster) {
        if (!Besuch(*e)) return;
        for (TObjektliste* i = Containerliste(*e); i; i = i->Naechster)
            if (!Besuch(*i)) return;
    }
}
template <class Besucher> void ObenDurchlaufen(TObjektliste* Kopf, Besucher&& Besuch) {
    for (TObjektliste* e = Kopf; e; e = e->Naechster)
        if (!Besuch(*e)) return;
}

// First entry in deep order / at the top level with that number (compared as integers).
TObjektliste* ObjektMitNummer(TObjektliste* Kopf, int32_t Nr);
TObjektliste* ObjektAufSeite(TObjektliste* Kopf, int32_t Nr);
bool AufSeite(TObjektliste* Kopf, int32_t Nr);
