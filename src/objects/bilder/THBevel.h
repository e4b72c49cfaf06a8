#pragma once
// A frame on the page, drawn as an etched, lowered line.

#include "objects/kern/TSeitenobjekt.h"

#include <QFrame>

class THBevel : public QFrame, public TSeitenobjekt {
    Q_OBJECT
public:
    explicit THBevel(QWidget* Eltern = nullptr);

    bool Fensterlos() const override { return true; }
};
