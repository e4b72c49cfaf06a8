#include "objects/ereignisse/Seitenereignisse.h"

#include "objects/ereignisse/THMessage.h"
#include "objects/kern/TObjektliste.h"
#include "store/Objekttyp.h"

#include <QPointer>

#include <vector>

void EreignisVerteilen(TObjektliste* Kopf, int32_t Quelle, int EreignisNr) {
    // Gathered first: an action may change the list while the event travels.
    std::vector<QPointer<THMessage>> hoerer;
    TiefDurchlaufen(Kopf, [&](TObjektliste& e) {
        if (e.Typ != Objekttyp::Message) return true;
        auto* nachricht = qobject_cast<THMessage*>(e.Objekt.data());
        if (nachricht && nachricht->HoertAuf(Quelle)) hoerer.emplace_back(nachricht);
        return true;
    });
    for (const QPointer<THMessage>& nachricht : hoerer)
        if (nachricht) nachricht->EreignisEmpfangen(EreignisNr);
}

bool EreignisWirdGehoert(TObjektliste* Kopf, int32_t Quelle, int EreignisNr) {
    bool gehoert = false;
    TiefDurchlaufen(Kopf, [&](TObjektliste& e) {
        if (e.Typ != Objekttyp::Message) return true;
        const auto* nachricht = qobject_cast<THMessage*>(e.Objekt.data());
        gehoert = nachricht && nachricht->ReagiertAuf(Quelle, EreignisNr);
        return !gehoert;
    });
    return gehoert;
}
