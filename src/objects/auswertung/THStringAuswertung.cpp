#include "objects/auswertung/THStringAuswertung.h"

#include "platform/Listenzeilen.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THStringAuswertung::THStringAuswertung(QWidget* Eltern)
    : THPanel(Eltern), Stringliste1(Optionszeilen) {
    resize(110, 20);
    CaptionSetzen(QStringLiteral("Stringauswertung"));
}

const std::string& THStringAuswertung::OptionZeile(Option Nr) const {
    static const std::string leer;
    const auto index = static_cast<size_t>(Nr) - 1;
    return index < Stringliste1.size() ? Stringliste1[index] : leer;
}

void THStringAuswertung::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Stringliste:
        Stringliste = AnsiZeilen(Tabelle.LeseText(Satz, FeldId));
        break;
    case Feld::Objekte::Stringliste1:
        // Missing lines read as empty options, so the option lines can be asked by number.
        Stringliste1 = AnsiZeilen(Tabelle.LeseText(Satz, FeldId));
        if (Stringliste1.size() < Optionszeilen) Stringliste1.resize(Optionszeilen);
        break;
    case Feld::Objekte::TextNr_unerwartet: AllesUebrige = Tabelle.LeseSchalter(Satz, FeldId); break;
    case Feld::Objekte::Script: Script = Tabelle.LeseText(Satz, FeldId); break;
    default: ZahlfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THStringAuswertung::ZahlfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::TextNr: TextNr = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Versuch: Versuch = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Objektnummer: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Quelle: Quelle = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THPanel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
