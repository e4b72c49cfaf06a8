#include "objects/texte/THText.h"

#include "objects/kern/Bilddateien.h"
#include "objects/kern/Farbblende.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/texte/Textdienste.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Schriften.h"
#include "store/Begriffe.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Meldungen.h"
#include "store/Objekttyp.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <unordered_map>

namespace {

constexpr int HandzeigerVerschiebbar = 12;
constexpr int Handzeiger = -21;
const QColor Grauton(0x80, 0x80, 0x80);

// Input fields, labels and system labels: the objects whose contents a text can show.
bool HatInhalt(int Typ) {
    return Typ == Objekttyp::Editfeld || Typ == Objekttyp::Label || Typ == Objekttyp::SystemLabel;
}

std::optional<std::string> Inhalt(const QWidget* Objekt) {
    if (const auto* feld = qobject_cast<const QLineEdit*>(Objekt))
        return QStringNachAnsi(feld->text());
    if (const auto* label = qobject_cast<const QLabel*>(Objekt))
        return QStringNachAnsi(label->text());
    return std::nullopt;
}

// The contents of object `Nr` of the page; when several entries carry the number the last
// in page order wins.
std::optional<std::string> Objektinhalt(TSeitenfenster* Fenster, int32_t Nr) {
    std::optional<std::string> inhalt;
    if (!Fenster) return inhalt;
    TiefDurchlaufen(Fenster->Objektliste(), [&](TObjektliste& e) {
        if (e.Nummer == Nr && HatInhalt(e.Typ) && e.Objekt)
            if (auto text = Inhalt(e.Objekt.data())) inhalt = std::move(text);
        return true;
    });
    return inhalt;
}

// A glossary word may carry one punctuation mark after it.
std::string_view OhneSatzzeichen(std::string_view Wort) {
    if (!Wort.empty() && std::string_view("!\",.:;?").find(Wort.back()) != std::string_view::npos)
        Wort.remove_suffix(1);
    return Wort;
}

bool SchonGefunden(const std::vector<THText::TBegriffstreffer>& Treffer, std::string_view Wort) {
    const QString wort = AnsiNachQString(Wort);
    for (const auto& t : Treffer)
        if (AnsiNachQString(t.Wort).compare(wort, Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool IstLeerzeichen(const std::vector<TToken>& Tokens, size_t i) {
    return i < Tokens.size() && Tokens[i].Art == TTokenart::Leerzeichen;
}

// A word as it is drawn: control characters inside it (a tab, a lone line feed, a carriage
// return before other text) take no room and show nothing.
QString Anzeigetext(const std::string& Wort) {
    QString text = AnsiNachQString(Wort);
    text.removeIf([](QChar Zeichen) { return Zeichen.unicode() < 0x20; });
    return text;
}

// The glyphs of `Text` side by side from the origin, each advanced by its whole-pixel
// width, as the lessons' platform sets text; `Breite` receives the width of the run.
QGlyphRun Glyphenlauf(const QRawFont& Roh, const QString& Text, int& Breite) {
    QGlyphRun lauf;
    lauf.setRawFont(Roh);
    QList<quint32> glyphen = Roh.glyphIndexesForString(Text);
    const QList<QPointF> vorschuebe = Roh.advancesForGlyphIndexes(glyphen);
    QList<QPointF> orte;
    orte.reserve(glyphen.size());
    qreal x = 0;
    for (const QPointF& v : vorschuebe) {
        orte.append(QPointF(x, 0));
        x += std::round(v.x());
    }
    Breite = static_cast<int>(x);
    lauf.setGlyphIndexes(glyphen);
    lauf.setPositions(orte);
    return lauf;
}

} // namespace

THText::THText(QWidget* Eltern)
    : THXPaintBox(Eltern), Color(Lektionsfarbe(65535)), Rahmenfarbe(Lektionsfarbe(0)),
      Schriftfarbe(Lektionsfarbe(0)), Verschiebung(*this, TVerschiebung::Art::MitZielbereichen),
      Schatten(*this) {
    resize(300, 100);
    TSchriftangaben grund;
    grund.Name = "Arial";
    grund.Groesse = 11;
    Schrift = Lektionsschrift(grund);
}

THText::~THText() = default;

void THText::TextNrSetzen(int Nr) {
    TextLaden(Nr);
    TextNr = Nr;
}

void THText::SetTempTextNr(int Nr) {
    TextLaden(Nr);
}

void THText::TextLaden(int32_t Nr) {
    TTabelle* texte = Tabelle(ArtTexte);
    TDatensatz* satz = texte ? texte->Datensatz(Nr) : nullptr;
    if (!satz) {
        Tokenliste.clear();
        Anzeigetexte.clear();
        return;
    }
    Zerlegen(texte->LeseTextPuffer(satz, Feld::Texte::Text).value_or(std::string()));
    update();
}

void THText::TextStringSetzen(const std::string& Text) {
    TextString = Text;
    Zerlegen(Text);
    show();
    update();
}

void THText::TextStringSetzen(const QString& Text) {
    TextStringSetzen(QStringNachAnsi(Text));
}

QString THText::TextStringLesen() const {
    return AnsiNachQString(TextString);
}

void THText::Zerlegen(std::string_view Text) {
    TPlatzhalterquellen quellen;
    quellen.Systemwert = [](int32_t Nr) { return Systemwert(Nr); };
    quellen.Datensatz = Datensatzinhalt;
    quellen.Objektinhalt = [this](int32_t Nr) { return Objektinhalt(Fenster(), Nr); };
    Tokenliste = TextZerlegen(Text, quellen);
    Anzeigetexte.clear();
    Anzeigetexte.reserve(Tokenliste.size());
    for (const TToken& t : Tokenliste)
        Anzeigetexte.push_back(t.Art == TTokenart::Wort ? Anzeigetext(t.Text)
                                                        : QString(QLatin1Char(' ')));
}

void THText::ColorSetzen(const QColor& Farbe) {
    Color = Farbe;
    update();
}

void THText::RandbreiteSetzen(int Breite) {
    Randbreite = Breite;
    update();
}

void THText::RahmenSetzen(bool An, const QColor& Farbe, int Breite) {
    Rahmen = An;
    Rahmenfarbe = Farbe;
    Rahmenbreite = Breite;
    update();
}

void THText::TransparentSetzen(bool Wert) {
    Transparent = Wert;
    SchattenPlatzieren();
    update();
}

void THText::VerschiebbarSetzen(bool Wert) {
    Verschiebung.VerschiebbarSetzen(Wert);
    MausWeiterleitung = Wert ? Weiterleitung::Keine : Weiterleitung::Alle;
    CursorSetzen(*this, Wert ? HandzeigerVerschiebbar : 0);
}

void THText::AbstandSetzen(int32_t Wert) {
    Abstand = Wert;
    SchattenPlatzieren();
}

void THText::GrundschriftSetzen(const QFont& Neu, const QColor& Farbe) {
    Schrift = Neu;
    Schnitte = {};
    Schriftfarbe = Farbe;
    update();
}

void THText::BildLaden() {
    Hintergrundbild = Bilddateien::BildLaden(Pfadname, Dateiname);
    update();
}

void THText::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Farbe: ColorSetzen(FeldFarbe(Tabelle, Satz, FeldId)); break;
    case Feld::Objekte::Dateiname:
        Pfadname = Tabelle.LeseText(Satz, Feld::Objekte::Pfadname);
        Dateiname = Tabelle.LeseText(Satz, FeldId);
        BildLaden();
        break;
    case Feld::Objekte::TextNr: TextNrSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Randbreite: RandbreiteSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Stiftfarbe:
        RahmenSetzen(Rahmen, FeldFarbe(Tabelle, Satz, FeldId), Rahmenbreite);
        break;
    case Feld::Objekte::Stiftbreite:
        RahmenSetzen(Rahmen, Rahmenfarbe, Tabelle.LeseZahl(Satz, FeldId));
        break;
    case Feld::Objekte::Schriftfarbe: {
        const TSchriftangaben angaben = Tabelle.LeseSchrift(Satz);
        GrundschriftSetzen(Lektionsschrift(angaben, Schrift), Lektionsfarbe(angaben.Farbe));
        break;
    }
    case Feld::Objekte::Hilfe: break; // texts have no tool tip
    case Feld::Objekte::Effekt_Anzeigen: EffektAnzeigen = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Effekt_Entfernen: EffektEntfernen = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Abstand: AbstandSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: SchalterAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THText::SchalterAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    const bool an = Tabelle.LeseSchalter(Satz, FeldId);
    switch (FeldId) {
    case Feld::Objekte::Hoehe_anpassen: HoeheAnpassen = an; break;
    case Feld::Objekte::Verschiebbar: VerschiebbarSetzen(an); break;
    case Feld::Objekte::Transparent: TransparentSetzen(an); break;
    case Feld::Objekte::Border: RahmenSetzen(an, Rahmenfarbe, Rahmenbreite); break;
    case Feld::Objekte::Auto_deaktivieren: AutoDeaktivieren = an; break;
    case Feld::Objekte::Lexikonfunktion: Lexikonfunktion = an; break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

QColor THText::AktuelleSchriftfarbe() const {
    if (Grau) return Grauton;
    return Blendfarbe.value_or(Schriftfarbe);
}

void THText::HintergrundZeichnen(QPainter& Maler) const {
    // A transparent text lets the page show through and has no frame.
    if (Transparent) return;
    if (!Hintergrundbild.isNull()) {
        Maler.drawImage(rect(), Hintergrundbild);
        return;
    }
    Maler.fillRect(rect(), Color);
    if (!Rahmen || Rahmenbreite < 0) return;
    // The pen runs along the object's edge, as wide as the frame, half of it outside.
    const qreal breite = std::max(Rahmenbreite, 1);
    const qreal halb = breite <= 1 ? 0.5 : 0.0;
    Maler.setPen(QPen(Rahmenfarbe, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Maler.setBrush(Qt::NoBrush);
    Maler.drawRect(QRectF(halb, halb, width() - 2 * halb, height() - 2 * halb));
}

const THText::TSchriftschnitt& THText::Schnitt(int Stil) {
    TSchriftschnitt& schnitt = Schnitte[Stil];
    if (!schnitt.Bereit) {
        schnitt.Schrift = Schrift;
        schnitt.Schrift.setBold(Stil & Fett);
        schnitt.Schrift.setItalic(Stil & Kursiv);
        schnitt.Schrift.setUnderline(Stil & Unterstrichen);
        schnitt.Roh = QRawFont::fromFont(schnitt.Schrift);
        const QFontMetrics masse(schnitt.Schrift);
        schnitt.Oberlaenge = masse.ascent();
        schnitt.Unterstreichung = masse.underlinePos();
        schnitt.Durchstreichung = masse.strikeOutPos();
        schnitt.Strichstaerke = std::max(masse.lineWidth(), 1);
        schnitt.Bereit = true;
    }
    return schnitt;
}

void THText::Anordnen(const std::function<void(const TWortlage&)>& Zeichnen) {
    Treffer.clear();
    if (Zeilenhoehe < 0) Zeilenhoehe = QFontMetrics(Schrift).height();
    const int rechts = width() - Randbreite;
    const int grundstil = (Schrift.bold() ? Fett : 0) | (Schrift.italic() ? Kursiv : 0) |
                          (Schrift.underline() ? Unterstrichen : 0);
    TWortlage lage;
    lage.Farbe = AktuelleSchriftfarbe();
    int stil = grundstil;
    int x = Randbreite;
    int y = Randbreite;
    // Each word is looked up in the glossary once per layout.
    std::unordered_map<std::string_view, bool> begriffe;
    const auto istBegriff = [&](std::string_view Wort) {
        const auto [eintrag, neu] = begriffe.try_emplace(Wort, false);
        if (neu) eintrag->second = BegriffSuchen(Wort) != nullptr;
        return eintrag->second;
    };

    for (size_t i = 0; i < Tokenliste.size(); ++i) {
        const TToken& token = Tokenliste[i];
        switch (token.Art) {
        case TTokenart::Fett: stil |= Fett; continue;
        case TTokenart::Kursiv: stil |= Kursiv; continue;
        case TTokenart::Unterstrichen: stil |= Unterstrichen; continue;
        case TTokenart::Normal:
            stil = grundstil;
            lage.Farbe = Blendfarbe.value_or(Schriftfarbe);
            continue;
        case TTokenart::Farbe: lage.Farbe = Lektionsfarbe(token.Farbe); continue;
        case TTokenart::Zeilenumbruch:
            x = Randbreite;
            y += Zeilenhoehe;
            continue;
        case TTokenart::Wort:
        case TTokenart::Leerzeichen: break;
        }
        if (Grau) lage.Farbe = Grauton;
        const TSchriftschnitt& schnitt = Schnitt(stil);
        lage.Text = Anzeigetexte[i];
        lage.Glyphen = Glyphenlauf(schnitt.Roh, lage.Text, lage.Breite);
        lage.Oberlaenge = schnitt.Oberlaenge;
        // A word too wide for the whole line runs past the margin rather than leaving an
        // empty line above it.
        if (x + lage.Breite > rechts && x > Randbreite) {
            x = Randbreite;
            y += Zeilenhoehe;
        }
        if (token.Art == TTokenart::Leerzeichen && x == Randbreite &&
            !(i > 0 && IstLeerzeichen(Tokenliste, i - 1)) && !IstLeerzeichen(Tokenliste, i + 1))
            continue; // a single space at the start of a line is dropped
        lage.Ort = QPoint(x, y);
        lage.Markiert = false;
        if (Lexikonfunktion && token.Art == TTokenart::Wort) {
            const std::string_view wort = OhneSatzzeichen(token.Text);
            if (istBegriff(wort) && !SchonGefunden(Treffer, wort)) {
                Treffer.push_back({std::string(wort), QRect(x, y, lage.Breite, Zeilenhoehe)});
                lage.Markiert = true;
            }
        }
        // A marked word is drawn underlined; the style of the words after it stays.
        lage.Stil = lage.Markiert ? stil | Unterstrichen : stil;
        lage.Schrift = Schnitt(lage.Stil).Schrift;
        Zeichnen(lage);
        x += lage.Breite;
    }
}

std::vector<THText::TWortlage> THText::Anordnung() {
    std::vector<TWortlage> woerter;
    Anordnen([&](const TWortlage& Lage) { woerter.push_back(Lage); });
    return woerter;
}

void THText::Rendern(QPainter& Maler) {
    HintergrundZeichnen(Maler);
    const int unten = height();
    QColor farbe;
    Anordnen([&](const TWortlage& Lage) {
        // Text below the lower edge is cut off.
        if (Lage.Ort.y() >= unten) return;
        if (Lage.Farbe != farbe) {
            Maler.setPen(Lage.Farbe);
            farbe = Lage.Farbe;
        }
        WortZeichnen(Maler, Lage);
    });
}

void THText::WortZeichnen(QPainter& Maler, const TWortlage& Lage) {
    const int grundlinie = Lage.Ort.y() + Lage.Oberlaenge;
    // A space shows only its underline or strike-out.
    if (Lage.Text != QLatin1String(" "))
        Maler.drawGlyphRun(QPointF(Lage.Ort.x(), grundlinie), Lage.Glyphen);
    const TSchriftschnitt& schnitt = Schnitt(Lage.Stil);
    const auto linie = [&](int y) {
        Maler.fillRect(Lage.Ort.x(), y, Lage.Breite, schnitt.Strichstaerke, Lage.Farbe);
    };
    if (schnitt.Schrift.underline()) linie(grundlinie + schnitt.Unterstreichung);
    if (schnitt.Schrift.strikeOut()) linie(grundlinie - schnitt.Durchstreichung);
}

void THText::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    Rendern(maler);
}

const THText::TBegriffstreffer* THText::TrefferBei(QPoint Punkt) const {
    for (const auto& t : Treffer) {
        const QRect& r = t.Rechteck;
        if (Punkt.x() >= r.x() && Punkt.x() <= r.x() + r.width() && Punkt.y() >= r.y() &&
            Punkt.y() <= r.y() + r.height())
            return &t;
    }
    return nullptr;
}

void THText::MausGedrueckt(QMouseEvent& Ereignis) {
    Verschiebung.Gedrueckt(Ereignis);
    if (IstVerschiebbar()) return;
    const TBegriffstreffer* treffer = TrefferBei(Ereignis.position().toPoint());
    if (!treffer) return;
    if (TDatensatz* begriff = BegriffSuchen(treffer->Wort))
        BegriffsfensterOeffnen(begriff, Ereignis.globalPosition().toPoint());
    else
        Fehlermeldung(6);
}

void THText::MausBewegt(QMouseEvent& Ereignis) {
    if (IstVerschiebbar()) {
        Verschiebung.Bewegt(Ereignis);
        return;
    }
    CursorSetzen(*this, TrefferBei(Ereignis.position().toPoint()) ? Handzeiger : 0);
}

void THText::ZeigenMitEffekt(bool Wert) {
    if (Wert && !isHidden()) return;
    const TEffektangaben effekt = EffektLesen(Wert ? EffektAnzeigen : EffektEntfernen);
    if (EffekteSpielbar(*this) && effekt.Vorhanden && effekt.Typ == EffektFarbblende) {
        const int schritte = effekt.Schritte < 1 ? 10 : effekt.Schritte;
        const QColor von = Wert ? Color : Schriftfarbe;
        const QColor nach = Wert ? Schriftfarbe : Color;
        Farbblende(von, nach, schritte, effekt.Geschwindigkeit, [&](const QColor& Farbe) {
            Blendfarbe = Farbe;
            if (Wert) show();
            repaint();
        });
        Blendfarbe.reset();
    }
    setVisible(Wert);
    update();
}

void THText::Verbergen() {
    hide();
    Schatten.Verbergen();
}

void THText::BleibtAufSeite() {
    if (!AutoDeaktivieren || Grau) return;
    Grau = true;
    update();
}

void THText::SchattenPlatzieren() {
    Schatten.Platzieren(Abstand, Transparent);
}

void THText::moveEvent(QMoveEvent* Ereignis) {
    THXPaintBox::moveEvent(Ereignis);
    SchattenPlatzieren();
}

void THText::resizeEvent(QResizeEvent* Ereignis) {
    THXPaintBox::resizeEvent(Ereignis);
    SchattenPlatzieren();
}

// The shadows follow the object being shown or hidden itself, whether its window is on the
// screen or not, and go with it to a new parent.
bool THText::event(QEvent* Ereignis) {
    switch (Ereignis->type()) {
    case QEvent::ShowToParent: SchattenPlatzieren(); break;
    case QEvent::HideToParent: Schatten.Verbergen(); break;
    case QEvent::ParentChange:
        Schatten.ElternFolgen();
        SchattenPlatzieren();
        break;
    default: break;
    }
    return THXPaintBox::event(Ereignis);
}
