#include "objects/fortschritt/THLernfortschritt.h"

#include "objects/kern/Feldregeln.h"
#include "platform/Schriften.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct TTypangabe {
    THLernfortschritt::Art Darstellung;
    bool ProzentZeigen;
};

constexpr TTypangabe Typen[] = {
    {THLernfortschritt::Art::Senkrecht, true},  {THLernfortschritt::Art::Senkrecht, false},
    {THLernfortschritt::Art::Waagerecht, true}, {THLernfortschritt::Art::Waagerecht, false},
    {THLernfortschritt::Art::Torte, true},      {THLernfortschritt::Art::Torte, false},
    {THLernfortschritt::Art::Nadel, true},      {THLernfortschritt::Art::Nadel, false},
    {THLernfortschritt::Art::NurText, true},
};

} // namespace

THLernfortschritt::THLernfortschritt(QWidget* Eltern) : THXPaintBox(Eltern) {
    TSchriftangaben schrift;
    schrift.Name = "Arial";
    schrift.Groesse = 8;
    schrift.Fett = true;
    setFont(Lektionsschrift(schrift, font()));
    resize(100, 100);
}

void THLernfortschritt::ProzentSetzen(int Wert) {
    Prozent = std::clamp(Wert, 0, 100);
    update();
}

void THLernfortschritt::TypSetzen(int32_t Typ) {
    if (Typ < 0 || Typ >= static_cast<int32_t>(std::size(Typen))) return;
    Darstellung = Typen[Typ].Darstellung;
    ProzentZeigen = Typen[Typ].ProzentZeigen;
    update();
}

void THLernfortschritt::LayoutSetzen(int32_t Layout) {
    if (Layout == 0) {
        Rahmen = true;
    } else if (Layout == 1) {
        Vordergrund = QColor(214, 0, 106);
        Hintergrund = QColor(175, 183, 192);
        Rahmen = false;
    }
    update();
}

void THLernfortschritt::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Farbe: Hintergrund = FeldFarbe(Tabelle, Satz, FeldId); break;
    case Feld::Objekte::Typ: TypSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::Layout: LayoutSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: THXPaintBox::FeldAnwenden(Tabelle, Satz, FeldId); return;
    }
    update();
}

void THLernfortschritt::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing,
                        Darstellung == Art::Torte || Darstellung == Art::Nadel);
    QRect innen = rect();
    if (Rahmen) {
        maler.setPen(Qt::black);
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(innen.adjusted(0, 0, -1, -1));
        innen.adjust(1, 1, -1, -1);
    }
    Anzeige(maler, innen);
    if (ProzentZeigen) {
        maler.setPen(palette().color(QPalette::WindowText));
        maler.drawText(innen, Qt::AlignCenter, QStringLiteral("%1%").arg(Prozent));
    }
}

void THLernfortschritt::Anzeige(QPainter& Maler, const QRect& Innen) const {
    const double anteil = Prozent / 100.0;
    switch (Darstellung) {
    case Art::NurText: Maler.fillRect(Innen, Hintergrund); break;
    case Art::Waagerecht: {
        Maler.fillRect(Innen, Hintergrund);
        QRect voll = Innen;
        voll.setWidth(static_cast<int>(std::lround(Innen.width() * anteil)));
        Maler.fillRect(voll, Vordergrund);
        break;
    }
    case Art::Senkrecht: {
        Maler.fillRect(Innen, Hintergrund);
        const int hoehe = static_cast<int>(std::lround(Innen.height() * anteil));
        Maler.fillRect(QRect(Innen.left(), Innen.bottom() - hoehe + 1, Innen.width(), hoehe),
                       Vordergrund);
        break;
    }
    case Art::Torte:
        Maler.setPen(Qt::black);
        Maler.setBrush(Hintergrund);
        Maler.drawEllipse(Innen.adjusted(0, 0, -1, -1));
        Maler.setBrush(Vordergrund);
        // Clockwise from twelve o'clock.
        Maler.drawPie(Innen.adjusted(0, 0, -1, -1), 90 * 16, -static_cast<int>(5760 * anteil));
        break;
    case Art::Nadel: {
        // A half dial standing on the bottom edge; the needle turns from left to right.
        Maler.fillRect(Innen, palette().color(QPalette::Window));
        const QRect skala(Innen.left(), Innen.top(), Innen.width() - 1, 2 * Innen.height() - 2);
        Maler.setPen(Qt::black);
        Maler.setBrush(Hintergrund);
        Maler.drawPie(skala, 0, 180 * 16);
        const QPointF mitte(skala.center().x(), Innen.bottom());
        const double winkel = std::numbers::pi * (1.0 - anteil);
        Maler.setPen(QPen(Vordergrund, 2));
        Maler.drawLine(mitte, mitte + QPointF(std::cos(winkel) * skala.width() / 2.0,
                                              -std::sin(winkel) * (Innen.height() - 1)));
        break;
    }
    }
}
