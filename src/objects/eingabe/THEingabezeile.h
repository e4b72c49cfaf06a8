#pragma once
// The common base of the one-line input objects (input field and mask field): the fields
// they share, the check of typed characters against the allowed ones with its page events,
// the letter case, and the contents shown from a data record or a system value.

#include "objects/kern/TSeitenobjekt.h"

#include <QLineEdit>

#include <cstdint>
#include <optional>
#include <string>

class THEingabezeile : public QLineEdit, public TSeitenobjekt {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
public:
    explicit THEingabezeile(QWidget* Eltern = nullptr);

    std::string Anfangstext;     // 1221, Windows-1252
    std::string ErlaubteZeichen; // 1262; empty: every character is allowed
    bool GrossKleinEgal = true;  // 1235: answers compared without regard to case
    int32_t Anzeige = 0;         // 1259: system value shown
    int32_t Datensatznummer = 0; // 1268: data record shown
    std::string PasswortZeichen; // 1265; empty: the input is shown as typed

    // Raises page event `Nr` with this object as source.
    void Ereignis(int Nr);
    // The Windows-1252 code of the character a key press types; none for keys that type
    // nothing (arrows, function keys, Delete).
    static std::optional<unsigned char> GetipptesZeichen(const QKeyEvent& Taste);

protected:
    // 1201, 1209, 1221, 1235, 1236, 1241 to 1243, 1245, 1250, 1262, 1265, 1268, then the
    // common fields.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void keyPressEvent(QKeyEvent* Taste) override;
    // A typed character that passed the check; true when the class has dealt with it
    // itself, false lets the line edit insert it.
    virtual bool ZeichenBehandeln(QChar) { return false; }
    // The field shows system value `Nr`.
    void SystemwertZeigen(int32_t Nr);

private:
    void SchreibweiseAnwenden();
    void DatensatzZeigen(int32_t Nr);
    void DatensatzAuffrischen() override;

    int Schreibweise = 0; // 1236: 1 upper case, 2 lower case, else as typed
};
