#include "objects/auswahl/THListBox.h"

#include "objects/Feldregeln.h"
#include "objects/TSeitenfenster.h"
#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Auswahlumgebung.h"
#include "objects/auswahl/Seitenglossar.h"
#include "platform/AnsiText.h"
#include "platform/Listenzeilen.h"
#include "store/Datensaetze.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

THListBox::THListBox(QWidget* Eltern) : QListWidget(Eltern), TSeitenobjekt(this) {
    resize(121, 97);
    EintragsfarbeSetzen(*this, Qt::white);
    viewport()->setMouseTracking(true);
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

bool THListBox::viewportEvent(QEvent* Ereignis) {
    const QEvent::Type art = Ereignis->type();
    const bool maus = art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick ||
                      art == QEvent::MouseMove || art == QEvent::MouseButtonRelease;
    const QPointer<QWidget> lebt(this);
    const bool ergebnis = QListWidget::viewportEvent(Ereignis);
    TSeitenfenster* fenster = Fenster();
    if (!maus || !lebt || !fenster) return ergebnis;
    const auto& e = *static_cast<QMouseEvent*>(Ereignis);
    const QPoint imFenster = viewport()->mapTo(this, e.position().toPoint()) + pos();
    if (art == QEvent::MouseMove)
        fenster->FormMouseMove(this, e.buttons(), e.modifiers(), imFenster);
    else if (art == QEvent::MouseButtonRelease)
        fenster->FormMouseUp(this, e.button(), e.modifiers(), imFenster);
    else
        fenster->FormMouseDown(this, e.button(), e.modifiers(), imFenster);
    return ergebnis;
}

void THListBox::keyPressEvent(QKeyEvent* Ereignis) {
    // A choice made with the keys counts as a click, as the list's platform reports it.
    const int vorher = currentRow();
    QListWidget::keyPressEvent(Ereignis);
    if (currentRow() != vorher && currentRow() >= 0) Klick();
}

void THListBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case 1201:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case 1209: EintragsfarbeSetzen(*this, FeldFarbe(Tabelle, Satz, FeldId)); break;
    case 1224: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1231: Typ = Tabelle.LeseZahl(Satz, FeldId); break;
    case 1245: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case 1264: InhaltSetzen(Tabelle.LeseText(Satz, FeldId)); break;
    case 1268: DatensatzAnzeigen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case 1269:
        MehrfachAuswahl = Tabelle.LeseSchalter(Satz, FeldId);
        setSelectionMode(MehrfachAuswahl ? ExtendedSelection : SingleSelection);
        break;
    case 1271:
        Sortiert = Tabelle.LeseSchalter(Satz, FeldId);
        setSortingEnabled(Sortiert);
        if (Sortiert) sortItems();
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
