#pragma once
// The input field with an edit mask of the form toolkit: typed characters are checked like
// those of every input field, the mask shapes what may be typed where.

#include "objects/eingabe/Editmaske.h"
#include "objects/eingabe/THEingabezeile.h"

class THMaskEdit : public THEingabezeile {
    Q_OBJECT
public:
    explicit THMaskEdit(QWidget* Eltern = nullptr);

    // Field 1272 in the toolkit's syntax.
    void EditMaskeSetzen(const QString& Maske);
    const TEditmaske& Maske() const { return Editmaske; }
    // The value as the lesson sees it: without the mask's literals when the mask says so.
    QString Wert() const;

protected:
    // 1259 and 1272, then the fields of every input line.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;

private:
    TEditmaske Editmaske;
};
