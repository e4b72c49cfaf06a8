#include "player/THauptfenster.h"

#include "objects/kern/TBehandlung.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenobjekt.h"
#include "objects/rollen/TFensterdienst.h"
#include "objects/rollen/TSeitenfensterwahl.h"
#include "objects/rollen/TSeitenteilnahme.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "platform/Bildschirm.h"
#include "platform/Drucken.h"
#include "platform/Farben.h"
#include "platform/Protokoll.h"
#include "platform/Tastencodes.h"
#include "player/Fenstergeometrie.h"
#include "player/Objektliste.h"
#include "player/TFensterliste.h"
#include "player/TSpielerstand.h"
#include "player/Werkzeugfenster.h"
#include "store/Config.h"
#include "store/DialogDienst.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/Objekttyp.h"
#include "store/Zahlen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace {

const QColor Silber(0xC0, 0xC0, 0xC0);

// Places and sizes from lesson data are held to what a window system can show before the
// window computes with them, so that no sum or difference of them can overflow.
constexpr int32_t Bildschirmgrenze = 32767;
int Lage(int32_t Wert) {
    return std::clamp(Wert, -Bildschirmgrenze, Bildschirmgrenze);
}
int Ausdehnung(int32_t Wert) {
    return std::clamp(Wert, 0, Bildschirmgrenze);
}

// Shift+Tab arrives as its own key.
bool IstTab(const QKeyEvent& Taste) {
    return Taste.key() == Qt::Key_Tab || Taste.key() == Qt::Key_Backtab;
}

std::vector<std::string> Zeilen(const std::string& Text) {
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    while (anfang <= Text.size()) {
        size_t ende = Text.find('\n', anfang);
        if (ende == std::string::npos) ende = Text.size();
        std::string zeile = Text.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (ende < Text.size() || !zeile.empty()) zeilen.push_back(zeile);
        anfang = ende + 1;
    }
    return zeilen;
}

} // namespace

THauptfenster::THauptfenster(QWidget* Eltern) : QWidget(Eltern, Qt::Window) {
    setObjectName(QStringLiteral("Hauptfenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Silber);
    setPalette(farben);
    setAutoFillBackground(true);

    Prgbitmap = new QLabel(this);
    Prgbitmap->setObjectName(QStringLiteral("Prgbitmap"));
    Prgbitmap->hide();
    Prgbitmap->installEventFilter(this);
    Prgbitmap->setMouseTracking(true);

    Timer.setInterval(100);
    connect(&Timer, &QTimer::timeout, this, &THauptfenster::TimerTick);

    SAPMarkerAnlegen();
    DummyButton = new QLineEdit(this);
    DummyButton->setObjectName(QStringLiteral("DummyButton"));
    DummyButton->setReadOnly(true);
    DummyButton->setFrame(false);
    DummyButton->setGeometry(0, 0, 0, 0);
    // It takes the focus after each page build, but the Tab key never stops on it: it shows
    // nothing.
    DummyButton->setFocusPolicy(Qt::NoFocus);

    move(0, 123);
    resize(800, 570);
    Fensterrechteck = QRect(pos(), size());
    // Keys reach the window before the focused control does.
    qApp->installEventFilter(this);
}

QWidget* THauptfenster::Fokushalter() const {
    return DummyButton;
}

void THauptfenster::OeffnungVorgeben(int32_t Seite, QPoint Position) {
    Startseite = Seite;
    Oeffnerposition = Position;
}

THauptfenster::~THauptfenster() {
    qApp->removeEventFilter(this);
    // The entries go now, the controls with the window.
    Objekte.AlleHerausnehmen();
    TSeitenfensterwahl& wahl = Rolle<TSeitenfensterwahl>();
    if (wahl.Aktuell == this) wahl.Aktuell = nullptr;
}

// ---------------------------------------------------------------------------------------
// The page build

void THauptfenster::SeiteAufbauen(TDatensatz* Seite) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!Seite || !seiten) return;
    WarteCursorAn warten;
    TimerObjekteAnhalten(true);
    if (EffektAktiv || BehandlungLaeuft()) {
        // A page change waits for the running effect, and for the handlers that run now:
        // nothing navigates inside an event handler. A second request meanwhile is lost.
        if (!Timer.isActive()) {
            Rolle<TSpielerstand>().SeitenwechselAnstehend = true;
            Timer.setInterval(100);
            AufgeschobeneSeite = seiten->LeseZahl(Seite, Feld::Seiten::State);
            Timer.start();
        }
        return;
    }
    // The build's own events may open modal windows; a page change they let run waits.
    const TBehandlung aufbau(this);
    EreignisAusloesen(0, 105);
    SAPMarker->hide();
    Seitenstand.VorherigeNummer = VorherigeSeite ? Seitenstand.Nummer : 0;
    SeitenfelderLesen(Seite);
    if (!isMaximized()) Platzieren();
    if (auto liste = seiten->LeseTextPuffer(Seite, Feld::Seiten::Objektliste))
        Objektnummern = Zeilen(*liste);
    setWindowTitle(AnsiNachQString(seiten->LeseText(Seite, Feld::Seiten::Titelzeile)));
    if (AbgefragteSeite != 0 && AbgefragteSeite == Seitenstand.Nummer)
        setWindowTitle(QStringLiteral("[%1] ").arg(Seitenstand.Nummer) + windowTitle());
    AbgefragteSeite = 0;
    Lesezeichenvorgabe = seiten->LeseText(Seite, Feld::Seiten::Lesezeichenvorgabe);
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.SeitenfelderGelesen(*this, Seite); });

    Seitenstand.Lernwegnachfolger = 0;
    if (TTabelle* lernweg = Tabelle(ArtLernweg)) {
        TDatensatz* weg = lernweg->Datensatz(Seitenstand.Nummer);
        // A value that is no number counts as no successor instead of ending the build.
        Seitenstand.Lernwegnachfolger =
            Zahlen::Genau(lernweg->LeseText(weg, static_cast<uint16_t>(LernwegSpalte))).value_or(0);
    }

    try {
        ObjektlisteAufbauen(*this, Objektnummern, Seite);
    } catch (const std::exception&) {
        // Failures inside the object list end only that step.
    }
    Seitenstand.Seite = Seite;
    VorherigeSeite = Seite;
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.ObjekteAufgebaut(*this); });
    if (!VerlaufSchritt) Verlaufsliste.VerlaufEintragen(Seitenstand.Nummer);
    VerlaufSchritt = false;
    if (isVisible()) DummyButton->setFocus();
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.SeiteGezeigt(*this); });
    FokusobjektSetzen();
    Rolle<TSpielerstand>().SeitenwechselAnstehend = false;
    TimerObjekteAnhalten(false);
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.SeiteBereit(*this); });

    bool auswertung = false;
    ObenDurchlaufen(Objekte.Kopf(), [&](TObjektliste& e) {
        auswertung =
            auswertung || e.Typ == Objekttyp::Auswertung || e.Typ == Objekttyp::StringAuswertung;
        return !auswertung;
    });
    if (!auswertung) VersuchszaehlerSetzen(1);

    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.SeiteFertig(*this); });
    StapelordnungKorrigieren();
    Protokollieren("page " + std::to_string(Seitenstand.Nummer));
    EreignisAusloesen(0, 104);
}

void THauptfenster::SeitenfelderLesen(TDatensatz* Seite) {
    TTabelle& t = *Tabelle(ArtSeiten);
    Seitenstand.Nummer = t.LeseZahl(Seite, Feld::Seiten::State);
    Fortschrittsseite = t.LeseSchalter(Seite, Feld::Seiten::Lernfortschritt);
    Seitenstand.Naechste = t.LeseZahl(Seite, Feld::Seiten::NaechsterState);
    Seitenstand.Vorherige = t.LeseZahl(Seite, Feld::Seiten::VorherigerState);
    Seitenstand.Wiederaufnahme = t.LeseZahl(Seite, Feld::Seiten::WiederAufnahmeState);
    Positionsart = static_cast<int16_t>(t.LeseZahl(Seite, Feld::Seiten::Position));
    Seitenrechteck = QRect(Lage(t.LeseKoordinate(Seite, Feld::Seiten::left)),
                           Lage(t.LeseKoordinate(Seite, Feld::Seiten::top)),
                           Ausdehnung(t.LeseZahl(Seite, Feld::Seiten::width)),
                           Ausdehnung(t.LeseZahl(Seite, Feld::Seiten::height)));
    const int32_t farbe = t.LeseZahl(Seite, Feld::Seiten::Hintergrundfarbe);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, farbe == 0 ? Silber : Lektionsfarbe(farbe));
    setPalette(farben);
    Fokusobjekt = t.LeseZahl(Seite, Feld::Seiten::FokusObjekt);
    Seitenstand.Feedback = t.LeseSchalter(Seite, Feld::Seiten::FeedbackState);
    const bool kacheln = t.LeseSchalter(Seite, Feld::Seiten::Flaeche);
    if (kacheln != Kacheln) {
        Kacheln = kacheln;
        if (!Hintergrundname.empty()) HintergrundLaden(Hintergrundname);
    }
    TFensterliste::Liste().FensternameSetzen(
        this, AnsiNachQString(t.LeseText(Seite, Feld::Seiten::Fenstername)));
    Seitenstand.Vorgabe = t.LeseZahl(Seite, Feld::Seiten::DefaultState);
}

void THauptfenster::Platzieren() {
    const int w = Seitenrechteck.width(), h = Seitenrechteck.height();
    switch (Positionsart) {
    case 0:
        move(Fensterrechteck.topLeft());
        resize(Konfiguration().Breite, Konfiguration().Hoehe);
        break;
    case 1:
        move(Oeffnerposition + Seitenrechteck.topLeft());
        resize(w, h);
        break;
    case 2:
        move(Seitenrechteck.topLeft());
        resize(w, h);
        break;
    case 3: {
        const QSize schirm = Bildschirmgroesse();
        move(schirm.width() / 2 - w - 50, schirm.height() / 2 - h / 2);
        resize(w, h);
        break;
    }
    default: break;
    }
    GrenzenMerken();
}

void THauptfenster::GrenzenMerken() {
    const QRect r(pos(), size());
    if (Positionsart == 0)
        Fensterrechteck = r;
    else if (Positionsart >= 1 && Positionsart <= 3)
        Seitenrechteck = r;
}

void THauptfenster::FokusobjektSetzen() {
    if (Fokusobjekt == 0) return;
    TObjektliste* e = ObjektAufSeite(Objekte.Kopf(), Fokusobjekt);
    QWidget* w = e ? e->Objekt.data() : nullptr;
    if (w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) w->setFocus();
}

// A later object of the list lies above every earlier object it overlaps.
void THauptfenster::StapelordnungKorrigieren() {
    // The objects the learner sees, each asked once: raising changes no visibility.
    struct TStapel {
        TObjektliste* Eintrag;
        TSeitenobjekt* Objekt;
        QRect Rechteck;
    };
    std::vector<TStapel> oben;
    ObenDurchlaufen(Objekte.Kopf(), [&](TObjektliste& e) {
        QWidget* w = e.Objekt.data();
        const bool zaehlt = w && !FuerLernendeUnsichtbar(e.Typ) &&
                            (e.Typ != Objekttyp::SystemLabel || w->isVisible());
        if (zaehlt) oben.push_back({&e, e.Seitenobjekt(), w->geometry()});
        return true;
    });
    // An object is raised when an earlier object it overlaps lies above it; once raised it
    // holds the highest number and no earlier object can lie above it any more. So only an
    // object whose number is below the highest number before it needs the pairs looked at:
    // on a page whose objects were created or kept in list order that is none of them.
    int32_t hoechsteDavor = 0;
    for (size_t b = 0; b < oben.size(); ++b) {
        TObjektliste& B = *oben[b].Eintrag;
        if (B.Stapelnummer < hoechsteDavor) {
            for (size_t a = 0; a < b; ++a) {
                const TObjektliste& A = *oben[a].Eintrag;
                if (A.Stapelnummer <= B.Stapelnummer) continue;
                if (!oben[a].Rechteck.intersects(oben[b].Rechteck)) continue;
                B.Objekt->raise();
                B.Stapelnummer = ++Stapelzaehler;
                if (oben[b].Objekt) oben[b].Objekt->BegleiterHeben();
                break;
            }
        }
        hoechsteDavor = std::max(hoechsteDavor, B.Stapelnummer);
    }
}

// ---------------------------------------------------------------------------------------
// Background picture

void THauptfenster::HintergrundAusSeite(TDatensatz* Seite) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!seiten) return;
    Bildverzeichnis = seiten->LeseText(Seite, Feld::Seiten::Pfadname);
    HintergrundLaden(seiten->LeseText(Seite, Feld::Seiten::Dateiname));
    if (!Hintergrundname.empty())
        Prgbitmap->move(Lage(seiten->LeseKoordinate(Seite, Feld::Seiten::Dateiname_links)),
                        Lage(seiten->LeseKoordinate(Seite, Feld::Seiten::Dateiname_oben)));
}

void THauptfenster::HintergrundLaden(const std::string& Dateiname) {
    const size_t trenner = Dateiname.find_last_of("\\/");
    const std::string name =
        trenner == std::string::npos ? Dateiname : Dateiname.substr(trenner + 1);
    if (name == Hintergrundname && Kacheln == GeladenGekachelt) return;
    GeladenGekachelt = Kacheln;
    // The media directory, the page's picture directory and the name, joined as stored.
    const std::filesystem::path datei =
        LektionsdateiFinden(Lektionsorte().Programmverzeichnis, Bildverzeichnis + name);
    QImage bild;
    if (name.empty() || !bild.load(QString::fromStdString(datei.string()))) {
        Prgbitmap->clear();
        Prgbitmap->hide();
        Hintergrundname.clear();
        return;
    }
    if (Kacheln) {
        QPixmap flaeche(size());
        QPainter maler(&flaeche);
        for (int i = 0; i <= width() / bild.width() + 1; ++i)
            for (int j = 0; j <= height() / bild.height() + 1; ++j)
                maler.drawImage(i * bild.width(), j * bild.height(), bild);
        maler.end();
        Prgbitmap->setPixmap(flaeche);
        Prgbitmap->setGeometry(rect());
    } else {
        Prgbitmap->setPixmap(QPixmap::fromImage(bild));
        Prgbitmap->resize(bild.size());
    }
    Prgbitmap->lower();
    Prgbitmap->show();
    Hintergrundname = name;
}

// ---------------------------------------------------------------------------------------
// Timers and progress

void THauptfenster::TimerObjekteAnhalten(bool Anhalten) {
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.ZeitgeberAnhalten(*this, Anhalten); });
}

void THauptfenster::TimerTick() {
    if (EffektAktiv) {
        Timer.setInterval(Timer.interval() + 500);
        return;
    }
    // A handler still runs (a modal window is open): the next tick tries again.
    if (BehandlungLaeuft()) return;
    Timer.stop();
    Navigation::GeheZuSeite(*this, AufgeschobeneSeite);
}

// ---------------------------------------------------------------------------------------
// Events and commands

void THauptfenster::EreignisAusloesen(int32_t Quelle, int EreignisNr) {
    Protokollieren("event " + std::to_string(Quelle) + " " + std::to_string(EreignisNr));
    EreignisVerteilen(Objekte.Kopf(), Quelle, EreignisNr);
}

void THauptfenster::Fensterbefehl(int Code, int32_t Argument) {
    BefehlSenden(this, FensterbefehlArt(), Code, Argument);
}

void THauptfenster::customEvent(QEvent* Ereignis) {
    if (Ereignis->type() != FensterbefehlArt()) return;
    const auto* befehl = static_cast<const TBefehl*>(Ereignis);
    Protokollieren("command window " + std::to_string(befehl->Code) + " " +
                   std::to_string(befehl->Parameter));
    BefehlAusfuehren(befehl->Code, befehl->Parameter);
}

void THauptfenster::BefehlAusfuehren(int Code, int32_t Argument) {
    switch (Code) {
    case FensterSeite:
        if (Argument > 0) Navigation::GeheZuSeite(*this, Argument);
        break;
    case FensterWeiter: Navigation::Weiter(*this); break;
    case FensterZurueck: Navigation::Zurueck(*this); break;
    case FensterAuswerten: Auswerten(); break;
    case FensterAuswertenUndSeite:
        if (Auswerten() && Argument > 0) Navigation::GeheZuSeite(*this, Argument);
        break;
    case FensterAuswertenUndWeiter:
        if (Auswerten()) Navigation::Weiter(*this);
        break;
    case FensterNeuesFenster: FensterOeffnen(Argument, Fensterart::Ohne); break;
    case FensterModalesFenster: FensterOeffnen(Argument, Fensterart::Modal); break;
    case FensterDialogfenster: FensterOeffnen(Argument, Fensterart::Dialog); break;
    case FensterDrucken: Drucken(); break;
    case FensterEreignis: EreignisAusloesen(0, Argument & 0xFFFF); break;
    case FensterVerlaufVor: Navigation::VerlaufVor(*this); break;
    case FensterVerlaufZurueck: Navigation::VerlaufZurueck(*this); break;
    default: break;
    }
}

// The evaluation walks the page's objects and may show its feedback in a modal window.
bool THauptfenster::Auswerten() {
    const TBehandlung auswertung(this);
    return Navigation::SeiteAuswerten(*this);
}

void THauptfenster::FensterOeffnen(int32_t Seite, Fensterart Art) {
    Rolle<TFensterdienst>().FensterOeffnen(*this, Seite, Art);
}

// The window's picture goes to the printer; without one into a PDF file in the lesson's
// working area (the lesson directory, or the working directory of a write-protected
// lesson), named after the page.
std::filesystem::path THauptfenster::Drucken() {
    const TLektionsorte& orte = Lektionsorte();
    const std::filesystem::path ablage =
        orte.SchreibgeschuetzteLektion ? orte.Arbeitsverzeichnis : orte.Lektionsverzeichnis;
    return BildDrucken(grab().toImage(), windowTitle(), ablage,
                       "Seite " + std::to_string(Seitenstand.Nummer));
}

// ---------------------------------------------------------------------------------------
// Mouse

void THauptfenster::FormMouseDown(QObject*, Qt::MouseButton Knopf, Qt::KeyboardModifiers, QPoint) {
    const TBehandlung maus(this);
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.MausGedrueckt(*this); });
    EreignisAusloesen(0, 101);
    if (Knopf == Qt::LeftButton) EreignisAusloesen(0, 111);
    if (Knopf == Qt::RightButton) EreignisAusloesen(0, 112);
}

void THauptfenster::FormMouseMove(QObject*, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {
    const TBehandlung maus(this);
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.MausBewegt(*this); });
    EreignisAusloesen(0, 102);
}

void THauptfenster::FormMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    const TBehandlung maus(this);
    EreignisAusloesen(0, 103);
}

void THauptfenster::mousePressEvent(QMouseEvent* Ereignis) {
    FormMouseDown(this, Ereignis->button(), Ereignis->modifiers(), Ereignis->pos());
}

void THauptfenster::mouseMoveEvent(QMouseEvent* Ereignis) {
    FormMouseMove(this, Ereignis->buttons(), Ereignis->modifiers(), Ereignis->pos());
}

void THauptfenster::mouseReleaseEvent(QMouseEvent* Ereignis) {
    FormMouseUp(this, Ereignis->button(), Ereignis->modifiers(), Ereignis->pos());
}

// The background picture passes its mouse input on with its own place added.
bool THauptfenster::HintergrundMaus(QEvent* Ereignis) {
    const QEvent::Type art = Ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseMove &&
        art != QEvent::MouseButtonRelease)
        return false;
    auto* maus = static_cast<QMouseEvent*>(Ereignis);
    const QPoint p = maus->pos() + Prgbitmap->pos();
    switch (art) {
    case QEvent::MouseButtonPress:
        FormMouseDown(this, maus->button(), maus->modifiers(), p);
        return true;
    case QEvent::MouseMove: FormMouseMove(this, maus->buttons(), maus->modifiers(), p); return true;
    case QEvent::MouseButtonRelease:
        FormMouseUp(this, maus->button(), maus->modifiers(), p);
        return true;
    default: return false;
    }
}

// ---------------------------------------------------------------------------------------
// Keyboard

bool THauptfenster::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == Prgbitmap) return HintergrundMaus(Ereignis);
    const QEvent::Type art = Ereignis->type();
    if (art != QEvent::KeyPress && art != QEvent::KeyRelease) return false;
    // Keys arrive at the focused control (or the window when none has the focus); one the
    // control ignores travels on to its parents and is not seen again there.
    auto* w = qobject_cast<QWidget*>(Objekt);
    QWidget* fokus = focusWidget();
    if (!w || w->window() != this || w != (fokus ? fokus : this)) return false;
    auto* taste = static_cast<QKeyEvent*>(Ereignis);
    const TBehandlung tastenbehandlung(this);
    if (art == QEvent::KeyRelease) {
        if (IstTab(*taste) && !taste->isAutoRepeat()) EreignisAusloesen(0, 1009);
        return false;
    }
    return TasteGedrueckt(taste);
}

bool THauptfenster::TasteGedrueckt(QKeyEvent* Taste) {
    EreignisAusloesen(0, 1000);
    const Qt::KeyboardModifiers m = Taste->modifiers();
    const bool altStrg = m.testFlag(Qt::AltModifier) && m.testFlag(Qt::ControlModifier);
    const int taste = Taste->key();
    if (taste == Qt::Key_Insert) {
        Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.Einfuegetaste(*this); });
    } else if (taste == Qt::Key_Left || taste == Qt::Key_Right) {
        Rasterrichtung = 0;
        Seitenteilnehmer(
            [&](TSeitenteilnehmer& t) { t.Pfeiltaste(*this, true, taste == Qt::Key_Right); });
    } else if (taste == Qt::Key_Up || taste == Qt::Key_Down) {
        Rasterrichtung = 1;
        Seitenteilnehmer(
            [&](TSeitenteilnehmer& t) { t.Pfeiltaste(*this, false, taste == Qt::Key_Down); });
    } else if (altStrg && (taste == Qt::Key_A || taste == Qt::Key_N)) {
        WerkzeugfensterZeigen(18);
    } else if (altStrg && taste == Qt::Key_T) {
        WerkzeugfensterZeigen(37);
    } else if (altStrg && taste == Qt::Key_S) {
        SeiteAbfragen();
    }
    int nr = 2000 + VirtuellerTastencode(taste, m);
    if (m.testFlag(Qt::AltModifier)) nr += 200;
    if (m.testFlag(Qt::ControlModifier)) nr += 400;
    if (m.testFlag(Qt::ShiftModifier)) nr += 800;
    EreignisAusloesen(0, nr);

    // The Tab key moves the focus and types nothing: its one event comes when it goes up.
    if (IstTab(*Taste)) return false;
    bool verbraucht = false;
    for (const QChar c : Taste->text()) {
        const std::string ansi = QStringNachAnsi(QString(c));
        const auto code = static_cast<unsigned char>(ansi.empty() ? 0 : ansi[0]);
        EreignisAusloesen(0, 1000 + code);
        if (code != 0 && ZeichenGenommen(static_cast<char>(code))) {
            Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
            verbraucht = true;
        }
    }
    return verbraucht;
}

bool THauptfenster::ZeichenGenommen(char Zeichen) {
    bool genommen = false;
    Seitenteilnehmer(
        [&](TSeitenteilnehmer& t) { genommen = t.Zeichen(*this, Zeichen) || genommen; });
    return genommen;
}

void THauptfenster::SeiteAbfragen() {
    std::string eingabe;
    if (!Dialoge().Eingabe("Bildschirmseite laden", "Geben Sie die Nummer der Bildschirmseite ein",
                           eingabe))
        return;
    const int32_t nr = Zahlen::Genau(eingabe).value_or(0);
    if (nr <= 0) return;
    if (!Navigation::SeiteVorhanden(nr)) {
        Meldung(98);
        return;
    }
    // The page is built once the key has been handled; its caption then gets the number.
    AbgefragteSeite = nr;
    Navigation::GeheZuSeite(*this, nr);
}

// ---------------------------------------------------------------------------------------
// Showing, moving, closing

void THauptfenster::moveEvent(QMoveEvent* Ereignis) {
    QWidget::moveEvent(Ereignis);
    GrenzenMerken();
}

void THauptfenster::resizeEvent(QResizeEvent* Ereignis) {
    QWidget::resizeEvent(Ereignis);
    GrenzenMerken();
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.GroesseGeaendert(*this); });
    EreignisAusloesen(0, 100);
}

void THauptfenster::showEvent(QShowEvent* Ereignis) {
    QWidget::showEvent(Ereignis);
    if (!Gezeigt) {
        Gezeigt = true;
        ErstesZeigen();
    }
}

void THauptfenster::SAPMarkerAnlegen() {
    SAPMarker = new QLabel(this);
    SAPMarker->setObjectName(QStringLiteral("SAPMarker"));
    SAPMarker->setAutoFillBackground(true);
    QPalette farben = SAPMarker->palette();
    farben.setColor(QPalette::Window, QColor(0, 0, 0x80));
    farben.setColor(QPalette::WindowText, Qt::white);
    SAPMarker->setPalette(farben);
    SAPMarker->setFont(QFont(QStringLiteral("Fixedsys")));
    SAPMarker->hide();
}

void THauptfenster::ErstesZeigen() {
    Rolle<TSeitenfensterwahl>().Aktuell = this;
    auto& liste = TFensterliste::Liste();
    const bool einziges = liste.Fensteranzahl() == 1;
    if (einziges) {
        move(0, 123);
        resize(800, 570);
        FensterpositionLaden(*this, Formtag);
        Fensterrechteck = QRect(pos(), size());
    }
    Prgbitmap->hide();
    StartseiteAufbauen();
    if (einziges) BefehlSenden(Hostformular(), HostbefehlArt(), HostVerbergen);
    const QSize schirm = Bildschirmgroesse();
    QPoint ecke = pos();
    if (ecke.x() > schirm.width() - 50) ecke.setX(0);
    if (ecke.y() > schirm.height() - 50) ecke.setY(0);
    move(ecke);
    Seitenteilnehmer([&](TSeitenteilnehmer& t) { t.GroesseGeaendert(*this); });
    Rolle<TSpielerstand>().FensterGezeigt = true;
    emit ErstmalsGezeigt();
}

void THauptfenster::StartseiteAufbauen() {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!seiten) return;
    if (seiten->Anzahl() == 0) {
        TDatensatz* erste = seiten->NeuerDatensatz(1);
        seiten->SchreibeText(erste, Feld::Seiten::State, "1");
        seiten->Speichern(erste);
        Navigation::SeiteWaehlen(*this, erste);
        return;
    }
    const int32_t start = StartseiteLesen();
    const int32_t parameter = Zahlen::Genau(Rolle<TSpielerstand>().Kommandozeilenseite).value_or(0);
    if (Startseite != 0) {
        Navigation::GeheZuSeite(*this, Startseite);
    } else if (parameter > 0) {
        Navigation::GeheZuSeite(*this, parameter);
    } else if (TDatensatz* s = Navigation::SeiteMitNummer(start)) {
        Navigation::SeiteWaehlen(*this, s);
    } else {
        Navigation::SeiteWaehlen(*this, seiten->Erster());
    }
}

void THauptfenster::closeEvent(QCloseEvent* Ereignis) {
    if (!Schliessbar) {
        Ereignis->ignore();
        BefehlSenden(Hostformular(), HostbefehlArt(), HostFensterSchliessen,
                     TFensterliste::Liste().Position(this));
        return;
    }
    FensterpositionSpeichern(*this, Formtag);
    Ereignis->accept();
}
