#pragma once
// The combo box, also in the look of a simulated application screen. Entries of the form
// {n} show system value n; a text "#k" selects entry k. A change raises event 227, a
// drop-down event 228.

#include "objects/kern/TSeitenobjekt.h"

#include <QColor>
#include <QComboBox>

#include <cstdint>
#include <string>

class THSAPComboBox : public QComboBox, public TSeitenobjekt {
    Q_OBJECT
public:
    enum Darstellung { Standard = 0, Anwendung = 1, Eigengezeichnet = 2 };

    explicit THSAPComboBox(QWidget* Eltern = nullptr);

    int32_t Layout = Standard;
    bool ReadOnly = false;
    QColor Farbe = Qt::white;
    // The entries as loaded from the object record, system values not yet in place.
    QStringList GeladeneListe;
    // Field 1221: the text shown, or "#k" to select entry k.
    std::string Textanforderung;

    void showPopup() override;

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    bool Weiterleiten(QEvent::Type Art) const override;
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    void InhaltSetzen(const std::string& Inhalt);
    void TextanforderungAnwenden();
    void LayoutSetzen(int32_t Wert);
    void FarbeSetzen(const QColor& Wert);
    void StilSetzen(bool Eingabe);
    void Geaendert();
    void Ereignis(int Nr);
};
