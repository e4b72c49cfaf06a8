#include "objects/auswahl/THSAPComboBox.h"

#include "objects/Feldregeln.h"
#include "objects/TSeitenfenster.h"
#include "objects/auswahl/Auswahlhilfen.h"
#include "objects/auswahl/Auswahlumgebung.h"
#include "objects/auswahl/Kombibilder.h"
#include "objects/auswahl/TKombieintragsmaler.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Listenzeilen.h"
#include "platform/Schriften.h"
#include "store/TTabelle.h"

#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <charconv>

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
    int k = 0;
    const auto [ende, fehler] = std::from_chars(t.data() + 1, t.data() + t.size(), k);
    if (fehler != std::errc() || ende != t.data() + t.size() || k == 0) return std::nullopt;
    return k;
}

// An entry that is nothing but {n} shows system value n.
QString MitSystemwert(const QString& Eintrag) {
    static const QRegularExpression platzhalter(QStringLiteral("^\\{(-?\\d+)\\} *$"));
    const auto treffer = platzhalter.match(Eintrag);
    if (!treffer.hasMatch()) return Eintrag;
    return AnsiNachQString(SystemwertLesen(treffer.captured(1).toInt()));
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
        setCurrentIndex(*k <= count() ? *k - 1 : -1);
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
    case 1201:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        ZugangsnameSetzen(*this);
        break;
    case 1209: FarbeSetzen(FeldFarbe(Tabelle, Satz, FeldId)); break;
    case 1221:
        Textanforderung = Tabelle.LeseText(Satz, FeldId);
        TextanforderungAnwenden();
        break;
    case 1224: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case 1243:
        ReadOnly = Tabelle.LeseSchalter(Satz, FeldId);
        StilSetzen(!ReadOnly);
        break;
    case 1245: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case 1264:
        InhaltSetzen(Tabelle.LeseText(Satz, FeldId));
        TextanforderungAnwenden();
        break;
    case 1287:
        LayoutSetzen(Tabelle.LeseZahl(Satz, FeldId));
        TextanforderungAnwenden();
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
