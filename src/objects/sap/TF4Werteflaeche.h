#pragma once
// The value rows of an F4 value-help window, painted row by row: only the rows that lie in
// the exposed part are drawn, so a window of thousands of values opens at once.

#include <QColor>
#include <QWidget>

class TF4Werte;

class TF4Werteflaeche : public QWidget {
    Q_OBJECT
public:
    TF4Werteflaeche(const TF4Werte& Werte, QWidget* Eltern);

    // Fits the size to the values; called after they changed.
    void Anpassen();
    // Colours for screens of 8 bits per pixel or fewer.
    void WenigeFarben(bool Wert) { Wenige = Wert; }
    // The rectangle of value cell (`Zeile` from 1, `Spalte` from 0).
    QRect Zellrechteck(int Zeile, int Spalte) const;

signals:
    // The learner pressed a mouse button on a value cell.
    void ZelleGedrueckt(int Zeile, int Spalte);
    void Doppelklick();

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* Ereignis) override;

private:
    void ZelleDruecken(QPoint Punkt);

    const TF4Werte& Werte;
    bool Wenige = false;
};
