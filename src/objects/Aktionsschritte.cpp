#include "objects/Aktionsschritte.h"

#include "objects/Aktionen.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

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
    else return false;
    return true;
}

bool TAktionsfelder::Mailaktion() const {
    return Aktion == Antwortenmail;
}

void AktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung,
                        const QWidget& Objekt) {
    AktuelleEmail = Felder.Email;
    AktuelleBeschreibung = Beschreibung;
    if (Felder.Gehalten & TAktionsfelder::Script) AnstehendesScript = Felder.Scriptname;
    AktuellesDokument = Felder.Dokumentname;
    AktuelleMenuenummer = Felder.Menuenummer;
    Popuppunkt = Objekt.mapToGlobal(QPoint(Popupabstand, Objekt.height()));
    AktionAusfuehren(Felder.Typ, Felder.TextNr, Felder.Objektnummer, Felder.Hilfedatei,
                     Felder.HilfeContext, Felder.Datensatznummer, Felder.Ziel);
}

void LinkaktionDurchfuehren(const TAktionsfelder& Felder, const std::string& Beschreibung) {
    AktuelleEmail = Felder.Email;
    AktuelleBeschreibung = Beschreibung;
    AktuellesDokument = Felder.Dokumentname;
    AktionAusfuehren(Felder.Typ, Felder.TextNr, Felder.Objektnummer, Felder.Hilfedatei,
                     Felder.HilfeContext, Felder.Datensatznummer, Felder.Ziel);
}
