#include "evaluation/Seitenauswertung.h"

#include "evaluation/Auswertungsfunktion.h"
#include "evaluation/Auswertungspruefung.h"
#include "evaluation/Stringauswertung.h"
#include "evaluation/TAuswertungsstand.h"
#include "evaluation/TBedingungsfehler.h"
#include "objects/auswertung/THAuswertung.h"
#include "objects/auswertung/THStringAuswertung.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/fortschritt/THDialog.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "platform/Protokoll.h"
#include "store/DialogDienst.h"
#include "store/Objekttyp.h"

#include <string>

namespace {

constexpr int32_t Rueckmeldefenster = 2; // the function that shows a text in the feedback window

// The deep order is derived from the containers' lists on every walk, so nothing needs
// relinking before the evaluation's walk.
void Zuruecksetzen(TObjektliste* Liste) {
    TiefDurchlaufen(Liste, [](TObjektliste& e) {
        TSeitenobjekt* objekt = e.Seitenobjekt();
        if (objekt && Verbrauchbar(e.Typ)) objekt->Verbraucht = false;
        if (auto* s = qobject_cast<THStringAuswertung*>(e.Objekt.data())) s->Ausgewertet = false;
        return true;
    });
}

// What the visit of one object decided.
enum class Ausgang { Weiter, Bestanden, NichtBestanden };

// A string evaluation decides like an evaluation object; one that did not end the
// evaluation counts as evaluated.
Ausgang StringauswertungBesuchen(TSeitenfenster& Fenster, THStringAuswertung& Objekt,
                                 TObjektliste* Liste) {
    const bool passt = Pruefen(Fenster, Objekt, Liste);
    if (passt && Objekt.Typ != 0) return Ausgang::NichtBestanden;
    Objekt.Ausgewertet = true;
    return passt ? Ausgang::Bestanden : Ausgang::Weiter;
}

// An input field with answer codes and attempts left checks its input; a feedback text ends
// the evaluation.
Ausgang Eingabefeld(THEditfeld& Feld) {
    if (Feld.RestVersuche() <= 0 || !Feld.HatAntwortcodes()) return Ausgang::Weiter;
    const std::string code = Feld.AntwortPruefen();
    const int32_t textNr = code == "leer"         ? Feld.TextNrLeer
                           : code == "unerwartet" ? Feld.TextNrUnerwartet
                                                  : Feld.Rueckmeldung;
    if (textNr <= 0) return Ausgang::Weiter;
    Auswertungsfunktion(Rueckmeldefenster, textNr, 0, 0);
    return Ausgang::NichtBestanden;
}

Ausgang Auswertungsobjekt(TSeitenfenster& Fenster, const THAuswertung& Objekt,
                          TObjektliste* Liste) {
    if (!AuswertungPruefen(Fenster, Objekt, Liste)) return Ausgang::Weiter;
    Auswertungsfunktion(Objekt.Typ, Objekt.TextNr, Objekt.Objektnummer, Objekt.Ziel);
    return Objekt.Typ != 0 ? Ausgang::NichtBestanden : Ausgang::Bestanden;
}

Ausgang Seitenwahl(THDialog& Wahl) {
    if (Wahl.GroupIndex == 0) return Ausgang::Weiter;
    return Wahl.Waehlen() ? Ausgang::NichtBestanden : Ausgang::Bestanden;
}

Ausgang Besuchen(TSeitenfenster& Fenster, TObjektliste& Eintrag, TObjektliste* Liste) {
    QWidget* w = Eintrag.Objekt.data();
    if (!w) return Ausgang::Weiter;
    switch (static_cast<Objekttyp>(Eintrag.Typ)) {
    case Objekttyp::Editfeld:
        if (auto* feld = qobject_cast<THEditfeld*>(w)) return Eingabefeld(*feld);
        break;
    case Objekttyp::Auswertung:
        if (auto* objekt = qobject_cast<THAuswertung*>(w))
            return Auswertungsobjekt(Fenster, *objekt, Liste);
        break;
    case Objekttyp::StringAuswertung:
        if (auto* objekt = qobject_cast<THStringAuswertung*>(w))
            return StringauswertungBesuchen(Fenster, *objekt, Liste);
        break;
    case Objekttyp::Dialog:
        if (auto* wahl = qobject_cast<THDialog*>(w)) return Seitenwahl(*wahl);
        break;
    default: break;
    }
    return Ausgang::Weiter;
}

bool Durchgang(TSeitenfenster& Fenster, TObjektliste* Liste) {
    Zuruecksetzen(Liste);
    bool bestanden = true;
    TiefDurchlaufen(Liste, [&](TObjektliste& e) {
        const Ausgang ausgang = Besuchen(Fenster, e, Liste);
        if (ausgang == Ausgang::Bestanden) bestanden = true;
        if (ausgang == Ausgang::NichtBestanden) bestanden = false;
        return ausgang != Ausgang::NichtBestanden;
    });
    return bestanden;
}

std::string Fehlertext(const TBedingungsfehler& Fehler) {
    std::string objekt = std::to_string(Fehler.Objekt);
    if (!Fehler.Beschreibung.empty()) objekt += " (\"" + Fehler.Beschreibung + "\")";
    return "Das Auswertungsobjekt " + objekt + " hat die Bedingung \"" + Fehler.Eintrag +
           "\", die keine ganze Zahl ist.\nDie Seite wurde nicht ausgewertet.";
}

void Melden(const TBedingungsfehler& Fehler) {
    Protokollieren("evaluation-error object " + std::to_string(Fehler.Objekt) + " entry \"" +
                   Fehler.Eintrag + "\"");
    Dialoge().Nachricht(Symbol::Fehler, "Auswertung", Fehlertext(Fehler), KnopfOK, KnopfOK);
}

} // namespace

bool Auswerten(TSeitenfenster& Fenster, TObjektliste* Liste) {
    TAuswertungsstand stand(Fenster, Liste);
    try {
        return Durchgang(Fenster, Liste);
    } catch (const TBedingungsfehler& fehler) {
        stand.Zuruecksetzen();
        Melden(fehler);
        return false;
    }
}
