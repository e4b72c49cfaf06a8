#include "objects/auswahl/THSAPComboBox.h"

#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Kombibilder.h"
#include "objects/auswahl/TKombieintragsmaler.h"
#include "objects/eingabe/Eingabedienste.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/texte/Textdienste.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Listenzeilen.h"
#include "platform/Schriften.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"
#include "store/Zahlen.h"

#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <optional>

namespace {

constexpr int Geaendert = 227;
constexpr int Aufgeklappt = 228;
constexpr int32_t Anwendungsfarbe = 0xE8F8F8;
constexpr int32_t Anwendungsschriftgroesse = 8;

std::string OhneEndleerzeichen(std::string Text) {
    while (!Text.empty() && Text.back() == ' ')
        Text.pop_back();
    return Text;
}

// Entry k of "#k"; none for any other text, for "#0" and for "#" without a number.
std::optional<int> Eintragswunsch(const std::string& Text) {
    const std::string t = OhneEndleerzeichen(Text);
    if (t.size() < 2 || t[0] != '#') return std::nullopt;
    const auto k = Zahlen::Genau(std::string_view(t).substr(1));
    if (!k || *k == 0) return std::nullopt;
    return *k;
}

// An entry that is nothing but {n} (trailing spaces aside) shows system value n.
QString MitSystemwert(const QString& Eintrag) {
    const std::string t = OhneEndleerzeichen(QStringNachAnsi(Eintrag));
    if (t.size() < 3 || t.front() != '{' || t.back() != '}') return Eintrag;
    const auto nr = Zahlen::Genau(std::string_view(t).substr(1, t.size() - 2));
    return nr ? AnsiNachQString(Systemwert(*nr)) : Eintrag;
}

} // namespace

THSAPComboBox::THSAPComboBox(QWidget* Eltern) : QComboBox(Eltern), TSeitenobjekt(this) {
    resize(145, 21);
    StilSetzen(true);
    EintragsfarbeSetzen(*this, Farbe);
    connect(this, &QComboBox::activated, this, &THSAPComboBox::Geaendert);
}

void THSAPComboBox::Ereignis(int Nr) {
    if (TSeitenfenster* fenster = Fenster()) fenster->EreignisAusloesen(Tag, Nr);
}

void THSAPComboBox::Geaendert() {
    const QPointer<QWidget> lebt(this);
    Ereignis(::Geaendert);
    if (lebt) SystemanzeigenAuffrischen();
}

void THSAPComboBox::showPopup() {
    const QPointer<QWidget> lebt(this);
    Ereignis(Aufgeklappt);
    if (lebt) QComboBox::showPopup();
}

void THSAPComboBox::StilSetzen(bool Eingabe) {
    if (Eingabe == isEditable()) return;
    setEditable(Eingabe);
    // A typed change is a change of the box as a chosen entry is.
    if (Eingabe) connect(lineEdit(), &QLineEdit::textEdited, this, &THSAPComboBox::Geaendert);
}

void THSAPComboBox::InhaltSetzen(const std::string& Inhalt) {
    GeladeneListe = Zeilen(Inhalt);
    clear();
    for (const QString& eintrag : GeladeneListe)
        addItem(MitSystemwert(eintrag));
    // New entries choose none of themselves.
    setCurrentIndex(-1);
}

void THSAPComboBox::TextanforderungAnwenden() {
    if (const auto k = Eintragswunsch(Textanforderung)) {
        // An entry the box does not hold selects nothing.
        setCurrentIndex(*k >= 1 && *k <= count() ? *k - 1 : -1);
        return;
    }
    setCurrentText(AnsiNachQString(Textanforderung));
}

void THSAPComboBox::FarbeSetzen(const QColor& Wert) {
    Farbe = Wert;
    EintragsfarbeSetzen(*this, Farbe);
    update();
}

void THSAPComboBox::LayoutSetzen(int32_t Wert) {
    Layout = Wert;
    switch (Layout) {
    case Standard: break;
    case Anwendung: {
        StilSetzen(true);
        FarbeSetzen(Lektionsfarbe(Anwendungsfarbe));
        TSchriftangaben schrift;
        schrift.Name = "Ms Sans Serif";
        schrift.Groesse = Anwendungsschriftgroesse;
        setFont(Lektionsschrift(schrift, font()));
        SchriftfarbeSetzen(*this, Qt::black);
        break;
    }
    case Eigengezeichnet:
        StilSetzen(false);
        setItemDelegate(new TKombieintragsmaler(this));
        break;
    default: break;
    }
    update();
}

void THSAPComboBox::paintEvent(QPaintEvent* Ereignis) {
    if (Layout != Anwendung && Layout != Eigengezeichnet) {
        QComboBox::paintEvent(Ereignis);
        return;
    }
    QStylePainter maler(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (Layout == Eigengezeichnet) {
        const QString text = option.currentText;
        option.currentText.clear();
        option.currentIcon = QIcon();
        maler.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                   QStyle::SC_ComboBoxEditField, this);
        TKombieintragsmaler::EintragMalen(maler, feld, text, palette(), false);
        return;
    }
    maler.drawComplexControl(QStyle::CC_ComboBox, option);
    // The screen's own arrow picture, on the box's colour, over the platform's button.
    const QRect knopf =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    maler.drawPixmap(knopf.topLeft(), Pfeilbild(Farbe, knopf.width(), knopf.height()));
}

bool THSAPComboBox::Weiterleiten(QEvent::Type Art) const {
    return Art == QEvent::MouseButtonPress || Art == QEvent::MouseButtonDblClick;
}

void THSAPComboBox::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case Feld::Objekte::Farbe: FarbeSetzen(FeldFarbe(Tabelle, Satz, FeldId)); break;
    case Feld::Objekte::Text:
        Textanforderung = Tabelle.LeseText(Satz, FeldId);
        TextanforderungAnwenden();
        break;
    case Feld::Objekte::Aktiv: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::ReadOnly:
        ReadOnly = Tabelle.LeseSchalter(Satz, FeldId);
        StilSetzen(!ReadOnly);
        break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::Inhalt:
        InhaltSetzen(Tabelle.LeseText(Satz, FeldId));
        TextanforderungAnwenden();
        break;
    case Feld::Objekte::Layout:
        LayoutSetzen(Tabelle.LeseZahl(Satz, FeldId));
        TextanforderungAnwenden();
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
