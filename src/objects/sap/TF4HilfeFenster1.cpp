#include "objects/sap/TF4HilfeFenster1.h"

#include "objects/sap/TF4Werteflaeche.h"
#include "platform/AnsiText.h"
#include "platform/Bildschirm.h"
#include "platform/Farben.h"
#include "platform/Listenzeilen.h"
#include "platform/Schriften.h"
#include "store/Datenlexikon.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int Vorgabegroesse = 200;
constexpr int Knopfbreite = 25;
constexpr int Rand = 5;
constexpr int Kopftextoben = 27; // below the buttons
constexpr int Kopftextzeile = 16;
constexpr int Kopfzeilenhoehe = 15;
constexpr int Bereichsabstand = 27; // from the header text to the value area
constexpr int Untenrest = 45;
constexpr int Schirmrest = 50;
constexpr int32_t Kopffarbe = 0xDDC6A8;
constexpr int32_t KopffarbeWenige = 0xFFFF00;

struct TKnopfart {
    const char* Hinweis;
    QStyle::StandardPixmap Bild;
};
// The window's buttons in the order the record's `Tasten` switch them.
constexpr TKnopfart Knopfarten[TF4HilfeFenster1::Knopfanzahl] = {
    {"Auswählen   Enter", QStyle::SP_DialogApplyButton},
    {"Weiter Werteauswahl Umsch+F5", QStyle::SP_ArrowForward},
    {"", QStyle::SP_FileDialogListView},
    {"Persönliche Hilfe Umsch+F2", QStyle::SP_DialogHelpButton},
    {"Suchen Strg+F", QStyle::SP_FileDialogContentsView},
    {"Sortieren aufsteigend F9", QStyle::SP_ArrowUp},
    {"Drucken Strg+P", QStyle::SP_DialogSaveButton},
    {"Abbrechen   F12", QStyle::SP_DialogCancelButton},
};

std::string Langtext(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    return Tabelle.LeseTextPuffer(Satz, FeldId).value_or(std::string());
}
} // namespace

TF4HilfeFenster1::TF4HilfeFenster1(QWidget* Lernfenster)
    : QDialog(Lernfenster), Lernfenster(Lernfenster), Kopftext(new QLabel(this)),
      Bereich(new QScrollArea(this)), Flaeche(new TF4Werteflaeche(Raster, Bereich)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont schrift(QStringLiteral("FixedSys"));
    schrift.setPixelSize(PixelgroesseAusPunkten(10));
    setFont(schrift);
    Kopftext->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Bereich->setFrameShape(QFrame::NoFrame);
    Bereich->setWidget(Flaeche);
    Bereich->setWidgetResizable(false);
    connect(Bereich->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            qOverload<>(&QWidget::update));
    Flaeche->installEventFilter(this);
    connect(Flaeche, &TF4Werteflaeche::ZelleGedrueckt, this, &TF4HilfeFenster1::Waehlen);
    connect(Flaeche, &TF4Werteflaeche::Doppelklick, this, &QDialog::accept);
    KnoepfeAnlegen();
    KnoepfeSchalten({});
    resize(Vorgabegroesse, Vorgabegroesse);
    Flaeche->setFocus();
}

void TF4HilfeFenster1::KnoepfeAnlegen() {
    for (int i = 0; i < Knopfanzahl; ++i) {
        auto* knopf = new QToolButton(this);
        knopf->setIcon(style()->standardIcon(Knopfarten[i].Bild));
        knopf->setToolTip(QString::fromUtf8(Knopfarten[i].Hinweis));
        knopf->setAccessibleName(knopf->toolTip());
        knopf->setGeometry(0, 1, Knopfbreite, Knopfbreite);
        knopf->setFocusPolicy(Qt::TabFocus);
        Knoepfe[static_cast<size_t>(i)] = knopf;
    }
    connect(Knopf(Auswaehlen), &QToolButton::clicked, this, &QDialog::accept);
    connect(Knopf(Abbrechen), &QToolButton::clicked, this, &TF4HilfeFenster1::reject);
}

void TF4HilfeFenster1::KnoepfeSchalten(const std::string& Tasten) {
    int x = Rand;
    for (size_t i = 0; i < Knoepfe.size(); ++i) {
        const bool an = i < Tasten.size() && Tasten[i] == '1';
        Knoepfe[i]->setVisible(an);
        if (!an) continue;
        Knoepfe[i]->move(x, 1);
        x += Knopfbreite;
    }
}

void TF4HilfeFenster1::KopftextSetzen(const QString& Text) {
    Kopftext->setText(Text);
    const auto zeilen = Text.isEmpty() ? 0 : Text.count(QLatin1Char('\n')) + 1;
    Kopftext->setGeometry(Rand, Kopftextoben, width() - 2 * Rand,
                          Kopftextzeile * static_cast<int>(zeilen));
}

void TF4HilfeFenster1::FuerDatensatz(int32_t Nr) {
    TTabelle* tabelle = Tabelle(ArtF4Hilfe);
    TDatensatz* satz = tabelle ? tabelle->Datensatz(Nr) : nullptr;
    if (!satz) return;
    TTabelle& t = *tabelle;
    namespace F = Feld::F4Hilfe;
    const QPoint ecke = Lernfenster ? Lernfenster->frameGeometry().topLeft() : QPoint();
    move(t.LeseZahl(satz, F::left) + ecke.x(), t.LeseZahl(satz, F::top) + ecke.y());
    const int32_t breite = t.LeseZahl(satz, F::width);
    const int32_t hoehe = t.LeseZahl(satz, F::height);
    resize(breite > 0 ? breite : Vorgabegroesse, hoehe > 0 ? hoehe : Vorgabegroesse);
    setWindowTitle(AnsiNachQString(t.LeseText(satz, F::Caption)));
    KnoepfeSchalten(t.LeseText(satz, F::Tasten));
    QString kopf = AnsiNachQString(Langtext(t, satz, F::Kopftext));
    kopf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    KopftextSetzen(kopf);
    Raster.Fuellen(Zeilen(Langtext(t, satz, F::Text)), t.LeseZahl(satz, F::Spalten),
                   t.LeseZahl(satz, F::Zeile), t.LeseZahl(satz, F::Aktive_Spalte),
                   t.LeseZahl(satz, F::Aktive_Spalte_2));
    Editfeld2 = t.LeseZahl(satz, F::Editfeld_2);
    Flaeche->WenigeFarben(WenigeFarben());
    Flaeche->Anpassen();
    Waehlen(Raster.GewaehlteZeile(), Raster.GewaehlteSpalte());
    Anordnen();
}

bool TF4HilfeFenster1::WenigeFarben() const {
    const QScreen* schirm = screen();
    return schirm && schirm->depth() <= 8;
}

int TF4HilfeFenster1::Kopfzeilenoben() const {
    return Kopftextoben + Kopftext->height() + Rand;
}

void TF4HilfeFenster1::Anordnen() {
    const int oben = Kopftextoben + Kopftext->height() + Bereichsabstand;
    const int breite = std::max(0, width() - Rand - 10);
    // A small window leaves no room for values rather than a negative height.
    const int rest = std::max(0, height() - oben - Untenrest);
    Bereich->setGeometry(Rand, oben, breite, rest / TF4Werte::Zeilenhoehe * TF4Werte::Zeilenhoehe);
    Kopftext->resize(std::max(0, width() - 2 * Rand), Kopftext->height());
    update();
}

void TF4HilfeFenster1::resizeEvent(QResizeEvent* Ereignis) {
    QDialog::resizeEvent(Ereignis);
    Anordnen();
}

void TF4HilfeFenster1::showEvent(QShowEvent* Ereignis) {
    QDialog::showEvent(Ereignis);
    const QSize schirm = Bildschirmgroesse();
    QPoint ecke = pos();
    if (ecke.x() > schirm.width() - Schirmrest) ecke.setX(0);
    if (ecke.y() > schirm.height() - Schirmrest) ecke.setY(0);
    if (ecke != pos()) move(ecke);
}

void TF4HilfeFenster1::paintEvent(QPaintEvent* Ereignis) {
    QDialog::paintEvent(Ereignis);
    if (Raster.Zeilen() == 0) return;
    QPainter maler(this);
    maler.setFont(font());
    const QColor grund = Lektionsfarbe(WenigeFarben() ? KopffarbeWenige : Kopffarbe);
    const int verschoben = Rand - Bereich->horizontalScrollBar()->value();
    const int oben = Kopfzeilenoben();
    maler.setClipRect(Rand, oben, Bereich->width(), Kopfzeilenhoehe);
    for (int s = 0; s < Raster.Spalten(); ++s) {
        const QRect zelle(verschoben + Raster.SpalteLinks(s), oben, Raster.Spaltenbreite(s),
                          Kopfzeilenhoehe);
        maler.fillRect(zelle, grund);
        maler.setPen(Qt::black);
        maler.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter, Raster.Zelltext(0, s));
    }
}

void TF4HilfeFenster1::Waehlen(int Zeile, int Spalte) {
    if (!Raster.Waehlen(Zeile, Spalte)) {
        Auswahlwert.clear();
        Auswahlwert2.clear();
        return;
    }
    Auswahlwert = Raster.Wert(Zeile, false);
    Auswahlwert2 = Raster.Wert(Zeile, true);
    const QRect zelle = Flaeche->Zellrechteck(Zeile, Spalte);
    Bereich->ensureVisible(zelle.center().x(), zelle.center().y(), zelle.width() / 2,
                           zelle.height() / 2);
    Flaeche->update();
    // Screen readers hear the selected cell.
    Flaeche->setAccessibleName(Raster.Zelltext(Zeile, Spalte));
}

int TF4HilfeFenster1::SichtbareZeilen() const {
    return std::max(1, Bereich->viewport()->height() / TF4Werte::Zeilenhoehe);
}

void TF4HilfeFenster1::Bewegen(int Zeilen, int Spalten) {
    if (Raster.GewaehlteZeile() < 0) return;
    const int zeile = std::clamp(Raster.GewaehlteZeile() + Zeilen, 1, Raster.Zeilen() - 1);
    const int spalte = std::clamp(Raster.GewaehlteSpalte() + Spalten, 0, Raster.Spalten() - 1);
    Waehlen(zeile, spalte);
}

bool TF4HilfeFenster1::TasteBehandeln(int Taste) {
    const int seite = SichtbareZeilen();
    const int alle = Raster.Zeilen();
    switch (Taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); return true;
    case Qt::Key_Escape:
    case Qt::Key_F12: reject(); return true;
    case Qt::Key_Up: Bewegen(-1, 0); return true;
    case Qt::Key_Down: Bewegen(1, 0); return true;
    case Qt::Key_Left: Bewegen(0, -1); return true;
    case Qt::Key_Right: Bewegen(0, 1); return true;
    case Qt::Key_PageUp: Bewegen(-seite, 0); return true;
    case Qt::Key_PageDown: Bewegen(seite, 0); return true;
    case Qt::Key_Home: Bewegen(-alle, 0); return true;
    case Qt::Key_End: Bewegen(alle, 0); return true;
    default: return false;
    }
}

void TF4HilfeFenster1::keyPressEvent(QKeyEvent* Taste) {
    if (Taste->modifiers() == Qt::NoModifier || Taste->modifiers() == Qt::KeypadModifier) {
        if (TasteBehandeln(Taste->key())) {
            Taste->accept();
            return;
        }
    }
    QDialog::keyPressEvent(Taste);
}

bool TF4HilfeFenster1::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == Flaeche && Ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(Ereignis);
        const Qt::KeyboardModifiers m = taste->modifiers();
        if ((m == Qt::NoModifier || m == Qt::KeypadModifier) && TasteBehandeln(taste->key()))
            return true;
    }
    return QDialog::eventFilter(Objekt, Ereignis);
}

void TF4HilfeFenster1::reject() {
    Auswahlwert.clear();
    Auswahlwert2.clear();
    QDialog::reject();
}
