#pragma once
// The tick-off mark: shows how far the learner got with a page, by the menu status of
// that page in the learner data (pieces for 0, 50 and 100).

#include "objects/knoepfe/THBildknopf.h"

#include <cstdint>

struct TObjektliste;

class THAbhaken : public THBildknopf {
    Q_OBJECT
public:
    explicit THAbhaken(QWidget* Eltern = nullptr);

    int32_t Ziel = 0; // the page it reports on (field 1218)

    // Shows the piece for the page's present menu status.
    void Aktualisieren();
    // Every tick-off mark of the list, containers' included.
    static void AlleAktualisieren(TObjektliste* Kopf);

protected:
    int NormalesStueck() const override { return Stand; }
    bool Weiterleiten(QEvent::Type) const override { return true; }
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    int Stand = 0;
};
