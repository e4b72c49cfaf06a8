#pragma once
// The status line of a simulated application screen: five sunken parts (message,
// connection, server, overwrite mode, clock) along the bottom of the learner window. It
// shows and sets the program-wide overwrite mode.

#include "objects/kern/THPanel.h"

#include <QColor>
#include <QTimer>

class QLabel;

class THSAPStatuszeile : public THPanel {
    Q_OBJECT
public:
    explicit THSAPStatuszeile(QWidget* Eltern = nullptr);

    // The line shows "OVR" (true) or "INS"; the program-wide mode becomes `Wert`, every input
    // field of the page takes it, and system labels that show the mode refresh.
    void ModusSetzen(bool Wert);
    bool Modus() const { return Ueberschreiben; }
    // Places the line along the bottom of the window it lies on.
    void Anordnen();
    void UeberschreibmodusUebernehmen() override;

    QLabel* Meldungsteil() const { return Meldung; }
    QLabel* Verbindungsteil() const { return Verbindung; }
    QLabel* Serverteil() const { return Server; }
    QLabel* Modusteil() const { return Modusfeld; }
    QLabel* Uhrteil() const { return Uhr; }
    QColor Farbe() const { return Zeilenfarbe; }

protected:
    // 1208 (height), 1209 (colour of every part), 1221 (message), then 1201 and 1252; the
    // line places itself, so the other place fields mean nothing.
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    QLabel* TeilAnlegen(const QString& Text, Qt::Alignment Ausrichtung);
    void TeileAnordnen();
    void FarbenSetzen();
    void MeldungSetzen(const QString& Text);
    void UhrStellen();

    QLabel* Meldung;
    QLabel* Verbindung;
    QLabel* Server;
    QLabel* Modusfeld;
    QLabel* Uhr;
    QColor Zeilenfarbe;
    QString Meldungstext;
    QTimer Sekundentakt;
    bool Ueberschreiben = true;
};
