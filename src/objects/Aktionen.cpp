#include "objects/Aktionen.h"

#include "objects/Aktionsdienste.h"
#include "objects/Datensatzaktionen.h"
#include "objects/Dokumentaktion.h"
#include "objects/Mailaktion.h"
#include "objects/TObjektliste.h"
#include "objects/TSeitenfenster.h"
#include "objects/TSeitenobjekt.h"
#include "objects/Webadressen.h"
#include "objects/eingabe/THEditfeld.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "platform/Dokumente.h"
#include "store/Config.h"
#include "store/DialogDienst.h"
#include "store/Lektion.h"
#include "store/Meldungen.h"

#include <QUrl>
#include <QWidget>

std::string AktuelleEmail;
std::string AktuelleBeschreibung;
std::string AnstehendesScript;
std::string AktuellesDokument;
int32_t AktuelleMenuenummer = 0;
QPoint Popuppunkt;

namespace {

std::function<void(const TAktionsaufruf&)>& Aktionshorcher() {
    static std::function<void(const TAktionsaufruf&)> horcher;
    return horcher;
}

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
        if (e && e->Typ == 33) return;
    }
    TAktionsdienste& dienste = Aktionsdienste();
    for (const int32_t seite : {dienste.Vorgabeseite(), Konfiguration().DefaultState}) {
        if (seite != 0 && dienste.SeiteVorhanden(seite)) {
            Fensterbefehl(FensterDialogfenster, seite);
            return;
        }
    }
    Dialoge().Meldungsfenster(KeineFunktionText);
}

void TextZeigen(int32_t TextNr) {
    TObjektliste* text = nullptr;
    TiefDurchlaufen(Seitenliste(), [&](TObjektliste& e) {
        if (e.Typ == 1 && e.Objekt) text = &e;
        return !text;
    });
    // The text object publishes the number of the text it shows.
    if (text) text->Objekt->setProperty("TextNr", TextNr);
}

void Meldungsfenster(int32_t TextNr) {
    TTabelle* texte = Tabelle(ArtTexte);
    TDatensatz* satz = texte && TextNr != 0 ? texte->Datensatz(TextNr) : nullptr;
    Dialoge().Meldungsfenster(satz ? Utf8(texte->LeseText(satz, 1000)) : KeinTextText);
}

void FensterSchliessen(int32_t Ziel) {
    const int position = Aktionsdienste().SchliessenVormerken(Ziel);
    Hostbefehl(HostFensterSchliessen, position);
}

void Zuruecksetzen() {
    if (Bestaetigung(30)) Aktionsdienste().LernerdatenZuruecksetzen();
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
    const int32_t seite = Ziel != 0 ? Ziel : Aktionsdienste().Seitennummer();
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
    if (satz && lerner->LeseZahl(satz, 2303) < Stand) {
        lerner->SchreibeText(satz, 2303, std::to_string(Stand));
        lerner->Speichern(satz);
    }
    Aktionsdienste().MenuebaeumeNeuZeichnen();
}

void Webseite(const char* Adresse, bool NurMitVerbindung) {
    if (NurMitVerbindung && !Aktionsdienste().MailVerfuegbar()) {
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
    const int32_t menue = AktuelleMenuenummer;
    AktuelleMenuenummer = 0;
    if (menue > 0) Aktionsdienste().PopupmenueZeigen(menue, Popuppunkt);
}

void F4Hilfe(int32_t Objektnummer) {
    const TObjektliste* e = ObjektMitNummer(Seitenliste(), Objektnummer);
    if (auto* feld = e && e->Typ == 6 ? qobject_cast<THEditfeld*>(e->Objekt) : nullptr)
        feld->F4HilfeOeffnen();
}

void Ausfuehren(int Nr, int32_t TextNr, int32_t n, const std::string& Hilfedatei,
                int32_t HilfeContext, int32_t d, int32_t Ziel) {
    TAktionsdienste& dienste = Aktionsdienste();
    switch (Nr) {
    case 0:
        KeineFunktion(n);
        break;
    case 1:
        TextZeigen(TextNr);
        break;
    case 2:
        Meldungsfenster(TextNr);
        break;
    case 3:
        Fensterbefehl(FensterSeite, Ziel);
        break;
    case 4:
        Fensterbefehl(FensterAuswerten);
        break;
    case 5:
        Fensterbefehl(FensterWeiter);
        break;
    case 6:
        Fensterbefehl(FensterAuswertenUndSeite, Ziel);
        break;
    case 7:
        Fensterbefehl(FensterAuswertenUndWeiter);
        break;
    case 8:
        Hostbefehl(HostBeenden);
        break;
    case 9:
        Fensterbefehl(FensterNeuesFenster, Ziel);
        break;
    case 10:
        Fensterbefehl(FensterModalesFenster, Ziel);
        break;
    case 11:
        FensterSchliessen(Ziel);
        break;
    case 12:
        Fensterbefehl(FensterDrucken);
        break;
    case 13:
        Zuruecksetzen();
        break;
    case 14:
        dienste.SystemanzeigenAktualisieren();
        break;
    case 15:
        dienste.LesezeichenfensterOeffnen();
        break;
    case 16:
        Fensterbefehl(FensterZurueck);
        break;
    case 17:
        dienste.ObjektZeigen(n, false);
        break;
    case 18:
        DatensatzInObjekt(n, d);
        break;
    case 19:
        ObjektInDatensatz(n, d);
        break;
    case 20:
        AuswahlInDatensatz(n, d);
        break;
    case 21:
        DatensatzInListe(n, d);
        break;
    case 22:
        ObjektLeeren(n);
        break;
    case 23:
        AuswahlLoeschen(n);
        break;
    case 24:
        if (Abhaken(Ziel, 2300)) dienste.AbhakmarkenAktualisieren();
        break;
    case 25:
        Abhaken(Ziel, 2301);
        break;
    case 26:
        HeuteAbgehaktZuruecksetzen();
        break;
    case 27:
        HilfeAnzeigen(Hilfedatei, HilfeContext);
        break;
    case 28:
        Fensterbefehl(FensterDialogfenster, Ziel);
        break;
    case 29:
        AntwortenSenden();
        break;
    case 30:
        dienste.FragebogenOeffnen();
        break;
    case 31:
        F4Hilfe(n);
        break;
    case 32:
        Popupmenue();
        break;
    case 33:
        Hostbefehl(HostScript);
        break;
    case 34:
        Verbergen(n);
        break;
    case 35:
        dienste.KlangSchalten(false);
        break;
    case 36:
        dienste.KlangSchalten(true);
        break;
    case 37:
        DokumentAnzeigen();
        break;
    case 38:
        dienste.ZeichenrasterPruefen();
        Fensterbefehl(FensterAuswerten);
        break;
    case 39:
        Webseite(Informationsportal, true);
        break;
    case 40:
        Webseite(Lernportal, true);
        break;
    case 41:
        Webseite(Forum, false);
        break;
    case 42:
        if (dienste.MailVerfuegbar())
            dienste.NachrichtAnAutorZeigen();
        else
            Meldung(99);
        break;
    case 43:
        dienste.NotizfensterOeffnen();
        break;
    case 44:
        Informationsfenster();
        break;
    case 45:
        Fensterbefehl(FensterSeite, Ziel);
        break;
    case 46:
        MenuestatusAnheben(Ziel, 50);
        break;
    case 47:
        MenuestatusAnheben(Ziel, 100);
        break;
    case 48:
        dienste.PfadanimationAbspielen(n);
        break;
    case 49:
        dienste.ObjektZeigen(n, true);
        break;
    default:
        break;
    }
}

} // namespace

int32_t Aktionscode(int32_t Code) {
    if (Code >= 0 && Code <= 34) return Code + 1000;
    if (Code >= 35 && Code <= 49) return Code + 1001;
    if (Code >= 50 && Code <= 999) return Code + 1000;
    return Code;
}

void AktionAusfuehren(int32_t Aktion, int32_t TextNr, int32_t Objektnummer,
                      const std::string& Hilfedatei, int32_t HilfeContext, int32_t Datensatznummer,
                      int32_t Ziel) {
    if (const auto& horcher = Aktionshorcher())
        horcher({Aktion, TextNr, Objektnummer, Hilfedatei, HilfeContext, Datensatznummer, Ziel});
    Ausfuehren(Aktionsnummer(Aktion), TextNr, Objektnummer, Hilfedatei, HilfeContext,
               Datensatznummer, Ziel);
}

void AktionshorcherSetzen(std::function<void(const TAktionsaufruf&)> Horcher) {
    Aktionshorcher() = std::move(Horcher);
}
