#include "objects/kern/THXLabel.h"

#include "objects/kern/Farbblende.h"
#include "objects/kern/Feldregeln.h"
#include "platform/AnsiText.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

THXLabel::THXLabel(QWidget* Eltern) : QLabel(Eltern), TSeitenobjekt(this) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MausWeiterleitung = Weiterleitung::NurDruckenUndLoslassen;
}

void THXLabel::AusrichtungSetzen(int32_t Code) {
    Ausrichtung = Code;
    static const Qt::Alignment waagerecht[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    if (Code < 0 || Code > 2) return;
    setAlignment((alignment() & ~Qt::AlignHorizontal_Mask) | waagerecht[Code]);
}

void THXLabel::DatensatzZeigen(int32_t Nr) {
    Datensatznummer = Nr;
    if (const auto inhalt = Datensatzinhalt(Nr)) BeschriftungSetzen(AnsiNachQString(*inhalt));
}

void THXLabel::BeschriftungSetzen(const QString& Text) {
    setText(Text);
    BeschriftungGeaendert();
}

void THXLabel::DatensatzAuffrischen() {
    if (Datensatznummer > 0) DatensatzZeigen(Datensatznummer);
}

void THXLabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::Ausrichtung: AusrichtungSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Datensatznummer: DatensatzZeigen(Tabelle.LeseZahl(Satz, FeldId)); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THXLabel::GroesseanpassenSetzen(bool Wert) {
    Groesseanpassen = Wert;
    Anpassen();
}

void THXLabel::DurchsichtigSetzen(bool Wert) {
    Durchsichtig = Wert;
    setAutoFillBackground(!Wert);
    update();
}

void THXLabel::Anpassen() {
    if (Groesseanpassen) resize(sizeHint());
}

void THXLabel::BeschriftungsfeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Farbe:
        HintergrundfarbeSetzen(*this, FeldFarbe(Tabelle, Satz, FeldId));
        setAutoFillBackground(!Durchsichtig);
        break;
    case Feld::Objekte::AutoSize: GroesseanpassenSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Text:
        setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        Anpassen();
        break;
    case Feld::Objekte::Transparent: DurchsichtigSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe:
    case Feld::Objekte::Datensatznummer:
        THXLabel::FeldAnwenden(Tabelle, Satz, FeldId);
        Anpassen();
        break;
    default: THXLabel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THXLabel::ZeigenMitEffekt(bool Wert) {
    if (Wert && !isHidden()) return;
    if (!EffekteSpielbar(*this)) {
        setVisible(Wert);
        return;
    }
    if (EffektAnzeigen == 0 && EffektEntfernen == 0) return;
    const TEffektangaben effekt = EffektLesen(Wert ? EffektAnzeigen : EffektEntfernen);
    if (effekt.Vorhanden && effekt.Typ == EffektFarbblende) {
        const QColor hinter = palette().color(QPalette::Window);
        const QColor schrift = palette().color(QPalette::WindowText);
        Farbblende(Wert ? hinter : schrift, Wert ? schrift : hinter, Blendschritte,
                   effekt.Geschwindigkeit, [&](const QColor& Farbe) {
                       SchriftfarbeSetzen(*this, Farbe);
                       if (Wert) show();
                       repaint();
                   });
        SchriftfarbeSetzen(*this, schrift);
    }
    setVisible(Wert);
}
