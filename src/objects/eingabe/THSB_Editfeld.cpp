#include "objects/eingabe/THSB_Editfeld.h"

#include "objects/eingabe/Eingabedienste.h"
#include "objects/eingabe/Eingabefarbe.h"
#include "objects/eingabe/TKindmaus.h"
#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Schriften.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int16_t Auswahlfeldtyp = 54;
constexpr int Knopfbreite = 17;
constexpr int Textanfang = 19;
constexpr int32_t Dunkelblau = 0x800000;
constexpr int32_t Grau = 0xC0C0C0;

void Faerben(QWidget& Teil, const QColor& Grund, const QColor& Schrift) {
    EingabefarbeSetzen(Teil, Grund);
    SchriftfarbeSetzen(Teil, Schrift);
    Teil.setAutoFillBackground(true);
}

} // namespace

THSB_Editfeld::THSB_Editfeld(QWidget* Eltern)
    : THPanel(Eltern), Auswahlknopf(new QToolButton(this)), Form(new QWidget(this)),
      Textfeld(new QLineEdit(this)) {
    setFrameStyle(QFrame::NoFrame);
    Auswahlknopf->setCheckable(true);
    Textfeld->setReadOnly(true);
    Textfeld->setFrame(false);
    Textfeld->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(Auswahlknopf);
    new TKindmaus(*this, *Auswahlknopf);
    new TKindmaus(*this, *Textfeld);
    connect(Auswahlknopf, &QToolButton::clicked, this, &THSB_Editfeld::Geklickt);
    resize(150, 21);
    MarkiertSetzen(false);
}

void THSB_Editfeld::MarkiertSetzen(bool Wert) {
    Marke = Wert;
    Auswahlknopf->setChecked(Wert);
    const QColor grund = Lektionsfarbe(Wert ? Dunkelblau : Grau);
    const QColor schrift = Wert ? Qt::white : Qt::black;
    Faerben(*Form, grund, schrift);
    Faerben(*Textfeld, grund, schrift);
    const QImage glyph = Wert ? Bilddateien::BildLaden(Pfadname, Dateiname) : QImage();
    Auswahlknopf->setIcon(glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(glyph)));
}

void THSB_Editfeld::GruppeAufheben() {
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [this](TObjektliste& e) {
        auto* feld = e.Typ == Auswahlfeldtyp ? qobject_cast<THSB_Editfeld*>(e.Objekt) : nullptr;
        if (feld && feld != this && feld->GroupIndex == GroupIndex) feld->MarkiertSetzen(false);
        return true;
    });
}

void THSB_Editfeld::Geklickt(bool Unten) {
    GruppeAufheben();
    MarkiertSetzen(Unten);
    SystemanzeigenAuffrischen();
}

void THSB_Editfeld::Anordnen() {
    const int h = height();
    const int breite = width() - Textanfang + 1;
    Auswahlknopf->setGeometry(0, 0, Knopfbreite, h - 1);
    Form->setGeometry(Textanfang, 0, breite, h);
    Textfeld->setGeometry(Textanfang, 2, breite, h - 2);
}

void THSB_Editfeld::resizeEvent(QResizeEvent* Ereignis) {
    THPanel::resizeEvent(Ereignis);
    Anordnen();
}

void THSB_Editfeld::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        THPanel::FeldAnwenden(Tabelle, Satz, FeldId);
        setAccessibleName(BeschreibungText());
        Auswahlknopf->setAccessibleName(BeschreibungText());
        break;
    case Feld::Objekte::Dateiname: Dateiname = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Markiert: MarkiertSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Text:
        Textfeld->setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        break;
    case Feld::Objekte::Schriftfarbe:
        Textfeld->setFont(Lektionsschrift(Tabelle.LeseSchrift(Satz), Textfeld->font()));
        break;
    case Feld::Objekte::GroupIndex: GroupIndex = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Bewertung: Bewertung = Tabelle.LeseSchalter(Satz, FeldId); break;
    case Feld::Objekte::Pfadname:
        Pfadname = Tabelle.LeseText(Satz, FeldId);
        // The glyph of a field marked by its record comes with the full picture name.
        MarkiertSetzen(Marke);
        break;
    default: THPanel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
