#pragma once
// The multi-line input field. `Typ` 1 keeps it to one line (Enter and pasted line breaks
// are refused); `Typ` 2 makes it a note sheet that comes to the front in yellow when
// clicked, the page's other memos turning white.

#include "objects/kern/TSeitenobjekt.h"

#include <QPlainTextEdit>

#include <cstdint>
#include <string>

class THMemo : public QPlainTextEdit, public TSeitenobjekt {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
public:
    explicit THMemo(QWidget* Eltern = nullptr);

    int32_t Typ = 0;          // 1231
    int32_t ScrollBalken = 0; // 1263
    int32_t Ausrichtung = 0;  // 1266
    std::string Dateiname;    // 1210

    void ScrollBalkenSetzen(int32_t Wert);
    void AusrichtungSetzen(int32_t Wert);
    // Loads the lines from the lesson directory + `Pfadname` + `Dateiname`; a file that
    // cannot be read leaves them as they are.
    void ZeilenLaden(const std::string& Pfadname);
    // Memo fields show as soon as they are created.
    bool SofortSichtbar() const override { return true; }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void keyPressEvent(QKeyEvent* Taste) override;

private:
    void Geaendert();
    void NachVorn();

    QString VorigerText;
    bool Prueft = false;
};
