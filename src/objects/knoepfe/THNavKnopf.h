#pragma once
// The navigation buttons forward and back: with `Typ` 0 they step through the pages (or go
// to their target page), with `Typ` 1 through the window's history.

#include "objects/kern/THBitBtn.h"
#include "objects/knoepfe/Navigationslage.h"

#include <cstdint>

class THNavKnopf : public THBitBtn {
    Q_OBJECT
public:
    int32_t Ziel = 0;
    int32_t Typ = 0;    // 0 pages, 1 history; other values are kept
    int32_t Effekt = 0; // click effect (field 1279)

    void Klick();
    // Enabled as far as the step is possible; other `Typ` values leave the button as it is.
    virtual void NavigationSetzen(const TNavigationslage& Lage) = 0;

protected:
    THNavKnopf(QWidget* Eltern, QSize Groesse);
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    // The window command of a click by page (`Typ` 0) or through the history (`Typ` 1).
    virtual void BefehlSenden() = 0;
};

// "Forward": to the target page after evaluating the page, else the next page when the
// page is passed; or one step forward in the history.
class THNavWeiter : public THNavKnopf {
    Q_OBJECT
public:
    explicit THNavWeiter(QWidget* Eltern = nullptr);
    void NavigationSetzen(const TNavigationslage& Lage) override;

protected:
    void BefehlSenden() override;
};

// "Back": to the target page without evaluation, else the previous page; or one step back
// in the history.
class THNavZurueck : public THNavKnopf {
    Q_OBJECT
public:
    explicit THNavZurueck(QWidget* Eltern = nullptr);
    void NavigationSetzen(const TNavigationslage& Lage) override;

protected:
    void BefehlSenden() override;
};
