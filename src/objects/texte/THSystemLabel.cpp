#include "objects/texte/THSystemLabel.h"

#include "objects/kern/TObjektliste.h"
#include "objects/texte/Textdienste.h"
#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/Objekttyp.h"
#include "store/TTabelle.h"

THSystemLabel::THSystemLabel(QWidget* Eltern) : THXLabel(Eltern) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
}

void THSystemLabel::TextSetzen(const QString& Text) {
    if (Text == text()) return;
    setText(Text);
    Anpassen();
}

void THSystemLabel::WertZeigen() {
    // Values written from outside that nobody has written yet leave the text as it is.
    if (const auto wert = Systemwert(Anzeige, Ziel, Objektnummer))
        TextSetzen(AnsiNachQString(*wert));
}

void THSystemLabel::AnzeigeSetzen(int32_t Wert) {
    Anzeige = Wert;
    if (Anzeige != 0) WertZeigen();
}

void THSystemLabel::Aktualisieren() {
    if (Anzeige != 0) WertZeigen();
    if (Datensatznummer > 0) {
        DatensatzZeigen(Datensatznummer);
        Anpassen();
    }
}

void THSystemLabel::AlleAktualisieren(TObjektliste* Kopf) {
    TiefDurchlaufen(Kopf, [](TObjektliste& e) {
        if (e.Typ == Objekttyp::SystemLabel)
            if (auto* label = qobject_cast<THSystemLabel*>(e.Objekt.data())) label->Aktualisieren();
        return true;
    });
}

void THSystemLabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Objektnummer: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Anzeige: AnzeigeSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Sichtbar: Sichtbar = Tabelle.LeseSchalter(Satz, FeldId); break;
    // Fields 1217, 1279 and 1281 of the lesson label mean nothing here.
    default: BeschriftungsfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
