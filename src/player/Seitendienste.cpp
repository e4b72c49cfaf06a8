#include "player/Seitendienste.h"

#include "objects/TObjektliste.h"
#include "player/Navigation.h"
#include "player/THauptfenster.h"
#include "store/Lektion.h"

#include <QMetaObject>

// The object classes and windows these duties act on join the program one by one; until
// a kind exists, its duty has nothing to act on.

void HauptmenueZeigen(THauptfenster&, int32_t) {}
void PopupmenueSetzen(THauptfenster&, int32_t) {}
void MenueobjekteSchliessen(THauptfenster&) {}
void BegriffslistenFuellen(THauptfenster&) {}
void NotizenZeigen(int32_t) {}
void AbhakmarkenAktualisieren(THauptfenster&) {}
void LernfortschrittErfassen(THauptfenster&) {}
void AnimationenStarten(THauptfenster&) {}
void SystemanzeigenAktualisieren(THauptfenster&) {}
void ZeitgeberAnhalten(THauptfenster&, bool) {}
void StatuszeilenUmschalten(THauptfenster&) {}
void StatuszeilenBreiteAnpassen(THauptfenster&) {}
void ZeichenrasterSchritt(THauptfenster&, bool) {}
bool ZeichenrasterZeichen(THauptfenster&, char) { return false; }
void BegleiterHeben(TObjektliste&) {}
bool Auswerten(THauptfenster&) { return true; }
void FensterOeffnen(THauptfenster&, int32_t, Fensterart) {}
void AnstehendesScriptAusfuehren() {}

namespace {

enum { NavWeiter = 11, NavZurueck = 15, Funktionsschaltflaeche = 62 };

// A function button shows its state through `ZustandSetzen(int)`: 1 possible, 0 not.
void ZustandSetzen(QWidget& Knopf, bool Moeglich) {
    if (Knopf.metaObject()->indexOfMethod("ZustandSetzen(int)") >= 0)
        QMetaObject::invokeMethod(&Knopf, "ZustandSetzen", Qt::DirectConnection,
                                  Q_ARG(int, Moeglich ? 1 : 0));
}

} // namespace

void NavigationAktualisieren(THauptfenster& Fenster) {
    const int32_t n = Fenster.Seitennummer;
    const bool erste = !NiedrigereSeiteVorhanden(n);
    const bool letzte = !HoehereSeiteVorhanden(n);
    const bool zurueck = Fenster.Verlauf.ZurueckMoeglich();
    const bool vor = Fenster.Verlauf.VorMoeglich();
    TTabelle* objekte = Tabelle(ArtObjekte);
    TiefDurchlaufen(Fenster.ObjektlisteKopf, [&](TObjektliste& e) {
        QWidget* knopf = e.Objekt.data();
        if (!knopf || !objekte ||
            (e.Typ != NavWeiter && e.Typ != NavZurueck && e.Typ != Funktionsschaltflaeche))
            return true;
        const int32_t typ = objekte->LeseZahl(objekte->Datensatz(e.Nummer), 1231);
        if (e.Typ == NavWeiter && typ == 0) knopf->setEnabled(!letzte);
        if (e.Typ == NavWeiter && typ == 1) knopf->setEnabled(vor);
        if (e.Typ == NavZurueck && typ == 0) knopf->setEnabled(!erste);
        if (e.Typ == NavZurueck && typ == 1) knopf->setEnabled(zurueck);
        if (e.Typ == Funktionsschaltflaeche && typ == 2) ZustandSetzen(*knopf, zurueck);
        if (e.Typ == Funktionsschaltflaeche && typ == 3) ZustandSetzen(*knopf, vor);
        return true;
    });
}
void SchaltflaechenHoverAufheben(THauptfenster&) {}
