#include "app/TAutorfenster.h"

#include "mail/MailPruefen.h"
#include "mail/TMailzugang.h"
#include "objects/rollen/TLernerdatendienst.h"
#include "objects/rollen/TScriptdienst.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "platform/Befehle.h"
#include "platform/Mauszeiger.h"
#include "platform/Protokoll.h"
#include "platform/TFernsteuerung.h"
#include "player/Navigation.h"
#include "player/Objektliste.h"
#include "player/Programmende.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "player/Werkzeugfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/TAnwendungskontext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int Lesezeichenfenster = 17; // tag of the bookmark window

TFenstergrenzen Grenzen(const QWidget& w) {
    return {w.x(), w.y(), w.width(), w.height()};
}

TBildschirmflaeche Bildschirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {800, 600};
    return {s->availableVirtualGeometry().width(), s->geometry().height()};
}

} // namespace

TAutorfenster::TAutorfenster() : QWidget(nullptr), Mail(std::make_unique<TMailClient>()) {
    setObjectName(QStringLiteral("Autorfenster"));
    setWindowTitle(QStringLiteral("Velmora"));
    auto& orte = Lektionsorte();
    const std::string tempPfad = TempPfadLesen();
    orte.SchreibgeschuetzteLektion = SchreibschutzErmitteln(orte.Lektionsverzeichnis);
    ArbeitsverzeichnisFestlegen(tempPfad, LektionsnameLesen());
    CursorSlotsLaden();
    resize(0, 0);
    TTabelle::Anzeigefaktor1 = TTabelle::Anzeigefaktor2 = 1.0;
    Hostformular() = this;
    Rolle<TMailzugang>().Client = Mail.get();
    // Another program may send commands; without the socket the lesson simply runs
    // without remote control.
    Fernsteuerung = new TFernsteuerung(this, this);
    Fernsteuerung->Lauschen(Fernsteuerungsname(orte.Lektionsverzeichnis));
}

TAutorfenster::~TAutorfenster() {
    if (Hostformular() == this) Hostformular() = nullptr;
    TMailzugang& mail = Rolle<TMailzugang>();
    if (mail.Client == Mail.get()) mail.Client = nullptr;
}

void TAutorfenster::ErstesZeigen() {
    setGeometry(0, 0, 800, 123);
    if (TTabelle* config = Tabelle(ArtKonfiguration)) {
        const TFenstergrenzen g =
            FensterpositionLesen(*config, Formtag, Grenzen(*this), Bildschirm());
        setGeometry(g.Links, g.Oben, g.Breite, g.Hoehe);
    }
    Rolle<TMailzugang>().Verfuegbar = MailPruefen(*Mail, Konfiguration().MailServer);
    if (THauptfenster* fenster = AktuellesFenster()) fenster->show();
}

void TAutorfenster::customEvent(QEvent* Ereignis) {
    const auto* befehl = static_cast<TBefehl*>(Ereignis);
    if (Ereignis->type() == HostbefehlArt()) {
        Protokollieren("command host " + std::to_string(befehl->Code) + " " +
                       std::to_string(befehl->Parameter));
        Hostbefehl(befehl->Code, befehl->Parameter);
    } else if (Ereignis->type() == FernbefehlArt()) {
        Protokollieren("command remote " + std::to_string(befehl->Code) + " " +
                       std::to_string(befehl->Parameter));
        Fernbefehl(befehl->Code & 0xFFFF, befehl->Parameter);
    }
}

void TAutorfenster::Hostbefehl(int Code, int32_t Argument) {
    THauptfenster* fenster = AktuellesFenster();
    switch (Code) {
    case HostFensterSchliessen:
        if (TFensterliste::Liste().Fensteranzahl() >= Argument) FensterSchliessen(fenster);
        break;
    case HostBeenden: Beenden(true); break;
    case HostVerbergen: hide(); break;
    case HostSeite:
        if (fenster) Navigation::GeheZuSeite(*fenster, Argument);
        break;
    case HostScript: Rolle<TScriptdienst>().AnstehendesScriptAusfuehren(); break;
    case HostNaechsteNummer:
        if (fenster) Navigation::NaechsteNummer(*fenster);
        break;
    default: break;
    }
}

// A remote command becomes a window or host command for the window current now, or acts
// at once.
void TAutorfenster::Fernbefehl(int Typ, int32_t Argument) {
    THauptfenster* fenster = AktuellesFenster();
    auto an = [fenster](int Code, int32_t Parameter = 0) {
        BefehlSenden(fenster, FensterbefehlArt(), Code, Parameter);
    };
    switch (Typ) {
    case FernSeite: an(FensterSeite, Argument); break;
    case FernAuswerten: an(FensterAuswerten); break;
    case FernWeiter: an(FensterWeiter); break;
    case FernAuswertenUndSeite: an(FensterAuswertenUndSeite, Argument); break;
    case FernAuswertenUndWeiter: an(FensterAuswertenUndWeiter); break;
    case FernBeenden: BefehlSenden(this, HostbefehlArt(), HostBeenden); break;
    case FernNeuesFenster: an(FensterNeuesFenster, Argument); break;
    case FernModalesFenster: an(FensterModalesFenster, Argument); break;
    case FernDrucken: an(FensterDrucken); break;
    case FernLernerdatenZuruecksetzen:
        if (fenster) Rolle<TLernerdatendienst>().LernerdatenZuruecksetzen();
        break;
    case FernAnzeigenAktualisieren:
        if (fenster) Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
        break;
    case FernLesezeichen: WerkzeugfensterZeigen(Lesezeichenfenster); break;
    case FernZurueck: an(FensterZurueck); break;
    case FernObjektZeigen:
        if (fenster) ObjektZeigen(*fenster, Argument, false);
        break;
    default: break;
    }
}

// The window system closes the host form (say at the end of the desktop session): the
// program ends, keeping what the learner would otherwise lose.
void TAutorfenster::closeEvent(QCloseEvent* Ereignis) {
    if (TTabelle* config = Tabelle(ArtKonfiguration)) {
        FensterpositionSchreiben(*config, Formtag, Grenzen(*this));
        OffeneFensterSchreiben(*config, {});
        if (THauptfenster* fenster = AktuellesFenster()) {
            if (fenster->Seitennummer() != 0) StartseiteSchreiben(Wiederaufnahmeseite(*fenster));
            FensterpositionSchreiben(*config, THauptfenster::Formtag, Grenzen(*fenster));
        }
    }
    auto& liste = TFensterliste::Liste();
    if (!liste.Alle().empty()) liste.AktuellSetzen(liste.Alle().front().Fenster);
    CursorSlotsFreigeben();
    Mail.reset();
    ArbeitskopienLoeschen();
    Ereignis->accept();
    QCoreApplication::quit();
}
