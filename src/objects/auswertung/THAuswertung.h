#pragma once
// An evaluation object of the page: never seen by the learner, it holds a condition on the
// choices made on the page (`sl`, one signed object number a line: +n chosen, -n not
// chosen), the attempt it takes part in (`Versuch`, 0: every one) and what happens when the
// condition holds (`Typ` with `TextNr`, `Objektnummer` and `Ziel`). The page evaluation
// judges it.

#include "objects/kern/THXPaintBox.h"

#include <QStringList>

#include <cstdint>

class THAuswertung : public THXPaintBox {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
    Q_PROPERTY(QStringList sl MEMBER sl)
    Q_PROPERTY(int TextNr MEMBER TextNr)
    Q_PROPERTY(int Ziel MEMBER Ziel)
    Q_PROPERTY(int Typ MEMBER Typ)
    Q_PROPERTY(int Versuch MEMBER Versuch)
    Q_PROPERTY(int Objektnummer MEMBER Objektnummer)
public:
    explicit THAuswertung(QWidget* Eltern = nullptr);

    QStringList sl;           // 1214, the condition entries
    int32_t TextNr = 0;       // 1211
    int32_t Ziel = 0;         // 1218
    int32_t Typ = 0;          // 1231, the evaluation function
    int32_t Versuch = 0;      // 1238
    int32_t Objektnummer = 0; // 1256

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
};
