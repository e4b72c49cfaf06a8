#include "objects/eingabe/THEditfeld.h"

#include "objects/eingabe/Eingabebilder.h"
#include "objects/eingabe/Eingabedienste.h"
#include "objects/eingabe/Eingabefarbe.h"
#include "objects/eingabe/THF4Button.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr uint16_t Objektnummer = 1500;
constexpr uint16_t Stringliste = 1501;
constexpr uint16_t AnswerCode = 1502;
constexpr uint16_t TextNr = 1503;
constexpr uint16_t Versuche = 1504;

constexpr int32_t Bildschirmfarbe = 0xE8F8F8; // application-screen field, not focused
constexpr int32_t Fokusfarbe = 0x9EF0FF;      // application-screen field, focused
constexpr int F4Gehoert = 220;
constexpr int RechteMaus = 112;
constexpr int Betreten = 216;
constexpr int Verlassen = 217;

// The answer-code records of field `Nr`, in table order.
template <class Tun> void AntwortsaetzeDurchlaufen(int32_t Nr, Tun&& Besuch) {
    TTabelle* codes = Tabelle(ArtAntwortcodes);
    if (!codes) return;
    const std::string nummer = std::to_string(Nr);
    for (TDatensatz* s = codes->Erster(); s; s = s->Naechster)
        if (codes->LeseText(s, Objektnummer) == nummer && !Besuch(*codes, s)) return;
}

QStringList Zeilen(const std::string& Liste) {
    QString text = AnsiNachQString(Liste);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

QLabel* Bildkind(QWidget* Eltern, const QPixmap& Bild) {
    auto* kind = new QLabel(Eltern);
    kind->setPixmap(Bild);
    kind->resize(Bild.size());
    kind->setAttribute(Qt::WA_TransparentForMouseEvents);
    kind->hide();
    return kind;
}

} // namespace

THEditfeld::THEditfeld(QWidget* Eltern)
    : THEingabezeile(Eltern), Marke(Bildkind(this, ::Pflichtmarke())),
      Markierer(Bildkind(this, ::Markierungsbild())) {
    Marke->move(2, 3);
}

THEditfeld::~THEditfeld() {
    delete Rahmenform.data();
    delete Knopf.data();
}

// ---------------------------------------------------------------------------------------
// Attempts and the answer check

void THEditfeld::VersucheGesamtSetzen(int32_t Wert) {
    Gesamt = Wert;
    Rest = Wert;
}

void THEditfeld::VersucheU1Setzen(int32_t Wert) {
    Unerwartet = Wert;
    if (Wert <= 0) Rest = 0;
}

void THEditfeld::VersucheLSetzen(int32_t Wert) {
    Leer = Wert;
    if (Wert <= 0) Rest = 0;
}

void THEditfeld::AntwortlisteAufbauen() {
    Antworten.clear();
    AntwortsaetzeDurchlaufen(Tag, [this](TTabelle& Codes, TDatensatz* Satz) {
        Antworten.insert(Antworten.begin(), TACListe{Codes.LeseText(Satz, AnswerCode),
                                                     Codes.LeseZahl(Satz, Versuche)});
        return true;
    });
}

void THEditfeld::ZaehlerstandSetzen(const TZaehlerstand& Stand) {
    Gesamt = Stand.Gesamt;
    Unerwartet = Stand.Unerwartet;
    Leer = Stand.Leer;
    Rest = Stand.Rest;
    Rueckmeldung = Stand.Rueckmeldung;
    Antworten = Stand.Antworten;
}

bool THEditfeld::HatAntwortcodes() const {
    bool gefunden = false;
    AntwortsaetzeDurchlaufen(Tag, [&](TTabelle&, TDatensatz*) {
        gefunden = true;
        return false;
    });
    return gefunden;
}

std::string THEditfeld::AntwortPruefen() {
    Rueckmeldung = 0;
    if (text().isEmpty()) {
        Rueckmeldung = TextNrLeer;
        VersucheLSetzen(Leer - 1);
        return "leer";
    }
    --Rest;
    std::string code = AntwortSuchen();
    if (code.empty()) code = "unerwartet";
    AntwortZaehlen(code);
    if (code == "unerwartet") VersucheU1Setzen(Unerwartet - 1);
    return code;
}

std::string THEditfeld::AntwortSuchen() {
    const auto vergleichbar = [this](const QString& Text) {
        return GrossKleinEgal ? Text.toUpper() : Text;
    };
    const QString eingabe = vergleichbar(text());
    std::string code;
    AntwortsaetzeDurchlaufen(Tag, [&](TTabelle& Codes, TDatensatz* Satz) {
        for (const QString& zeile : Zeilen(Codes.LeseText(Satz, Stringliste))) {
            if (vergleichbar(zeile) != eingabe) continue;
            code = Codes.LeseText(Satz, AnswerCode);
            Rueckmeldung = Codes.LeseZahl(Satz, TextNr);
        }
        return code.empty();
    });
    return code;
}

void THEditfeld::AntwortZaehlen(const std::string& Code) {
    for (TACListe& eintrag : Antworten) {
        if (eintrag.AnswerCode != Code) continue;
        if (--eintrag.Versuche <= 0) {
            Rest = 0;
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Marks, layout and the F4 help

void THEditfeld::MussFeldSetzen(bool Wert) {
    Pflicht = Wert;
    Marke->setVisible(Wert && !hasFocus());
}

void THEditfeld::MarkierungSetzen(bool Wert) {
    Markiert = Wert;
    Markierer->move(width() - 11, 1);
    Markierer->setVisible(Wert);
}

void THEditfeld::RahmenSetzen(bool Sichtbar) {
    if (!Sichtbar) {
        if (Rahmenform) Rahmenform->hide();
        return;
    }
    if (!Rahmenform && parentWidget()) {
        Rahmenform = new QWidget(parentWidget());
        Rahmenform->setAutoFillBackground(true);
        QPalette weiss = Rahmenform->palette();
        weiss.setColor(QPalette::Window, Qt::white);
        Rahmenform->setPalette(weiss);
    }
    if (!Rahmenform) return;
    Rahmenform->setGeometry(geometry().adjusted(-1, -1, 1, 1));
    Rahmenform->stackUnder(this);
    Rahmenform->show();
}

void THEditfeld::LayoutSetzen(int32_t Wert) {
    F4KnopfEntfernen();
    Layout = Wert;
    if (Wert == 0) {
        RahmenSetzen(false);
    } else if (Wert == 1) {
        setFrame(false);
        EingabefarbeSetzen(*this, Lektionsfarbe(Bildschirmfarbe));
        resize(width(), 17);
        RahmenSetzen(true);
    }
}

void THEditfeld::F4KnopfAnlegen() {
    if (Knopf || !parentWidget() || (Layout != 0 && Layout != 1)) return;
    Knopf = new THF4Button(parentWidget(), Layout == 1);
    if (Layout == 0) Knopf->resize(16, height() + 1);
    Knopf->move(x() + width() + 1, y() - 1);
    connect(Knopf.data(), &QToolButton::clicked, this, &THEditfeld::F4HilfeOeffnen);
    Knopf->show();
}

void THEditfeld::F4KnopfEntfernen() {
    if (!Knopf) return;
    Knopf->hide();
    // The button may be the one whose click is running.
    Knopf->deleteLater();
    Knopf = nullptr;
}

void THEditfeld::F4HilfeOeffnen() {
    const QPointer<THEditfeld> lebt(this);
    if (F4FensterNr > 0) F4FensterOeffnen(Tag);
    if (lebt) Ereignis(F4Gehoert);
}

// ---------------------------------------------------------------------------------------
// Typing, focus and mouse

bool THEditfeld::ZeichenBehandeln(QChar Zeichen) {
    const int stelle = hasSelectedText() ? selectionStart() : cursorPosition();
    if (!Ueberschreiben || stelle >= text().size()) return false;
    if (!isReadOnly()) {
        QString neu = text();
        neu[stelle] = Zeichen;
        setText(neu);
    }
    setCursorPosition(stelle + 1);
    return true;
}

void THEditfeld::keyPressEvent(QKeyEvent* Taste) {
    if (Taste->key() == Qt::Key_F4 && Taste->modifiers() == Qt::NoModifier && F4Hilfe) {
        Taste->accept();
        F4HilfeOeffnen();
        return;
    }
    THEingabezeile::keyPressEvent(Taste);
}

void THEditfeld::focusInEvent(QFocusEvent* Ereignis) {
    THEingabezeile::focusInEvent(Ereignis);
    if (Layout == 1) {
        EingabefarbeSetzen(*this, Lektionsfarbe(Fokusfarbe));
        Marke->hide();
    }
    if (Markiert) Markierer->hide();
    if (F4Hilfe) F4KnopfAnlegen();
    this->Ereignis(Betreten);
}

void THEditfeld::focusOutEvent(QFocusEvent* Ereignis) {
    THEingabezeile::focusOutEvent(Ereignis);
    if (Layout == 1) EingabefarbeSetzen(*this, Lektionsfarbe(Bildschirmfarbe));
    // The mark shows whether the mandatory field still lacks its answer.
    Marke->setVisible(Pflicht && text().isEmpty());
    if (Markiert) Markierer->show();
    if (F4Hilfe) F4KnopfEntfernen();
    this->Ereignis(Verlassen);
}

void THEditfeld::MausGedrueckt(QMouseEvent& Ereignis) {
    PopuppunktMerken(Ereignis.globalPosition().toPoint());
    if (Ereignis.button() == Qt::RightButton) this->Ereignis(RechteMaus);
}

// ---------------------------------------------------------------------------------------
// Fields

void THEditfeld::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    AntwortlisteAufbauen();
    switch (FeldId) {
    case Feld::Objekte::Markiert: MarkierungSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Mussfeld: MussFeldSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::TextNr_unerwartet: TextNrUnerwartet = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::TextNr_leer: TextNrLeer = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Winkel: VersucheGesamtSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Versuch: VersucheU1Setzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Versuche_leer: VersucheLSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::F4_Hilfe: F4Hilfe = Tabelle.LeseSchalter(Satz, FeldId); break;
    case Feld::Objekte::F4_FensterNr: F4FensterNr = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Anzeige:
        Anzeige = Tabelle.LeseZahl(Satz, FeldId);
        if (Anfangstext.empty() && Anzeige != 0)
            SystemwertZeigen(Anzeige);
        else if (Anfangstext.empty())
            clear();
        break;
    case Feld::Objekte::UeberschreibModus:
        Ueberschreiben = Tabelle.LeseSchalter(Satz, FeldId);
        break;
    case Feld::Objekte::Layout: LayoutSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: THEingabezeile::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
