#include "objects/ereignisse/THMessage.h"

#include "objects/rollen/Aktionsanforderung.h"
#include "objects/kern/Feldregeln.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "store/TTabelle.h"

namespace {
constexpr int32_t Mailaktion = 1029;
}

THMessage::THMessage(QWidget* Eltern) : THPanel(Eltern) {
    resize(110, 20);
    CaptionSetzen(QStringLiteral("Ereignis"));
    HintergrundfarbeSetzen(*this, Lektionsfarbe(0xFF0000));
    SchriftfarbeSetzen(*this, Qt::white);
}

bool THMessage::ReagiertAuf(int32_t Ausloeser, int Nr) const {
    // Disabled after sending the answers, or while no mail server could be reached.
    return !testAttribute(Qt::WA_ForceDisabled) && Nr == EreignisNr && HoertAuf(Ausloeser);
}

void THMessage::EreignisEmpfangen(int Nr) {
    if (testAttribute(Qt::WA_ForceDisabled) || Nr != EreignisNr) return;
    TAktionsaufruf a{Typ, TextNr, Objektnummer, "", 0, Datensatznummer, Ziel};
    a.Email = Email;
    a.Beschreibung = Beschreibung;
    a.Script = Script;
    a.Dokument = Dokumentname;
    a.Menuenummer = Menuenummer;
    AktionAnfordern(a);
    if (Aktion == Mailaktion) setEnabled(false);
}

void THMessage::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1221: CaptionSetzen(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    case 1282: Email = Tabelle.LeseText(Satz, FeldId); break;
    case 1288: Script = Tabelle.LeseText(Satz, FeldId); break;
    case 1292: Dokumentname = Tabelle.LeseText(Satz, FeldId); break;
    default: ZahlfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THMessage::ZahlfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    const int32_t wert = Tabelle.LeseZahl(Satz, FeldId);
    switch (FeldId) {
    case 1211: TextNr = wert; break;
    case 1218: Ziel = wert; break;
    case 1231:
        Typ = wert;
        Aktion = Aktionscode(wert);
        break;
    case 1256: Objektnummer = wert; break;
    case 1258: EreignisNr = wert; break;
    case 1268: Datensatznummer = wert; break;
    case 1270: Quelle = wert; break;
    case 1286: Menuenummer = wert; break;
    default: THPanel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
