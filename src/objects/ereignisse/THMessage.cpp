#include "objects/ereignisse/THMessage.h"

#include "objects/kern/Feldregeln.h"
#include "objects/rollen/Aktionsanforderung.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "store/Feldnummern.h"
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
    case Feld::Objekte::Text: CaptionSetzen(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    case Feld::Objekte::e_mail: Email = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Script: Script = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Dokumentname: Dokumentname = Tabelle.LeseText(Satz, FeldId); break;
    default: ZahlfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THMessage::ZahlfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    const int32_t wert = Tabelle.LeseZahl(Satz, FeldId);
    switch (FeldId) {
    case Feld::Objekte::TextNr: TextNr = wert; break;
    case Feld::Objekte::Ziel: Ziel = wert; break;
    case Feld::Objekte::Typ:
        Typ = wert;
        Aktion = Aktionscode(wert);
        break;
    case Feld::Objekte::Objektnummer: Objektnummer = wert; break;
    case Feld::Objekte::EreignisNr: EreignisNr = wert; break;
    case Feld::Objekte::Datensatznummer: Datensatznummer = wert; break;
    case Feld::Objekte::Quelle: Quelle = wert; break;
    case Feld::Objekte::MenueNummer: Menuenummer = wert; break;
    default: THPanel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
