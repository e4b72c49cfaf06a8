#pragma once
// The rubber-band area: the learner drags a rectangle over it; its start and end, size,
// direction and the objects inside it are values that system labels show. The area raises
// the mouse events of the page itself instead of passing its mouse input on.

#include "objects/kern/THXPaintBox.h"

#include <QLabel>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <string>

class THFunktion : public THXPaintBox {
    Q_OBJECT
public:
    explicit THFunktion(QWidget* Eltern = nullptr);
    ~THFunktion() override;

    int32_t Layout = 0; // 0 with Shift and the left button, 1 with the left button alone
    QPoint Start;
    QPoint Ende;
    bool Ziehen = false;
    bool Benutzt = false; // a mouse button went down on it: its values stand

    // Where the drag went: "mitte", "rechts", "rechts oben", "oben", ... "rechts unten".
    std::string Richtung() const;
    // What the label says for the direction.
    QString Bezeichnung() const;
    // The value of a system label showing display kind `Anzeige` (220 to 228) of this area.
    std::string Systemwert(int Anzeige) const;

    QWidget* Frame() const { return Rahmen; }
    QLabel* Schrift() const { return Beschriftung; }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;
    void MausBewegt(QMouseEvent& Ereignis) override;
    void MausLosgelassen(QMouseEvent& Ereignis) override;

private:
    void Zeichnen();
    void Melden(int EreignisNr);
    // The dragged rectangle in the coordinates of the window.
    QRect Gezogen() const;

    QPointer<QWidget> Rahmen;
    QPointer<QLabel> Beschriftung;
};
