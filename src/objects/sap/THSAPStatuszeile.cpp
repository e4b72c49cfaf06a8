#include "objects/sap/THSAPStatuszeile.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TUeberschreibmodus.h"
#include "objects/texte/THSystemLabel.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Schriften.h"
#include "platform/TUhr.h"
#include "store/Feldnummern.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

#include <QLabel>

#include <algorithm>

namespace {
constexpr int Zeilenhoehe = 15;
constexpr int Uhrbreite = 40;
constexpr int Modusbreite = 30;
constexpr int Serverbreite = 55;
constexpr int Verbindungsbreite = 75;
constexpr int32_t Meldungsfarbe = 0x907F50;
constexpr int Moduswert = 1003; // the system value that tells the overwrite mode

QColor Grau() {
    return QColor(0xC0, 0xC0, 0xC0);
}

void TeilFaerben(QLabel& Teil, const QColor& Grund, const QColor& Schrift) {
    QPalette p = Teil.palette();
    p.setColor(QPalette::Window, Grund);
    p.setColor(QPalette::WindowText, Schrift);
    Teil.setPalette(p);
}
} // namespace

THSAPStatuszeile::THSAPStatuszeile(QWidget* Eltern)
    : THPanel(Eltern), Meldung(TeilAnlegen({}, Qt::AlignLeft | Qt::AlignVCenter)),
      Verbindung(TeilAnlegen(QStringLiteral("PC4(1)(200)"), Qt::AlignCenter)),
      Server(TeilAnlegen(QStringLiteral("U8PTE"), Qt::AlignCenter)),
      Modusfeld(TeilAnlegen({}, Qt::AlignCenter)), Uhr(TeilAnlegen({}, Qt::AlignCenter)),
      Zeilenfarbe(Grau()) {
    setFrameStyle(QFrame::NoFrame);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(PixelgroesseAusPunkten(9));
    setFont(schrift);
    Meldung->setAccessibleName(QStringLiteral("Statusmeldung"));
    resize(width(), Zeilenhoehe);
    FarbenSetzen();
    MeldungSetzen({});
    // A new line shows the mode the program is in, without handing it on yet.
    Ueberschreiben = Rolle<TUeberschreibmodus>().Ueberschreiben;
    Modusfeld->setText(Ueberschreiben ? QStringLiteral("OVR") : QStringLiteral("INS"));
    connect(&Sekundentakt, &QTimer::timeout, this, &THSAPStatuszeile::UhrStellen);
    Sekundentakt.start(1000);
    UhrStellen();
    Anordnen();
}

QLabel* THSAPStatuszeile::TeilAnlegen(const QString& Text, Qt::Alignment Ausrichtung) {
    auto* teil = new QLabel(Text, this);
    teil->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    teil->setLineWidth(1);
    teil->setAlignment(Ausrichtung);
    teil->setAutoFillBackground(true);
    // The line itself hears the mouse and forwards it once.
    teil->setAttribute(Qt::WA_TransparentForMouseEvents);
    return teil;
}

void THSAPStatuszeile::ModusSetzen(bool Wert) {
    Ueberschreiben = Wert;
    Modusfeld->setText(Wert ? QStringLiteral("OVR") : QStringLiteral("INS"));
    Rolle<TUeberschreibmodus>().Ueberschreiben = Wert;
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [Wert](TObjektliste& e) {
        if (auto* feld = qobject_cast<THEditfeld*>(e.Objekt.data()))
            feld->UeberschreibModusSetzen(Wert);
        auto* label = qobject_cast<THSystemLabel*>(e.Objekt.data());
        if (label && label->Anzeige == Moduswert) label->Aktualisieren();
        return true;
    });
}

void THSAPStatuszeile::UeberschreibmodusUebernehmen() {
    ModusSetzen(Rolle<TUeberschreibmodus>().Ueberschreiben);
}

void THSAPStatuszeile::Anordnen() {
    const QWidget* eltern = parentWidget();
    if (!eltern) return;
    setGeometry(0, eltern->height() - height(), std::max(0, eltern->width() - 2), height());
}

void THSAPStatuszeile::resizeEvent(QResizeEvent* Ereignis) {
    THPanel::resizeEvent(Ereignis);
    TeileAnordnen();
}

void THSAPStatuszeile::TeileAnordnen() {
    const int b = width();
    const int h = height();
    const int rechts = b - Uhrbreite - Modusbreite - Serverbreite; // line width − 125
    Uhr->setGeometry(b - Uhrbreite, 0, Uhrbreite, h);
    Modusfeld->setGeometry(b - Uhrbreite - Modusbreite - 2, 0, Modusbreite, h);
    Server->setGeometry(b - Uhrbreite - Modusbreite - Serverbreite - 4, 0, Serverbreite, h);
    Verbindung->setGeometry(rechts - Verbindungsbreite - 6, 0, Verbindungsbreite, h);
    // In a narrow window the message part shrinks to nothing instead of turning over.
    Meldung->setGeometry(2, 0, std::max(0, rechts - Verbindungsbreite - 10), h);
}

void THSAPStatuszeile::FarbenSetzen() {
    for (QLabel* teil : {Verbindung, Server, Modusfeld, Uhr})
        TeilFaerben(*teil, Zeilenfarbe, Qt::black);
    if (Meldungstext.isEmpty())
        TeilFaerben(*Meldung, Zeilenfarbe, Qt::black);
    else
        TeilFaerben(*Meldung, Lektionsfarbe(Meldungsfarbe), Qt::white);
    HintergrundfarbeSetzen(*this, Zeilenfarbe);
}

void THSAPStatuszeile::MeldungSetzen(const QString& Text) {
    Meldungstext = Text;
    Meldung->setText(QLatin1Char(' ') + Text);
    FarbenSetzen();
}

void THSAPStatuszeile::UhrStellen() {
    Uhr->setText(Rolle<TUhr>().Jetzt().toString(QStringLiteral("hh:mm")));
}

void THSAPStatuszeile::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Links:
    case Feld::Objekte::Oben:
    case Feld::Objekte::Breite: break;
    case Feld::Objekte::Hoehe:
        resize(width(), Tabelle.LeseKoordinate(Satz, FeldId));
        Anordnen();
        break;
    case Feld::Objekte::Farbe: {
        const int32_t wert = Tabelle.LeseZahl(Satz, FeldId);
        Zeilenfarbe = wert == 0 ? Grau() : Lektionsfarbe(wert);
        FarbenSetzen();
        break;
    }
    case Feld::Objekte::Text: MeldungSetzen(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    default: THPanel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
