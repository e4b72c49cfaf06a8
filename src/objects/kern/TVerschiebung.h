#pragma once
// How a movable page object follows the mouse and where it lands. While the left button
// alone is held it follows the mouse, kept inside its parent's client area. Objects that
// work with target areas also empty the areas they lie in when pressed and, when released,
// fill every empty area that contains their centre, or else go back home.

#include <QPoint>

#include <vector>

class QMouseEvent;
class TSeitenobjekt;
class TZielbereich;

class TVerschiebung {
public:
    enum class Art { MitZielbereichen, OhneZielbereiche };

    TVerschiebung(TSeitenobjekt& Objekt, Art Modus) : Objekt(Objekt), Modus(Modus) {}

    bool Verschiebbar = false;

    void Gedrueckt(const QMouseEvent& Ereignis);
    void Bewegt(const QMouseEvent& Ereignis);
    void Losgelassen();

private:
    QPoint Mittelpunkt() const; // in the coordinates of the top-level window
    std::vector<TZielbereich*> Zielbereiche() const;
    bool Aufnehmen(TZielbereich& Bereich);

    TSeitenobjekt& Objekt;
    Art Modus;
    QPoint Druckpunkt;
};
