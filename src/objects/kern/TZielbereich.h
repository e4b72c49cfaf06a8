#pragma once
// A target area of a page, into which the learner drops movable objects. The target-area
// class implements it; movable objects find the areas of their page through it.

#include <QRect>

#include <cstdint>

class TZielbereich {
public:
    virtual ~TZielbereich() = default;

    int32_t Belegung = 0;    // number of the object lying on the area, 0 when empty
    int32_t Ausrichtung = 0; // 1: a dropped object is centred on the area

    // The area in the coordinates of its top-level window.
    virtual QRect Zielrechteck() const = 0;
    // An object has just been dropped onto the area (the area raises event 224).
    virtual void ObjektAufgenommen() = 0;
    // The occupation has changed (the page's count of empty areas with it).
    virtual void BelegungGeaendert() {}

    // Puts object `Nr` on the area (0 empties it) and tells who needs to know.
    void BelegungSetzen(int32_t Nr) {
        Belegung = Nr;
        BelegungGeaendert();
        if (Nr != 0) ObjektAufgenommen();
    }
};
