#include "actions/Aktionen.h"

#include "actions/Datensatzaktionen.h"
#include "actions/Dokumentaktion.h"
#include "actions/Mailaktion.h"
#include "actions/Webadressen.h"
#include "mail/Mailzugang.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/rollen/Aktionsanforderung.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TAnimationsdienst.h"
#include "objects/rollen/TKlangdienst.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "objects/rollen/TMenuedienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "objects/rollen/TWerkzeugfensterdienst.h"
#include "objects/rollen/TZeichenrasterdienst.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "platform/Dokumente.h"
#include "store/Config.h"
#include "store/DialogDienst.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Meldungen.h"
#include "store/Objekttyp.h"
#include "store/TAnwendungskontext.h"

#include <QUrl>
#include <QWidget>

#include <iterator>

namespace {

constexpr const char* KeineFunktionText = "Dieses Objekt hat im Moment keine Funktion. \n"
                                          "Folgen Sie bitte dem Bearbeitungsvorschlag.";
constexpr const char* KeinTextText = "Fehler: Kein Text zugeordnet!";

// The action 0 to 49 that a stored or internal code selects; -1 for none.
int Aktionsnummer(int32_t Code) {
    const int32_t intern = Aktionscode(Code);
    if (intern >= 1000 && intern <= 1034) return intern - 1000;
    if (intern >= 1036 && intern <= 1050) return intern - 1001;
    return -1;
}

TSeitenfenster* Fenster() {
    return AktuellesSeitenfenster();
}

TObjektliste* Seitenliste() {
    TSeitenfenster* fenster = Fenster();
    return fenster ? fenster->Objektliste() : nullptr;
}

void Fensterbefehl(int Code, int32_t Argument = 0) {
    if (TSeitenfenster* fenster = Fenster()) fenster->Fensterbefehl(Code, Argument);
}

void Hostbefehl(int Code, int32_t Argument = 0) {
    BefehlSenden(Hostformular(), HostbefehlArt(), Code, Argument);
}

std::string Utf8(const std::string& Ansi) {
    return AnsiNachQString(Ansi).toUtf8().toStdString();
}

// The tool-bar buttons of a simulated screen have no function of their own; every other
// object opens the page's default page, else the lesson's, else says it has no function.
void KeineFunktion(int32_t Objektnummer) {
    if (Objektnummer > 0) {
        const TObjektliste* e = ObjektMitNummer(Seitenliste(), Objektnummer);
        if (e && e->Typ == Objekttyp::SAPSpeedButton) return;
    }
    TLernfensterdienst& fenster = Rolle<TLernfensterdienst>();
    for (const int32_t seite : {fenster.Vorgabeseite(), Konfiguration().DefaultState}) {
        if (seite != 0 && fenster.SeiteVorhanden(seite)) {
            Fensterbefehl(FensterDialogfenster, seite);
            return;
        }
    }
    Dialoge().Meldungsfenster(KeineFunktionText);
}

void TextZeigen(int32_t TextNr) {
    TObjektliste* text = nullptr;
    TiefDurchlaufen(Seitenliste(), [&](TObjektliste& e) {
        if (e.Typ == Objekttyp::Text && e.Objekt) text = &e;
        return !text;
    });
    // The text object publishes the number of the text it shows.
    if (text) text->Objekt->setProperty("TextNr", TextNr);
}

void Meldungsfenster(int32_t TextNr) {
    TTabelle* texte = Tabelle(ArtTexte);
    TDatensatz* satz = texte && TextNr != 0 ? texte->Datensatz(TextNr) : nullptr;
    Dialoge().Meldungsfenster(satz ? Utf8(texte->LeseText(satz, Feld::Texte::Text)) : KeinTextText);
}

void FensterSchliessen(int32_t Ziel) {
    const int position = Rolle<TLernfensterdienst>().SchliessenVormerken(Ziel);
    Hostbefehl(HostFensterSchliessen, position);
}

void Zuruecksetzen() {
    if (Bestaetigung(30)) Rolle<TLernerdatendienst>().LernerdatenZuruecksetzen();
}

void Verbergen(int32_t Objektnummer) {
    TiefDurchlaufen(Seitenliste(), [&](TObjektliste& e) {
        if (e.Nummer != Objektnummer || !e.Objekt) return true;
        if (TSeitenobjekt* objekt = e.Seitenobjekt())
            objekt->Verbergen();
        else
            e.Objekt->hide();
        return true;
    });
}

// The learner record of page `Ziel` (the page shown when 0); none when it does not exist.
TDatensatz* Lernersatz(TTabelle& Lerner, int32_t Ziel) {
    const int32_t seite = Ziel != 0 ? Ziel : Rolle<TLernfensterdienst>().Seitennummer();
    return seite != 0 ? Lerner.Datensatz(seite) : nullptr;
}

bool Abhaken(int32_t Ziel, uint16_t FeldId) {
    TTabelle* lerner = Tabelle(ArtLerner);
    TDatensatz* satz = lerner ? Lernersatz(*lerner, Ziel) : nullptr;
    if (!satz) return false;
    lerner->SchreibeSchalter(satz, FeldId, true);
    lerner->Speichern(satz);
    return true;
}

void MenuestatusAnheben(int32_t Ziel, int32_t Stand) {
    TTabelle* lerner = Tabelle(ArtLerner);
    TDatensatz* satz = lerner ? Lernersatz(*lerner, Ziel) : nullptr;
    if (satz && lerner->LeseZahl(satz, Feld::Lerner::Menuestatus) < Stand) {
        lerner->SchreibeText(satz, Feld::Lerner::Menuestatus, std::to_string(Stand));
        lerner->Speichern(satz);
    }
    Rolle<TMenuedienst>().MenuebaeumeNeuZeichnen();
}

void Webseite(const char* Adresse, bool NurMitVerbindung) {
    if (NurMitVerbindung && !Mail::MailVerfuegbar()) {
        Meldung(99);
        return;
    }
    if (!DokumentOeffnen(QUrl(QString::fromLatin1(Adresse)))) Startfehler(31);
}

void Informationsfenster() {
    std::string text = "Velmora\nLernprogramm";
    if (!Konfiguration().Name.empty()) text += ": " + Utf8(Konfiguration().Name);
    Dialoge().Nachricht(Symbol::Information, "Information", text, KnopfOK, KnopfOK);
}

void Popupmenue() {
    TAktionskontext& kontext = Rolle<TAktionskontext>();
    const int32_t menue = kontext.Menuenummer;
    kontext.Menuenummer = 0;
    if (menue > 0) Rolle<TMenuedienst>().PopupmenueZeigen(menue, kontext.Popuppunkt);
}

void F4Hilfe(int32_t Objektnummer) {
    const TObjektliste* e = ObjektMitNummer(Seitenliste(), Objektnummer);
    if (auto* feld =
            e && e->Typ == Objekttyp::Editfeld ? qobject_cast<THEditfeld*>(e->Objekt) : nullptr)
        feld->F4HilfeOeffnen();
}

void Nachricht() {
    if (Mail::MailVerfuegbar())
        Rolle<TWerkzeugfensterdienst>().NachrichtAnAutorZeigen();
    else
        Meldung(99);
}

void Zeichenraster() {
    Rolle<TZeichenrasterdienst>().ZeichenrasterPruefen();
    Fensterbefehl(FensterAuswerten);
}

using A = const TAktionsaufruf&;
using THandler = void (*)(A);

// One handler per action 0-49, in the order of their numbers.
constexpr THandler Handler[] = {
    [](A a) { KeineFunktion(a.Objektnummer); },                                   // 0
    [](A a) { TextZeigen(a.TextNr); },                                            // 1
    [](A a) { Meldungsfenster(a.TextNr); },                                       // 2
    [](A a) { Fensterbefehl(FensterSeite, a.Ziel); },                             // 3
    [](A) { Fensterbefehl(FensterAuswerten); },                                   // 4
    [](A) { Fensterbefehl(FensterWeiter); },                                      // 5
    [](A a) { Fensterbefehl(FensterAuswertenUndSeite, a.Ziel); },                 // 6
    [](A) { Fensterbefehl(FensterAuswertenUndWeiter); },                          // 7
    [](A) { Hostbefehl(HostBeenden); },                                           // 8
    [](A a) { Fensterbefehl(FensterNeuesFenster, a.Ziel); },                      // 9
    [](A a) { Fensterbefehl(FensterModalesFenster, a.Ziel); },                    // 10
    [](A a) { FensterSchliessen(a.Ziel); },                                       // 11
    [](A) { Fensterbefehl(FensterDrucken); },                                     // 12
    [](A) { Zuruecksetzen(); },                                                   // 13
    [](A) { Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren(); },          // 14
    [](A) { Rolle<TWerkzeugfensterdienst>().LesezeichenfensterOeffnen(); },       // 15
    [](A) { Fensterbefehl(FensterZurueck); },                                     // 16
    [](A a) { Rolle<TLernfensterdienst>().ObjektZeigen(a.Objektnummer, false); }, // 17
    [](A a) { DatensatzInObjekt(a.Objektnummer, a.Datensatznummer); },            // 18
    [](A a) { ObjektInDatensatz(a.Objektnummer, a.Datensatznummer); },            // 19
    [](A a) { AuswahlInDatensatz(a.Objektnummer, a.Datensatznummer); },           // 20
    [](A a) { DatensatzInListe(a.Objektnummer, a.Datensatznummer); },             // 21
    [](A a) { ObjektLeeren(a.Objektnummer); },                                    // 22
    [](A a) { AuswahlLoeschen(a.Objektnummer); },                                 // 23
    [](A a) {                                                                     // 24
        if (Abhaken(a.Ziel, 2300)) Rolle<TLernerdatendienst>().AbhakmarkenAktualisieren();
    },
    [](A a) { Abhaken(a.Ziel, 2301); },                                             // 25
    [](A) { HeuteAbgehaktZuruecksetzen(); },                                        // 26
    [](A a) { HilfeAnzeigen(a.Hilfedatei, a.HilfeContext); },                       // 27
    [](A a) { Fensterbefehl(FensterDialogfenster, a.Ziel); },                       // 28
    [](A) { AntwortenSenden(); },                                                   // 29
    [](A) { Rolle<TWerkzeugfensterdienst>().FragebogenOeffnen(); },                 // 30
    [](A a) { F4Hilfe(a.Objektnummer); },                                           // 31
    [](A) { Popupmenue(); },                                                        // 32
    [](A) { Hostbefehl(HostScript); },                                              // 33
    [](A a) { Verbergen(a.Objektnummer); },                                         // 34
    [](A) { Rolle<TKlangdienst>().KlangSchalten(false); },                          // 35
    [](A) { Rolle<TKlangdienst>().KlangSchalten(true); },                           // 36
    [](A) { DokumentAnzeigen(); },                                                  // 37
    [](A) { Zeichenraster(); },                                                     // 38
    [](A) { Webseite(Informationsportal, true); },                                  // 39
    [](A) { Webseite(Lernportal, true); },                                          // 40
    [](A) { Webseite(Forum, false); },                                              // 41
    [](A) { Nachricht(); },                                                         // 42
    [](A) { Rolle<TWerkzeugfensterdienst>().NotizfensterOeffnen(); },               // 43
    [](A) { Informationsfenster(); },                                               // 44
    [](A a) { Fensterbefehl(FensterSeite, a.Ziel); },                               // 45
    [](A a) { MenuestatusAnheben(a.Ziel, 50); },                                    // 46
    [](A a) { MenuestatusAnheben(a.Ziel, 100); },                                   // 47
    [](A a) { Rolle<TAnimationsdienst>().PfadanimationAbspielen(a.Objektnummer); }, // 48
    [](A a) { Rolle<TLernfensterdienst>().ObjektZeigen(a.Objektnummer, true); },    // 49
};
static_assert(std::size(Handler) == 50);

} // namespace

void AktionDurchfuehren(const TAktionsaufruf& Aufruf) {
    const int nr = Aktionsnummer(Aufruf.Aktion);
    if (nr >= 0) Handler[nr](Aufruf);
}

void AktionAusfuehren(const TAktionsaufruf& Aufruf) {
    AktionUebergeben(Aufruf);
    AktionDurchfuehren(Aufruf);
}
