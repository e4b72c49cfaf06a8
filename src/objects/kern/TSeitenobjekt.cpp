#include "objects/kern/TSeitenobjekt.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/Fokusmarke.h"
#include "objects/kern/TBehandlung.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

bool IstMausereignis(QEvent::Type Art) {
    return Art == QEvent::MouseButtonPress || Art == QEvent::MouseButtonDblClick ||
           Art == QEvent::MouseMove || Art == QEvent::MouseButtonRelease;
}

bool IstTaste(QEvent::Type Art) {
    return Art == QEvent::KeyPress || Art == QEvent::KeyRelease;
}

// Enter (main or keypad) and Space act on a clickable object; with Ctrl or Alt they are
// the window's keys.
bool IstKlicktaste(const QKeyEvent& Taste) {
    const int k = Taste.key();
    const bool klick = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
    return klick && !(Taste.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool IstDruck(QEvent::Type Art) {
    return Art == QEvent::MouseButtonPress || Art == QEvent::MouseButtonDblClick;
}

} // namespace

// Takes the control's mouse input before Qt hands it to the control, so that the page
// object decides the order: the control's own handling, the object's, the window's. Keys
// reach the control as before, only marked as a running handler of the window.
class TSeitenobjekt::Mausfilter : public QObject {
public:
    explicit Mausfilter(TSeitenobjekt& Objekt) : Objekt(Objekt) {}

    bool eventFilter(QObject* Ziel, QEvent* Ereignis) override {
        if (Ziel != Objekt.Selbst) return false;
        if (IstTaste(Ereignis->type())) {
            Objekt.Tastenereignis(*static_cast<QKeyEvent*>(Ereignis));
            return true;
        }
        if (!IstMausereignis(Ereignis->type())) return false;
        // A disabled control takes no mouse input; Qt passes it to the parent.
        if (!Objekt.Selbst->isEnabled()) return false;
        Objekt.MausEreignis(*static_cast<QMouseEvent*>(Ereignis));
        return true;
    }

private:
    TSeitenobjekt& Objekt;
};

TSeitenobjekt::TSeitenobjekt(QWidget* Selbst)
    : Selbst(Selbst), Besitzer(AktuellesSeitenfenster()),
      Filter(std::make_unique<Mausfilter>(*this)) {
    Selbst->installEventFilter(Filter.get());
    // The learner window hears every mouse move over an object, not only while dragging.
    Selbst->setMouseTracking(true);
}

// The filter goes with the object it calls; it leaves the control's filters on its own.
TSeitenobjekt::~TSeitenobjekt() = default;

TSeitenobjekt* TSeitenobjekt::Von(const QWidget* Steuerelement) {
    return dynamic_cast<TSeitenobjekt*>(const_cast<QWidget*>(Steuerelement));
}

QString TSeitenobjekt::BeschreibungText() const {
    return AnsiNachQString(Beschreibung);
}

void TSeitenobjekt::BeschreibungTextSetzen(const QString& Text) {
    Beschreibung = QStringNachAnsi(Text);
}

void TSeitenobjekt::FeldUebernehmen(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (!Satz) Satz = Tabelle.Datensatz(Tag);
    if (Satz) FeldAnwenden(Tabelle, Satz, FeldId);
}

void TSeitenobjekt::AlleFelderUebernehmen(TTabelle& Tabelle, TDatensatz* Satz) {
    if (!Satz) Satz = Tabelle.Datensatz(Tag);
    if (!Satz) return;
    for (uint16_t feld = Feld::Objekte::Beschreibung; feld <= Feld::Objekte::Lexikonfunktion;
         ++feld)
        FeldAnwenden(Tabelle, Satz, feld);
}

void TSeitenobjekt::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung: Beschreibung = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Links:
        Heimat.setX(Tabelle.LeseKoordinate(Satz, FeldId));
        Selbst->move(Heimat.x(), Selbst->y());
        break;
    case Feld::Objekte::Oben:
        Heimat.setY(Tabelle.LeseKoordinate(Satz, FeldId));
        Selbst->move(Selbst->x(), Heimat.y());
        break;
    case Feld::Objekte::Breite:
        Selbst->resize(Tabelle.LeseKoordinate(Satz, FeldId), Selbst->height());
        break;
    case Feld::Objekte::Hoehe:
        Selbst->resize(Selbst->width(), Tabelle.LeseKoordinate(Satz, FeldId));
        break;
    case Feld::Objekte::Hilfe: HinweisSetzen(*Selbst, Tabelle.LeseText(Satz, FeldId)); break;
    default: break;
    }
}

void TSeitenobjekt::ZeigenMitEffekt(bool Wert) {
    Selbst->setVisible(Wert);
}

void TSeitenobjekt::Verbergen() {
    Selbst->hide();
}

bool TSeitenobjekt::Weiterleiten(QEvent::Type Art) const {
    switch (MausWeiterleitung) {
    case Weiterleitung::Alle: return true;
    case Weiterleitung::NurDruckenUndLoslassen: return Art != QEvent::MouseMove;
    case Weiterleitung::Keine: return false;
    }
    return false;
}

void TSeitenobjekt::Tastenereignis(QKeyEvent& Ereignis) {
    const TBehandlung behandlung(Besitzer);
    if (Anklickbar() && IstKlicktaste(Ereignis)) {
        Ereignis.accept();
        if (Ereignis.type() == QEvent::KeyPress && !Ereignis.isAutoRepeat()) TastenKlick();
        return;
    }
    // A key the control leaves alone still travels on to its parents, as without this.
    static_cast<QObject*>(Selbst)->event(&Ereignis);
}

void TSeitenobjekt::TabstoppSetzen(bool Wert) {
    Selbst->setFocusPolicy(Wert ? Qt::TabFocus : Qt::NoFocus);
}

void TSeitenobjekt::FokusmarkeZeichnen(QPainter& Maler) const {
    ::FokusmarkeZeichnen(Maler, *Selbst);
}

void TSeitenobjekt::MausEreignis(QMouseEvent& Ereignis) {
    // Whatever the control does with it, the input stays with the object and does not
    // travel on to its parents: the object passes it on itself.
    Ereignis.accept();
    const TBehandlung behandlung(Besitzer);
    const QPointer<QWidget> lebt(Selbst);
    const QEvent::Type art = Ereignis.type();
    // Where the mouse is on the window, before a drag moves the object under it.
    const QPoint imFenster = Ereignis.position().toPoint() + Selbst->pos();
    if (EigeneBehandlungZuerst(art)) static_cast<QObject*>(Selbst)->event(&Ereignis);
    if (!lebt) return;
    const bool fensterZuerst = FensterZuerst(art);
    if (fensterZuerst && Weiterleiten(art)) AnFensterWeiterleiten(Ereignis, imFenster);
    if (!lebt) return;
    EigeneMausreaktion(Ereignis);
    if (!lebt) return;
    if (!fensterZuerst && Weiterleiten(art)) AnFensterWeiterleiten(Ereignis, imFenster);
    Ereignis.accept();
}

void TSeitenobjekt::EigeneMausreaktion(QMouseEvent& Ereignis) {
    switch (Ereignis.type()) {
    case QEvent::MouseButtonDblClick:
        Doppelklick(Ereignis);
        MausGedrueckt(Ereignis);
        break;
    case QEvent::MouseButtonPress: MausGedrueckt(Ereignis); break;
    case QEvent::MouseMove: MausBewegt(Ereignis); break;
    case QEvent::MouseButtonRelease: MausLosgelassen(Ereignis); break;
    default: break;
    }
}

void TSeitenobjekt::AnFensterWeiterleiten(const QMouseEvent& Ereignis, QPoint ImFenster) {
    if (!Besitzer) return;
    const auto art = Ereignis.type();
    if (IstDruck(art))
        Besitzer->FormMouseDown(Selbst, Ereignis.button(), Ereignis.modifiers(), ImFenster);
    else if (art == QEvent::MouseMove)
        Besitzer->FormMouseMove(Selbst, Ereignis.buttons(), Ereignis.modifiers(), ImFenster);
    else
        Besitzer->FormMouseUp(Selbst, Ereignis.button(), Ereignis.modifiers(), ImFenster);
}

void FensterloseNachUnten(QWidget& Eltern, TObjektliste* Liste) {
    // The list knows which controls are page objects without asking each child; objects that
    // left the page are hidden and wait only for their deletion.
    std::vector<QWidget*> gefenstert;
    ObenDurchlaufen(Liste, [&](TObjektliste& e) {
        const TSeitenobjekt* objekt = e.Seitenobjekt();
        QWidget* w = e.Objekt.data();
        if (objekt && w->parentWidget() == &Eltern && !objekt->Fensterlos())
            gefenstert.push_back(w);
        return true;
    });
    if (gefenstert.empty()) return;
    // Raised in their present order, so that among themselves they keep it.
    const QObjectList& kinder = Eltern.children();
    std::unordered_map<const QObject*, qsizetype> platz;
    platz.reserve(static_cast<size_t>(kinder.size()));
    for (qsizetype i = 0; i < kinder.size(); ++i)
        platz.emplace(kinder[i], i);
    std::sort(gefenstert.begin(), gefenstert.end(),
              [&](const QWidget* a, const QWidget* b) { return platz[a] < platz[b]; });
    for (QWidget* w : gefenstert)
        w->raise();
}
