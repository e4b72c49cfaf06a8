#include "app/TAutorfenster.h"

#include "mail/MailPruefen.h"
#include "mail/Mailzugang.h"
#include "platform/Mauszeiger.h"
#include "platform/Befehle.h"
#include "player/Programmende.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "store/Config.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

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
    MailclientSetzen(Mail.get());
}

TAutorfenster::~TAutorfenster() {
    if (Hostformular() == this) Hostformular() = nullptr;
    if (Mailclient() == Mail.get()) MailclientSetzen(nullptr);
}

void TAutorfenster::ErstesZeigen() {
    setGeometry(0, 0, 800, 123);
    if (TTabelle* config = Tabelle(ArtKonfiguration)) {
        const TFenstergrenzen g =
            FensterpositionLesen(*config, Formtag, Grenzen(*this), Bildschirm());
        setGeometry(g.Links, g.Oben, g.Breite, g.Hoehe);
    }
    MailVerfuegbar = MailPruefen(*Mail, Konfiguration().MailServer);
    if (THauptfenster* fenster = AktuellesFenster()) fenster->show();
}

void TAutorfenster::customEvent(QEvent* Ereignis) {
    if (Ereignis->type() != HostbefehlArt()) return;
    const auto* befehl = static_cast<TBefehl*>(Ereignis);
    switch (befehl->Code) {
    case HostFensterSchliessen:
        if (TFensterliste::Liste().Fensteranzahl() >= befehl->Parameter)
            FensterSchliessen(AktuellesFenster());
        break;
    case HostBeenden: Beenden(true); break;
    case HostVerbergen: hide(); break;
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
            if (fenster->Seitennummer != 0) StartseiteSchreiben(Wiederaufnahmeseite(*fenster));
            FensterpositionSchreiben(*config, THauptfenster::Formtag, Grenzen(*fenster));
        }
    }
    auto& liste = TFensterliste::Liste();
    if (!liste.Alle().empty()) liste.Aktuell = liste.Alle().front().Fenster;
    CursorSlotsFreigeben();
    Mail.reset();
    ArbeitskopienLoeschen();
    Ereignis->accept();
    QCoreApplication::quit();
}
