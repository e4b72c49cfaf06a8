#include "objects/kern/Aktionsschritte.h"

#include "objects/rollen/Aktionsanforderung.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPointer>
#include <QWidget>

namespace {
constexpr int32_t Antwortenmail = 1029;
constexpr int Popupabstand = 20; // the pop-up menu opens below the object's left part
} // namespace

bool TAktionsfelder::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::TextNr: TextNr = Tabelle.LeseZahl(Satz, FeldId); return true;
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); return true;
    case Feld::Objekte::Typ:
        Typ = Tabelle.LeseZahl(Satz, FeldId);
        Aktion = Aktionscode(Typ);
        return true;
    case Feld::Objekte::Objektnummer: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); return true;
    case Feld::Objekte::Datensatznummer:
        Datensatznummer = Tabelle.LeseZahl(Satz, FeldId);
        return true;
    case Feld::Objekte::e_mail: Email = Tabelle.LeseText(Satz, FeldId); return true;
    case Feld::Objekte::Dokumentname: Dokumentname = Tabelle.LeseText(Satz, FeldId); return true;
    default: break;
    }
    if ((Gehalten & Hilfe) && FeldId == Feld::Objekte::HilfeContext)
        HilfeContext = Tabelle.LeseZahl(Satz, FeldId);
    else if ((Gehalten & Hilfe) && FeldId == Feld::Objekte::Hilfedatei)
        Hilfedatei = Tabelle.LeseText(Satz, FeldId);
    else if ((Gehalten & Script) && FeldId == Feld::Objekte::Script)
        Scriptname = Tabelle.LeseText(Satz, FeldId);
    else if ((Gehalten & Menue) && FeldId == Feld::Objekte::MenueNummer)
        Menuenummer = Tabelle.LeseZahl(Satz, FeldId);
    else
        return false;
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

void KnopfaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung,
                             QWidget& Knopf) {
    // A modal window of the action may let a page change run that removes the button.
    const QPointer<QWidget> lebt(&Knopf);
    AktionDurchfuehren(Felder, Beschreibung, Knopf);
    if (lebt && Felder.Mailaktion()) Knopf.setEnabled(false);
}

void LinkaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung) {
    AktionAnfordern(Felder.Aufruf(Beschreibung));
}
