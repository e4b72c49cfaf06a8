#pragma once
// The common base of the painted page objects: a widget without a window of its own that
// paints itself.

#include "objects/kern/TSeitenobjekt.h"

#include <QWidget>

class THXPaintBox : public QWidget, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THXPaintBox(QWidget* Eltern = nullptr);

    bool Fensterlos() const override { return true; }
};
