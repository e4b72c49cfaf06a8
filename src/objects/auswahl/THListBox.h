#pragma once
// The list box: entries from its field, from a data record or, as a glossary index, every
// glossary term. A click on a glossary index or cross-reference list shows the term in the
// page's in-page glossary.

#include "objects/kern/TSeitenobjekt.h"

#include <QListWidget>

#include <cstdint>
#include <string>

class THListBox : public QListWidget, public TSeitenobjekt {
    Q_OBJECT
public:
    enum Art { Einfach = 0, Begriffsindex = 1, Querverweisliste = 2 };

    explicit THListBox(QWidget* Eltern = nullptr);

    int32_t Typ = Einfach;
    int32_t Datensatznummer = 0;
    bool MehrfachAuswahl = false;
    bool Sortiert = false;
    // The entries as loaded from the object record.
    QStringList GeladeneListe;

    void EintraegeSetzen(const QStringList& Eintraege);
    // The entries become the lines of data record `Nr`, when it exists; the number is kept.
    void DatensatzAnzeigen(int32_t Nr);
    // No entry is chosen any more.
    void AuswahlAufheben();

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void keyPressEvent(QKeyEvent* Ereignis) override;

private:
    void InhaltSetzen(const std::string& Inhalt);
    void Klick();
};
