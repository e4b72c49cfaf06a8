#include "objects/texte/THILabel.h"

#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "platform/Dokumente.h"
#include "store/Feldnummern.h"
#include "store/Lektionsdateien.h"
#include "store/TTabelle.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int Handzeiger = 10;
constexpr QRgb Besucht = 0x808080;

// A caption that names a web page or an HTML document.
bool IstAdresse(const QString& Text) {
    return Text.startsWith(QLatin1String("http")) || Text.endsWith(QLatin1String("htm")) ||
           Text.endsWith(QLatin1String("html"));
}

QUrl Adresse(const QString& Text) {
    if (Text.startsWith(QLatin1String("http"))) return QUrl(Text);
    // A document is found in the lesson directory, as the lesson's other files are.
    const std::filesystem::path datei =
        LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis, QStringNachAnsi(Text));
    return QUrl::fromLocalFile(QString::fromStdString(datei.string()));
}

} // namespace

THILabel::THILabel(QWidget* Eltern) : THXLabel(Eltern) {
    MausWeiterleitung = Weiterleitung::Alle;
    setWordWrap(true);
    AktivSetzen(true);
}

void THILabel::AktivSetzen(bool Wert) {
    Aktiv = Wert;
    QFont schrift = font();
    schrift.setUnderline(Wert);
    setFont(schrift);
    CursorSetzen(*this, Wert ? Handzeiger : 0);
    TabstoppSetzen(Wert);
    GroesseAnpassen();
}

void THILabel::paintEvent(QPaintEvent* Ereignis) {
    QLabel::paintEvent(Ereignis);
    QPainter maler(this);
    FokusmarkeZeichnen(maler);
}

void THILabel::AutoSizeSetzen(bool Wert) {
    AutoSize = Wert;
    GroesseAnpassen();
}

void THILabel::GroesseAnpassen() {
    if (!AutoSize || text().isEmpty()) return;
    resize(width(), std::max(heightForWidth(width()), fontMetrics().height()));
}

void THILabel::Klick() {
    if (!Aktiv) return;
    if (Ziel != 0) {
        if (TSeitenfenster* fenster = AktuellesSeitenfenster())
            fenster->Fensterbefehl(FensterSeite, Ziel);
        SchriftfarbeSetzen(*this, QColor(Besucht));
    } else if (IstAdresse(text())) {
        DokumentOeffnen(Adresse(text()));
    }
}

void THILabel::MausGedrueckt(QMouseEvent& Ereignis) {
    Druck = Ereignis.button() == Qt::LeftButton;
}

void THILabel::MausLosgelassen(QMouseEvent& Ereignis) {
    const bool klick = Druck && Ereignis.button() == Qt::LeftButton &&
                       rect().contains(Ereignis.position().toPoint());
    Druck = false;
    if (klick) Klick();
}

void THILabel::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Ziel: Ziel = Tabelle.LeseZahl(Satz, FeldId); break;
    case Feld::Objekte::AutoSize: AutoSizeSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Text:
        setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId)));
        GroesseAnpassen();
        break;
    case Feld::Objekte::Aktiv: AktivSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe:
        // The font of the record, underlined as long as the label is active.
        THXLabel::FeldAnwenden(Tabelle, Satz, FeldId);
        AktivSetzen(Aktiv);
        break;
    default: THXLabel::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
