#include "objects/bereiche/THFunktion.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TSystemwertdienst.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Mauszeiger.h"
#include "platform/Schriften.h"
#include "store/Feldnummern.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int32_t Blau = 0xFF0000; // as a lesson colour, 0x00BBGGRR

// The frame of the dragged rectangle: an outline that lets the page show through.
class TRahmen : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

THFunktion::THFunktion(QWidget* Eltern)
    : THXPaintBox(Eltern), Rahmen(new TRahmen(Eltern)), Beschriftung(new QLabel(Eltern)) {
    MausWeiterleitung = Weiterleitung::Keine;
    Rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    Rahmen->hide();
    Beschriftung->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(PixelgroesseAusPunkten(10));
    Beschriftung->setFont(schrift);
    Beschriftung->hide();
}

THFunktion::~THFunktion() {
    // Frame and label lie on the parent, which may outlive the area.
    delete Rahmen.data();
    delete Beschriftung.data();
}

std::string THFunktion::Richtung() const {
    const int dx = Ende.x() - Start.x();
    const int dy = Ende.y() - Start.y();
    const char* waagerecht = dx > 0 ? "rechts" : dx < 0 ? "links" : "";
    const char* senkrecht = dy < 0 ? "oben" : dy > 0 ? "unten" : "";
    if (!*waagerecht && !*senkrecht) return "mitte";
    if (!*waagerecht) return senkrecht;
    if (!*senkrecht) return waagerecht;
    return std::string(waagerecht) + " " + senkrecht;
}

QString THFunktion::Bezeichnung() const {
    const std::string richtung = Richtung();
    if (richtung == "rechts oben") return QStringLiteral("Kleiner");
    if (richtung == "rechts unten") return QStringLiteral("Größer");
    if (richtung == "links oben") return QStringLiteral("Letzte Ansicht");
    if (richtung == "links unten") return QStringLiteral("Abbrechen");
    return QStringLiteral("Zentrieren");
}

QRect THFunktion::Gezogen() const {
    const QPoint ecke = RechteckImFenster(*this).topLeft();
    return QRect(ecke + Start, QSize(Ende.x() - Start.x(), Ende.y() - Start.y())).normalized();
}

std::string THFunktion::Systemwert(int Anzeige) const {
    switch (Anzeige) {
    case 220: return std::to_string(Start.x());
    case 221: return std::to_string(Start.y());
    case 222: return std::to_string(Ende.x());
    case 223: return std::to_string(Ende.y());
    case 224: return std::to_string(Ende.x() - Start.x());
    case 225: return std::to_string(Ende.y() - Start.y());
    case 226: return Richtung();
    default: break;
    }
    if (Anzeige != 227 && Anzeige != 228) return {};
    const QRect gezogen = Gezogen();
    std::string nummern;
    int anzahl = 0;
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [&](TObjektliste& e) {
        if (!e.Objekt || e.Objekt == this) return true;
        const QRect r = RechteckImFenster(*e.Objekt);
        if (r.left() > gezogen.left() && r.top() > gezogen.top() && r.right() < gezogen.right() &&
            r.bottom() < gezogen.bottom()) {
            if (anzahl++) nummern += ",";
            nummern += std::to_string(e.Nummer);
        }
        return true;
    });
    return Anzeige == 227 ? nummern : std::to_string(anzahl);
}

void THFunktion::Zeichnen() {
    const int dx = Ende.x() - Start.x();
    const int dy = Ende.y() - Start.y();
    // A drag to the left or upwards is framed from its other corner.
    Rahmen->setGeometry(QRect(pos() + Start, QSize(dx, dy)).normalized());
    Rahmen->show();
    Rahmen->raise();
    if (Layout != 0) return;
    Beschriftung->setText(Bezeichnung());
    Beschriftung->adjustSize();
    Beschriftung->move(x() + Start.x() + dx / 2, y() + Start.y() + dy / 2 - Beschriftung->height());
    Beschriftung->show();
    Beschriftung->raise();
}

void THFunktion::Melden(int EreignisNr) {
    const QPointer<QWidget> lebt(this);
    if (EreignisNr != 103) Rolle<TSystemwertdienst>().SystemanzeigenAktualisieren();
    TSeitenfenster* fenster = Fenster();
    if (lebt && fenster) fenster->EreignisAusloesen(Tag, EreignisNr);
}

void THFunktion::MausGedrueckt(QMouseEvent& Ereignis) {
    Start = Ende = Ereignis.position().toPoint();
    Benutzt = true;
    const bool links = Ereignis.button() == Qt::LeftButton;
    const bool umschalt = Ereignis.modifiers() & Qt::ShiftModifier;
    Ziehen = links && ((Layout == 0 && umschalt) || Layout == 1);
    if (Ziehen) Zeichnen();
    Melden(101);
}

void THFunktion::MausBewegt(QMouseEvent& Ereignis) {
    if (Ziehen) {
        Ende = Ereignis.position().toPoint();
        Zeichnen();
    }
    Melden(102);
}

void THFunktion::MausLosgelassen(QMouseEvent& Ereignis) {
    Rahmen->hide();
    Beschriftung->hide();
    // Every mouse up ends the band where it happens, dragged or not.
    Ende = Ereignis.position().toPoint();
    Ziehen = false;
    Melden(103);
}

void THFunktion::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(Lektionsfarbe(Blau));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

void THFunktion::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Cursor: setCursor(Objektcursor(Tabelle.LeseZahl(Satz, FeldId))); break;
    case Feld::Objekte::Layout: Layout = Tabelle.LeseZahl(Satz, FeldId); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
