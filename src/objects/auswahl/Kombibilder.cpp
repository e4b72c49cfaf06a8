#include "objects/auswahl/Kombibilder.h"

#include <QPainter>
#include <QPolygon>

namespace {
constexpr int Symbolgroesse = 16;

QPixmap LeeresSymbol() {
    QPixmap bild(Symbolgroesse, Symbolgroesse);
    bild.fill(Qt::transparent);
    return bild;
}
} // namespace

QPixmap Pfeilbild(const QColor& Grund, int Breite, int Hoehe) {
    QPixmap bild(std::max(Breite, 1), std::max(Hoehe, 1));
    bild.fill(Grund);
    QPainter maler(&bild);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::black);
    const QPoint mitte(Breite / 2, Hoehe / 2);
    maler.drawPolygon(
        QPolygon({mitte + QPoint(-4, -2), mitte + QPoint(4, -2), mitte + QPoint(0, 2)}));
    return bild;
}

QPixmap Webbild() {
    QPixmap bild = LeeresSymbol();
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(0, 0, 160), 1));
    maler.setBrush(QColor(120, 170, 255));
    maler.drawEllipse(1, 1, 13, 13);
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(5, 1, 5, 13);
    maler.drawLine(1, 7, 14, 7);
    return bild;
}

QPixmap Uebertragungsbild() {
    QPixmap bild = LeeresSymbol();
    QPainter maler(&bild);
    maler.setPen(QPen(QColor(0, 110, 0), 2));
    maler.drawLine(3, 5, 12, 5);
    maler.drawLine(9, 2, 12, 5);
    maler.drawLine(3, 11, 12, 11);
    maler.drawLine(3, 11, 6, 14);
    return bild;
}
