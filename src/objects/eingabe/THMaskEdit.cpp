#include "objects/eingabe/THMaskEdit.h"

#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THMaskEdit::THMaskEdit(QWidget* Eltern) : THEingabezeile(Eltern) {}

void THMaskEdit::EditMaskeSetzen(const QString& Maske) {
    Editmaske = EditmaskeUebersetzen(Maske);
    setInputMask(Editmaske.Qtmaske);
}

QString THMaskEdit::Wert() const {
    if (Editmaske.LiteraleSpeichern || Editmaske.Qtmaske.isEmpty()) return text();
    const QChar leer = Editmaske.Qtmaske.back();
    return OhneLiterale(displayText(), Editmaske.Qtmaske).remove(leer);
}

void THMaskEdit::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Anzeige:
        Anzeige = Tabelle.LeseZahl(Satz, FeldId);
        if (Anzeige != 0) SystemwertZeigen(Anzeige);
        break;
    case Feld::Objekte::EditMaske:
        EditMaskeSetzen(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        break;
    default: THEingabezeile::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
