#pragma once
// The progress gauge: shows the learner's progress through the lesson as a bar, a pie, a
// needle or a bare percentage.

#include "objects/kern/THXPaintBox.h"

#include <QColor>

#include <cstdint>

class THLernfortschritt : public THXPaintBox {
    Q_OBJECT
    Q_PROPERTY(int Prozent READ ProzentLesen)
public:
    enum class Art { NurText, Waagerecht, Senkrecht, Torte, Nadel };

    explicit THLernfortschritt(QWidget* Eltern = nullptr);

    // The progress to show, 0 to 100.
    void ProzentSetzen(int Wert);
    int ProzentLesen() const { return Prozent; }
    // Field 1231: kind and percentage text; other values keep both.
    void TypSetzen(int32_t Typ);
    // Field 1287: 0 a single border; 1 magenta on grey without border; others keep the look.
    void LayoutSetzen(int32_t Layout);

    Art Darstellung = Art::Senkrecht;
    bool ProzentZeigen = true;
    QColor Vordergrund{0, 128, 0};
    QColor Hintergrund{Qt::white};
    bool Rahmen = true;

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    void Anzeige(class QPainter& Maler, const QRect& Innen) const;

    int Prozent = 0;
};
