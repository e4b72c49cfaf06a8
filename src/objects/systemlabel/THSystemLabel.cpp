#include "objects/systemlabel/THSystemLabel.h"

#include "objects/TObjektliste.h"
#include "objects/Textdienste.h"
#include "platform/AnsiText.h"
#include "store/TTabelle.h"

namespace {
constexpr int SystemlabelTyp = 45;
} // namespace

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
        if (e.Typ == SystemlabelTyp)
            if (auto* label = qobject_cast<THSystemLabel*>(e.Objekt.data())) label->Aktualisieren();
        return true;
    });
}

void THSystemLabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1218: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1249: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1256: Objektnummer = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1259: AnzeigeSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case 1260: Sichtbar = Tabelle.LeseSchalter(Satz, FeldId); break;
    // Fields 1217, 1279 and 1281 of the lesson label mean nothing here.
    default: BeschriftungsfeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
