#include "objects/auswahl/THListBox.h"

#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Seitenglossar.h"
#include "objects/eingabe/Eingabedienste.h"
#include "objects/eingabe/TKindmaus.h"
#include "objects/kern/Feldregeln.h"
#include "platform/AnsiText.h"
#include "platform/Listenzeilen.h"
#include "store/Datensaetze.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QPointer>

THListBox::THListBox(QWidget* Eltern) : QListWidget(Eltern), TSeitenobjekt(this) {
    resize(121, 97);
    EintragsfarbeSetzen(*this, Qt::white);
    // Mouse input arrives at the list's viewport; it goes to the learner window from there.
    new TKindmaus(*this, *viewport());
    // After the list has finished with the click: the glossary may replace the entries.
    connect(this, &QListWidget::itemClicked, this, &THListBox::Klick, Qt::QueuedConnection);
}

void THListBox::EintraegeSetzen(const QStringList& Eintraege) {
    clear();
    addItems(Eintraege);
}

void THListBox::InhaltSetzen(const std::string& Inhalt) {
    GeladeneListe = Typ == Begriffsindex ? Glossarbegriffe() : Zeilen(Inhalt);
    EintraegeSetzen(GeladeneListe);
}

void THListBox::DatensatzAnzeigen(int32_t Nr) {
    Datensatznummer = Nr;
    if (const auto inhalt = Datensatzinhalt(Nr)) EintraegeSetzen(Zeilen(*inhalt));
}

void THListBox::AuswahlAufheben() {
    clearSelection();
    // A list of several choices keeps its first entry as the place of the keyboard.
    if (MehrfachAuswahl && count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
    else
        setCurrentRow(-1);
}

void THListBox::Klick() {
    const QPointer<QWidget> lebt(this);
    if ((Typ == Begriffsindex || Typ == Querverweisliste) && currentItem())
        SeitenglossarZeigen(*this, currentItem()->text());
    if (lebt) SystemanzeigenAuffrischen();
}

void THListBox::keyPressEvent(QKeyEvent* Ereignis) {
    // A choice made with the keys counts as a click, as the list's platform reports it.
    const int vorher = currentRow();
    QListWidget::keyPressEvent(Ereignis);
    if (currentRow() != vorher && currentRow() >= 0) Klick();
}

void THListBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case Feld::Objekte::Farbe: EintragsfarbeSetzen(*this, FeldFarbe(Tabelle, Satz, FeldId)); break;
    case Feld::Objekte::Aktiv: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Typ: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::Inhalt: InhaltSetzen(Tabelle.LeseText(Satz, FeldId)); break;
    case Feld::Objekte::Datensatznummer: DatensatzAnzeigen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::MehrfachAuswahl:
        MehrfachAuswahl = Tabelle.LeseSchalter(Satz, FeldId);
        setSelectionMode(MehrfachAuswahl ? ExtendedSelection : SingleSelection);
        break;
    case Feld::Objekte::Sortiert:
        Sortiert = Tabelle.LeseSchalter(Satz, FeldId);
        setSortingEnabled(Sortiert);
        if (Sortiert) sortItems();
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
