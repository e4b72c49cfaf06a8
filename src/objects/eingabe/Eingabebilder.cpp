#include "objects/eingabe/Eingabebilder.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include <functional>

namespace {

QPixmap Malen(QSize Groesse, const std::function<void(QPainter&)>& Zeichnen) {
    QPixmap bild(Groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    Zeichnen(maler);
    return bild;
}

} // namespace

const QPixmap& Pflichtmarke() {
    static const QPixmap bild = Malen({8, 8}, [](QPainter& m) {
        m.setPen(QPen(Qt::red, 2));
        m.drawPolyline(QPolygon({QPoint(1, 4), QPoint(3, 6), QPoint(7, 1)}));
    });
    return bild;
}

const QPixmap& Markierungsbild() {
    static const QPixmap bild = Malen({9, 9}, [](QPainter& m) {
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::red);
        m.drawPolygon(QPolygon({QPoint(0, 0), QPoint(9, 0), QPoint(9, 9)}));
    });
    return bild;
}

const QPixmap& F4Pfeil() {
    static const QPixmap bild = Malen({8, 5}, [](QPainter& m) {
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::black);
        m.drawPolygon(QPolygon({QPoint(0, 0), QPoint(8, 0), QPoint(4, 5)}));
    });
    return bild;
}

const QPixmap& F4Taste() {
    static const QPixmap bild = Malen({20, 19}, [](QPainter& m) {
        m.setPen(QColor(0x80, 0x80, 0x80));
        m.setBrush(QColor(0xE8, 0xE8, 0xE8));
        m.drawRoundedRect(QRect(0, 0, 19, 18), 3, 3);
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPixelSize(9);
        schrift.setBold(true);
        m.setFont(schrift);
        m.setPen(Qt::black);
        m.drawText(QRect(0, 0, 20, 19), Qt::AlignCenter, QStringLiteral("F4"));
    });
    return bild;
}
