#include "player/Seitendienste.h"

#include "player/Navigationsknoepfe.h"

// The object classes and windows these duties act on join the program one by one; until
// a kind exists, its duty has nothing to act on.

void HauptmenueZeigen(THauptfenster&, int32_t) {}
void PopupmenueSetzen(THauptfenster&, int32_t) {}
void MenueobjekteSchliessen(THauptfenster&) {}
void BegriffslistenFuellen(THauptfenster&) {}
void NotizenZeigen(int32_t) {}
void AbhakmarkenAktualisieren(THauptfenster&) {}
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

void NavigationAktualisieren(THauptfenster& Fenster) { NavigationsknoepfeAktualisieren(Fenster); }
void SchaltflaechenHoverAufheben(THauptfenster& Fenster) { BildknoepfeZuruecksetzen(Fenster); }
