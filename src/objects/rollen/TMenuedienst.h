#pragma once
// Role: the menus of the lesson as the actions use them.

#include <QPoint>

#include <cstdint>

class TMenuedienst {
public:
    virtual ~TMenuedienst() = default;
    // Pop-up menu `Menuenummer` at a point of the screen.
    virtual void PopupmenueZeigen(int32_t /*Menuenummer*/, QPoint /*Bildschirmpunkt*/) {}
    // Every menu tree of the page repaints its progress marks.
    virtual void MenuebaeumeNeuZeichnen() {}
};
