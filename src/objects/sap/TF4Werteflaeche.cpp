#include "objects/sap/TF4Werteflaeche.h"

#include "objects/sap/TF4Werte.h"
#include "platform/Farben.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int32_t Aktivfarbe = 0xD1D1A7;
constexpr int32_t AktivfarbeWenige = 0x808000;
constexpr int32_t Auswahlfarbe = 0x800000;
} // namespace

TF4Werteflaeche::TF4Werteflaeche(const TF4Werte& Werte, QWidget* Eltern)
    : QWidget(Eltern), Werte(Werte) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TF4Werteflaeche::Anpassen() {
    resize(Werte.Gesamtbreite(), Werte.Wertezeilen() * TF4Werte::Zeilenhoehe);
    update();
}

QRect TF4Werteflaeche::Zellrechteck(int Zeile, int Spalte) const {
    return QRect(Werte.SpalteLinks(Spalte), (Zeile - 1) * TF4Werte::Zeilenhoehe,
                 Werte.Spaltenbreite(Spalte), TF4Werte::Zeilenhoehe);
}

void TF4Werteflaeche::paintEvent(QPaintEvent* Ereignis) {
    QPainter maler(this);
    const QRect frei = Ereignis->rect();
    maler.fillRect(frei, Qt::white);
    const int erste = std::max(frei.top() / TF4Werte::Zeilenhoehe + 1, 1);
    const int letzte = std::min(frei.bottom() / TF4Werte::Zeilenhoehe + 1, Werte.Zeilen() - 1);
    const QColor aktiv = Lektionsfarbe(Wenige ? AktivfarbeWenige : Aktivfarbe);
    for (int z = erste; z <= letzte; ++z) {
        for (int s = 0; s < Werte.Spalten(); ++s) {
            const QRect zelle = Zellrechteck(z, s);
            if (!zelle.intersects(frei)) continue;
            const bool gewaehlt = z == Werte.GewaehlteZeile() && s == Werte.GewaehlteSpalte();
            const QColor grund = gewaehlt ? Lektionsfarbe(Auswahlfarbe)
                                          : (Werte.AktiveSpalte(s) ? aktiv : QColor(Qt::white));
            maler.fillRect(zelle, grund);
            maler.setPen(gewaehlt ? Qt::white : Qt::black);
            maler.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter, Werte.Zelltext(z, s));
        }
    }
}

void TF4Werteflaeche::mousePressEvent(QMouseEvent* Ereignis) {
    ZelleDruecken(Ereignis->position().toPoint());
    setFocus();
}

void TF4Werteflaeche::mouseDoubleClickEvent(QMouseEvent* Ereignis) {
    // The press before it has chosen the cell already, unless the platform sent none.
    ZelleDruecken(Ereignis->position().toPoint());
    emit Doppelklick();
}

void TF4Werteflaeche::ZelleDruecken(QPoint Punkt) {
    int zeile = 0;
    int spalte = 0;
    if (Werte.ZelleBei(Punkt.x(), Punkt.y(), zeile, spalte)) emit ZelleGedrueckt(zeile, spalte);
}
