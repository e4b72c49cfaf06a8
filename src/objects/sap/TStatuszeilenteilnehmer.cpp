#include "objects/sap/TStatuszeilenteilnehmer.h"

#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/sap/THSAPStatuszeile.h"
#include "store/Objekttyp.h"

#include <QPointer>

#include <vector>

namespace {
constexpr int ModusEin = 106;
constexpr int ModusAus = 107;

std::vector<QPointer<THSAPStatuszeile>> Statuszeilen(TSeitenfenster& Fenster) {
    std::vector<QPointer<THSAPStatuszeile>> zeilen;
    ObenDurchlaufen(Fenster.Objektliste(), [&](TObjektliste& e) {
        if (e.Typ == Objekttyp::SAPStatuszeile)
            if (auto* zeile = qobject_cast<THSAPStatuszeile*>(e.Objekt.data()))
                zeilen.emplace_back(zeile);
        return true;
    });
    return zeilen;
}
} // namespace

void TStatuszeilenteilnehmer::Einfuegetaste(TSeitenfenster& Fenster) {
    // The lines are gathered first: an event object may change the page meanwhile.
    for (const QPointer<THSAPStatuszeile>& zeile : Statuszeilen(Fenster)) {
        if (!zeile) continue;
        zeile->ModusSetzen(!zeile->Modus());
        Fenster.EreignisAusloesen(0, zeile->Modus() ? ModusEin : ModusAus);
    }
}

void TStatuszeilenteilnehmer::GroesseGeaendert(TSeitenfenster& Fenster) {
    for (const QPointer<THSAPStatuszeile>& zeile : Statuszeilen(Fenster))
        if (zeile) zeile->Anordnen();
}
