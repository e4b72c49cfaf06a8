#include "objects/kern/Aktionsschritte.h"

#include "objects/rollen/Aktionsanforderung.h"
#include "store/TTabelle.h"

#include <QWidget>

namespace {
constexpr int32_t Antwortenmail = 1029;
constexpr int Popupabstand = 20; // the pop-up menu opens below the object's left part
} // namespace

bool TAktionsfelder::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1211: TextNr = Tabelle.LeseZahl(Satz, FeldId); return true;
    case 1218: Ziel = Tabelle.LeseZahl(Satz, FeldId); return true;
    case 1231:
        Typ = Tabelle.LeseZahl(Satz, FeldId);
        Aktion = Aktionscode(Typ);
        return true;
    case 1256: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); return true;
    case 1268: Datensatznummer = Tabelle.LeseZahl(Satz, FeldId); return true;
    case 1282: Email = Tabelle.LeseText(Satz, FeldId); return true;
    case 1292: Dokumentname = Tabelle.LeseText(Satz, FeldId); return true;
    default: break;
    }
    if ((Gehalten & Hilfe) && FeldId == 1275) HilfeContext = Tabelle.LeseZahl(Satz, FeldId);
    else if ((Gehalten & Hilfe) && FeldId == 1276) Hilfedatei = Tabelle.LeseText(Satz, FeldId);
    else if ((Gehalten & Script) && FeldId == 1288) Scriptname = Tabelle.LeseText(Satz, FeldId);
    else if ((Gehalten & Menue) && FeldId == 1286) Menuenummer = Tabelle.LeseZahl(Satz, FeldId);
    else return false;
    return true;
}

bool TAktionsfelder::Mailaktion() const {
    return Aktion == Antwortenmail;
}

TAktionsaufruf TAktionsfelder::Aufruf(const std::string& Beschreibung) const {
    TAktionsaufruf a{Typ, TextNr, Objektnummer, Hilfedatei, HilfeContext, Datensatznummer, Ziel};
    a.Email = Email;
    a.Beschreibung = Beschreibung;
    a.Dokument = Dokumentname;
    return a;
}

void AktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung,
                        const QWidget& Objekt) {
    TAktionsaufruf a = Felder.Aufruf(Beschreibung);
    if (Felder.Gehalten & TAktionsfelder::Script) a.Script = Felder.Scriptname;
    a.Menuenummer = Felder.Menuenummer;
    a.Popuppunkt = Objekt.mapToGlobal(QPoint(Popupabstand, Objekt.height()));
    AktionAnfordern(a);
}

void LinkaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung) {
    AktionAnfordern(Felder.Aufruf(Beschreibung));
}
