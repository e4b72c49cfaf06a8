#pragma once
// A drop target of the page: a rectangle on which the learner drops movable texts, labels
// and pictures. It remembers the object lying on it, and every change of that refreshes the
// page's count of empty targets; a drop raises page event 224.

#include "objects/kern/THXPaintBox.h"
#include "objects/kern/TZielbereich.h"

#include <QColor>

class THZielBereich : public THXPaintBox, public TZielbereich {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
    Q_PROPERTY(int Belegung READ BelegungLesen)
public:
    explicit THZielBereich(QWidget* Eltern = nullptr);

    int BelegungLesen() const { return Belegung; }

    QRect Zielrechteck() const override;
    void ObjektAufgenommen() override;
    void BelegungGeaendert() override;

    QColor Farbe{128, 128, 128};
    bool Transparent = true;
    QColor Stiftfarbe = Qt::black;
    int Stiftbreite = 1; // 0: no frame

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;
};
