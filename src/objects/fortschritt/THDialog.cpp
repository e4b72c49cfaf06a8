#include "objects/fortschritt/THDialog.h"

#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "platform/Befehle.h"
#include "platform/TUhr.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"

#include <QRandomGenerator>

THDialog::THDialog(QWidget* Eltern) : THXPaintBox(Eltern) {}

void THDialog::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

bool THDialog::Waehlen() {
    if (GroupIndex == 0 || !Tabelle(ArtSeiten)) return false;
    int32_t seite = 0;
    if (Typ == Zufall)
        seite = ZufaelligeSeite();
    else if (Typ == Naechste)
        seite = NaechsteSeite();
    if (seite == 0) return false;
    if (seite > 0 && Fenster()) Fenster()->Fensterbefehl(FensterSeite, seite);
    return true;
}

namespace {

// Calls `Besuch` with the number of every open page of the group from `Ab` on in table
// order, until it returns false.
template <class F> void OffeneSeiten(TTabelle& Seiten, TDatensatz* Ab, int32_t Gruppe, F Besuch) {
    TLernerdatendienst& lerner = Rolle<TLernerdatendienst>();
    for (TDatensatz* s = Ab; s; s = s->Naechster) {
        if (Seiten.LeseZahl(s, Feld::Seiten::GroupIndex) != Gruppe) continue;
        const int32_t nr = Seiten.LeseZahl(s, Feld::Seiten::State);
        if (lerner.SeiteOffen(nr) && !Besuch(nr)) return;
    }
}

} // namespace

// The (n + 1)-th open page of the group, n drawn from 0 to 9, counting round the page
// table as often as needed. A page numbered 0 counts but is never reached.
int32_t THDialog::ZufaelligeSeite() {
    TTabelle& seiten = *Tabelle(ArtSeiten);
    int anzahl = 0;
    OffeneSeiten(seiten, seiten.Erster(), GroupIndex, [&](int32_t) { return ++anzahl, true; });
    if (anzahl == 0) return 0;
    QRandomGenerator zufall(static_cast<quint32>(Rolle<TUhr>().Jetzt().toMSecsSinceEpoch()));
    const int n = static_cast<int>(zufall.bounded(10)) % anzahl;
    int32_t gewaehlt = 0;
    int gezaehlt = 0;
    OffeneSeiten(seiten, seiten.Erster(), GroupIndex, [&](int32_t Nr) {
        gewaehlt = Nr;
        return gezaehlt++ < n;
    });
    return gewaehlt != 0 ? gewaehlt : -1;
}

// The first open page of the group after the page shown, in table order, without wrapping.
int32_t THDialog::NaechsteSeite() {
    TTabelle& seiten = *Tabelle(ArtSeiten);
    const int32_t aktuell = Rolle<TLernfensterdienst>().Seitennummer();
    TDatensatz* s = seiten.Erster();
    while (s && seiten.LeseZahl(s, Feld::Seiten::State) != aktuell)
        s = s->Naechster;
    int32_t gewaehlt = 0;
    if (s)
        OffeneSeiten(seiten, s->Naechster, GroupIndex, [&](int32_t Nr) {
            gewaehlt = Nr;
            return false;
        });
    return gewaehlt;
}
