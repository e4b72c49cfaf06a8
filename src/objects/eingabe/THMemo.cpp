#include "objects/eingabe/THMemo.h"

#include "objects/eingabe/Eingabefarbe.h"
#include "objects/eingabe/TKindmaus.h"
#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "store/Feldnummern.h"
#include "store/TTabelle.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>

#include <fstream>
#include <iterator>

namespace {

constexpr int Einzeilig = 1;
constexpr int Notizblatt = 2;
constexpr int16_t Memotyp = 47;
constexpr int32_t Gelb = 0x00FFFF;

// Lesson text with CR LF line breaks as the lines of the memo.
QString Zeilentext(const std::string& Text) {
    QString zeilen = AnsiNachQString(Text);
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return zeilen;
}

} // namespace

THMemo::THMemo(QWidget* Eltern) : QPlainTextEdit(Eltern), TSeitenobjekt(this) {
    setLineWrapMode(NoWrap);
    // Tab goes on to the next object of the page, as in the lessons' memos.
    setTabChangesFocus(true);
    resize(185, 89);
    EingabefarbeSetzen(*this, Qt::white);
    new TKindmaus(*this, *viewport(), [this](QMouseEvent&) {
        if (Typ == Notizblatt) NachVorn();
    });
    connect(this, &QPlainTextEdit::textChanged, this, &THMemo::Geaendert);
}

void THMemo::ScrollBalkenSetzen(int32_t Wert) {
    ScrollBalken = Wert;
    if (Wert < 0 || Wert > 3) return;
    setHorizontalScrollBarPolicy(Wert & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Wert & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void THMemo::AusrichtungSetzen(int32_t Wert) {
    Ausrichtung = Wert;
    const Qt::Alignment richtung = Wert == 1   ? Qt::AlignHCenter
                                   : Wert == 2 ? Qt::AlignRight
                                               : Qt::AlignLeft;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(richtung);
    document()->setDefaultTextOption(option);
}

void THMemo::ZeilenLaden(const std::string& Pfadname) {
    if (Dateiname.empty()) return;
    std::ifstream datei(Bilddateien::Bilddatei(Pfadname, Dateiname), std::ios::binary);
    if (!datei) return;
    const std::string inhalt{std::istreambuf_iterator<char>(datei),
                             std::istreambuf_iterator<char>()};
    QString text = Zeilentext(inhalt);
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    setPlainText(text);
}

void THMemo::keyPressEvent(QKeyEvent* Taste) {
    const bool eingabe = Taste->key() == Qt::Key_Return || Taste->key() == Qt::Key_Enter;
    if (Typ == Einzeilig && eingabe) {
        Taste->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(Taste);
}

// A one-line memo takes back any change that leaves it with a second line.
void THMemo::Geaendert() {
    if (Prueft) return;
    if (Typ != Einzeilig || document()->blockCount() <= 1) {
        VorigerText = toPlainText();
        return;
    }
    Prueft = true;
    QString text = VorigerText;
    // Text that came with a second line before the memo became one-line keeps its first.
    if (text.contains(QLatin1Char('\n'))) text = text.section(QLatin1Char('\n'), 0, 0);
    setPlainText(text);
    moveCursor(QTextCursor::End);
    VorigerText = text;
    Prueft = false;
}

void THMemo::NachVorn() {
    raise();
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [this](TObjektliste& e) {
        auto* memo = e.Typ == Memotyp ? qobject_cast<THMemo*>(e.Objekt) : nullptr;
        if (memo && memo != this) EingabefarbeSetzen(*memo, Qt::white);
        return true;
    });
    EingabefarbeSetzen(*this, Lektionsfarbe(Gelb));
}

void THMemo::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    switch (FeldId) {
    case Feld::Objekte::Beschreibung:
        TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId);
        setAccessibleName(BeschreibungText());
        break;
    case Feld::Objekte::Farbe: EingabefarbeSetzen(*this, FeldFarbe(Tabelle, Satz, FeldId)); break;
    case Feld::Objekte::Dateiname: Dateiname = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Text: setPlainText(Zeilentext(Tabelle.LeseText(Satz, FeldId))); break;
    case Feld::Objekte::Aktiv: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Typ:
        Typ = Tabelle.LeseZahl(Satz, FeldId);
        Geaendert();
        break;
    case Feld::Objekte::Border:
        setFrameShape(Tabelle.LeseText(Satz, FeldId) == "1" ? QFrame::StyledPanel
                                                            : QFrame::NoFrame);
        break;
    case Feld::Objekte::ReadOnly: setReadOnly(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::ScrollBalken: ScrollBalkenSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Ausrichtung: AusrichtungSetzen(Tabelle.LeseZahl(Satz, FeldId)); break;
    case Feld::Objekte::Pfadname: ZeilenLaden(Tabelle.LeseText(Satz, FeldId)); break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}
