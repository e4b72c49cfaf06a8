#include "app/TSystemwertanbindung.h"

#include "evaluation/TLernerdaten.h"
#include "evaluation/TOrvelle.h"
#include "mail/MailPruefen.h"
#include "mail/Mailzugang.h"
#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/bereiche/THFunktion.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/eingabe/THEingabezeile.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TZielbereich.h"
#include "objects/knoepfe/Klang.h"
#include "objects/rollen/TUeberschreibmodus.h"
#include "objects/texte/THSystemLabel.h"
#include "platform/AnsiText.h"
#include "platform/Bildschirm.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/Werkzeugfenster.h"
#include "store/Config.h"
#include "store/Datenlexikon.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"

#include <QGuiApplication>
#include <QScreen>

#include <functional>

namespace {

constexpr int Lesezeichenfenster = 17;
// Lessons are laid out at 96 dots per inch whatever the monitor, and so they are shown.
constexpr int LektionsDpi = 96;

TObjektliste* Seitenobjekte() {
    const THauptfenster* f = AktuellesFenster();
    return f ? f->Objektliste() : nullptr;
}

template <class Klasse> Klasse* ObjektDerKlasse(int32_t Nr) {
    const TObjektliste* e = ObjektMitNummer(Seitenobjekte(), Nr);
    return e ? qobject_cast<Klasse*>(e->Objekt.data()) : nullptr;
}

// A value of the current learner window; 0 without one.
int AusFenster(const std::function<int(const THauptfenster&)>& Wert) {
    const THauptfenster* f = AktuellesFenster();
    return f ? Wert(*f) : 0;
}

} // namespace

QDateTime TSystemwertanbindung::TKontextuhr::Jetzt() const {
    return Rolle<TUhr>().Jetzt();
}

std::string TSystemwertanbindung::Systemwert(int32_t Nr) {
    return Werte.Systemwert(Nr, 0, 0).value_or(std::string());
}

std::optional<std::string> TSystemwertanbindung::SystemwertFuer(int32_t Nr, int32_t Ziel,
                                                                int32_t Objektnummer) {
    return Werte.Systemwert(Nr, Ziel, Objektnummer);
}

void TSystemwertanbindung::SystemanzeigenAktualisieren() {
    THSystemLabel::AlleAktualisieren(Seitenobjekte());
}

QSize TSystemwertanbindung::Bildschirmgroesse() {
    return ::Bildschirmgroesse();
}

int TSystemwertanbindung::BildpunkteProZoll() {
    return LektionsDpi;
}

int TSystemwertanbindung::Farbtiefe() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->depth() : 0;
}

QSize TSystemwertanbindung::Fenstergroesse() {
    const THauptfenster* f = AktuellesFenster();
    return f ? f->size() : QSize();
}

TSystemwertquellen::Fensterzustand TSystemwertanbindung::Zustand() {
    const THauptfenster* f = AktuellesFenster();
    if (f && f->isMinimized()) return Fensterzustand::Minimiert;
    if (f && f->isMaximized()) return Fensterzustand::Maximiert;
    return Fensterzustand::Normal;
}

int32_t TSystemwertanbindung::Seitennummer() {
    return AusFenster(&THauptfenster::Seitennummer);
}

int32_t TSystemwertanbindung::VorherigeSeitennummer() {
    return AusFenster(&THauptfenster::VorherigeSeitennummer);
}

int TSystemwertanbindung::Fortschritt() {
    return AusFenster(&THauptfenster::FortschrittProzent);
}

int TSystemwertanbindung::Versuchszaehler() {
    return AusFenster(&THauptfenster::Versuchszaehler);
}

int TSystemwertanbindung::Fensteranzahl() {
    return TFensterliste::Liste().Fensteranzahl();
}

int TSystemwertanbindung::Fensterposition() {
    return TFensterliste::Liste().Position(AktuellesFenster());
}

int32_t TSystemwertanbindung::SeiteImErstenFenster() {
    const THauptfenster* f = TFensterliste::Liste().Fenster(1);
    return f ? f->Seitennummer() : 0;
}

bool TSystemwertanbindung::LesezeichenfensterOffen() {
    return FensterSichtbar(Lesezeichenfenster);
}

bool TSystemwertanbindung::Ueberschreibmodus() {
    return Rolle<TUeberschreibmodus>().Ueberschreiben;
}

bool TSystemwertanbindung::KlangAn() {
    return Klangschalter();
}

bool TSystemwertanbindung::MailserverErreichbar() {
    TMailClient* client = Mail::Mailclient();
    return client && MailPruefen(*client, Konfiguration().MailServer);
}

TSystemwertquellen::TGruppenseiten TSystemwertanbindung::Gruppenseiten() {
    TGruppenseiten zahl;
    TTabelle* seiten = Tabelle(ArtSeiten);
    TTabelle* lerner = Tabelle(ArtLerner);
    if (!seiten || !lerner) return zahl;
    TLernerdaten daten(*lerner);
    for (TDatensatz* s = seiten->Erster(); s; s = s->Naechster) {
        if (seiten->LeseText(s, Feld::Seiten::GroupIndex) != "1") continue;
        const int32_t seite = seiten->LeseZahl(s, Feld::Seiten::State);
        ++zahl.Alle;
        if (daten.Offen(seite)) ++zahl.Offen;
        if (!daten.EndgueltigAbgehakt(seite)) ++zahl.Unerledigt;
    }
    return zahl;
}

bool TSystemwertanbindung::EndgueltigAbgehakt(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return lerner && TLernerdaten(*lerner).EndgueltigAbgehakt(Seite);
}

std::string TSystemwertanbindung::Lernplattformwert(int Wert) {
    return Rolle<TOrvelle>().Wert(Wert);
}

int TSystemwertanbindung::Punktzahl() {
    return Rolle<TOrvelle>().Score;
}

int TSystemwertanbindung::LernzeitBeimStart() {
    return static_cast<int>(Rolle<TOrvelle>().Time.count());
}

bool TSystemwertanbindung::LernplattformAktiv() {
    return Rolle<TOrvelle>().Aktiv();
}

std::optional<std::string> TSystemwertanbindung::GeschriebenerWert(int Wert, int32_t Nr) {
    if (Wert == 1006) {
        const THauptfenster* fenster = AktuellesFenster();
        const int32_t flaeche = fenster ? fenster->ZuletztGeklickteFlaeche() : 0;
        if (flaeche == 0 || !ObjektDerKlasse<THMouseSensitive>(flaeche)) return std::nullopt;
        return std::to_string(flaeche);
    }
    if (Wert < 220 || Wert > 228) return std::nullopt;
    const THFunktion* band = ObjektDerKlasse<THFunktion>(Nr);
    if (!band || !band->Benutzt) return std::nullopt;
    return band->Systemwert(Wert);
}

int TSystemwertanbindung::LeereZielbereiche() {
    int leer = 0;
    TiefDurchlaufen(Seitenobjekte(), [&](TObjektliste& e) {
        const auto* bereich = dynamic_cast<const TZielbereich*>(e.Seitenobjekt());
        if (bereich && bereich->Belegung == 0) ++leer;
        return true;
    });
    return leer;
}

std::vector<TSystemwertquellen::TAuswahl> TSystemwertanbindung::Auswahlobjekte() {
    std::vector<TAuswahl> auswahl;
    TiefDurchlaufen(Seitenobjekte(), [&](TObjektliste& e) {
        if (const auto* flaeche = qobject_cast<const THMouseSensitive*>(e.Objekt.data()))
            auswahl.push_back({flaeche->Bewertung, flaeche->Markiert()});
        else if (const auto* objekt = dynamic_cast<const TAuswahlobjekt*>(e.Seitenobjekt()))
            auswahl.push_back({objekt->Bewertung, objekt->Gewaehlt()});
        return true;
    });
    return auswahl;
}

// What the learner typed into an input line of the page (a checked or a masked field); none
// for an object that is not on the page or is no input line.
std::optional<std::string> TSystemwertanbindung::Eingabefeldinhalt(int32_t Nr) {
    const auto* feld = ObjektDerKlasse<THEingabezeile>(Nr);
    if (!feld) return std::nullopt;
    return QStringNachAnsi(feld->text());
}

std::optional<QPoint> TSystemwertanbindung::Objektposition(int32_t Nr) {
    const TObjektliste* e = ObjektMitNummer(Seitenobjekte(), Nr);
    if (!e || !e->Objekt) return std::nullopt;
    return e->Objekt->pos();
}
