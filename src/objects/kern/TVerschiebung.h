#pragma once
// How a movable page object follows the mouse and where it lands. While the left button
// alone is held it follows the mouse, kept inside its parent's client area. Objects that
// work with target areas also empty the areas they lie in when pressed and, when released,
// fill every empty area that contains their centre, or else go back home.
// The keyboard does the same without a mouse: a movable object is a Tab stop, Space picks
// it up, the arrow keys carry it (with Shift in bigger steps), Space puts it down through
// the very code of a mouse release, and Escape sends it home.

#include <QPoint>
#include <Qt>

#include <memory>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class TSeitenobjekt;
class TZielbereich;

class TVerschiebung {
public:
    enum class Art { MitZielbereichen, OhneZielbereiche };

    // Steps of the arrow keys in pixels, alone and with Shift.
    static constexpr int Schritt = 5;
    static constexpr int GrosserSchritt = 25;

    TVerschiebung(TSeitenobjekt& Objekt, Art Modus);
    ~TVerschiebung();
    TVerschiebung(const TVerschiebung&) = delete;
    TVerschiebung& operator=(const TVerschiebung&) = delete;

    bool IstVerschiebbar() const { return Verschiebbar; }
    // A movable object takes the keyboard focus with Tab; otherwise the object's own focus
    // rule holds again.
    void VerschiebbarSetzen(bool Wert);
    // Picked up by the keyboard and not yet put down.
    bool Getragen() const { return Tragend; }

    void Gedrueckt(const QMouseEvent& Ereignis);
    void Bewegt(const QMouseEvent& Ereignis);
    void Losgelassen();

private:
    class Tastenfilter;
    bool Taste(const QKeyEvent& Ereignis);
    void Aufheben();
    void Ablegen();
    void NachHause();
    void Versetzen(QPoint Lage);
    QPoint Mittelpunkt() const; // in the coordinates of the top-level window
    std::vector<TZielbereich*> Zielbereiche() const;
    bool Aufnehmen(TZielbereich& Bereich);

    TSeitenobjekt& Objekt;
    Art Modus;
    bool Verschiebbar = false;
    bool Tragend = false;
    Qt::FocusPolicy EigeneFokusregel = Qt::NoFocus;
    QPoint Druckpunkt;
    std::unique_ptr<Tastenfilter> Filter;
};
