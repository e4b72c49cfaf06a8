#include "objects/knoepfe/THSpeedButton.h"

#include "objects/kern/Bilddateien.h"
#include "objects/kern/Feldregeln.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "store/Feldnummern.h"
#include "store/Objekttyp.h"
#include "store/TTabelle.h"

#include <QPointer>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int Abstand = 4; // between glyph and caption
} // namespace

THSpeedButton::THSpeedButton(QWidget* Eltern) : QToolButton(Eltern), TSeitenobjekt(this) {
    resize(25, 25);
    connect(this, &QToolButton::clicked, this, &THSpeedButton::Klick);
}

void THSpeedButton::UntenSetzen(bool Wert) {
    Down = Wert;
    if (Unten()) {
        // The others of the group go up.
        for (QObject* kind : parent() ? parent()->children() : QObjectList()) {
            auto* knopf = qobject_cast<THSpeedButton*>(kind);
            if (knopf && knopf != this && knopf->GroupIndex == GroupIndex && knopf->Unten()) {
                knopf->Down = false;
                knopf->update();
            }
        }
    }
    update();
}

void THSpeedButton::FlatSetzen(bool Wert) {
    setAutoRaise(Wert);
}

void THSpeedButton::TransparentSetzen(bool Wert) {
    Transparent = Wert;
    setAutoFillBackground(!Wert);
    update();
}

void THSpeedButton::GlyphLaden() {
    const QImage bild = Bilddateien::BildLaden(Pfadname, Dateiname);
    Glyphbild = bild.isNull() ? QPixmap() : QPixmap::fromImage(bild);
    update();
}

void THSpeedButton::GlyphEntfernen() {
    Glyphbild = QPixmap();
    update();
}

void THSpeedButton::Klick() {
    GruppeUmschalten();
    const QPointer<QWidget> lebt(this);
    AktionDurchfuehren(Aktionsfelder, Beschreibung, *this);
    if (!lebt) return;
    if (Aktionsfelder.Mailaktion()) setEnabled(false);
    ScreenknoepfeOhneGlyph();
    NachKlick();
}

void THSpeedButton::GruppeUmschalten() {
    if (GroupIndex != 0) UntenSetzen(!Unten());
}

void THSpeedButton::ScreenknoepfeOhneGlyph() {
    TSeitenfenster* fenster = Fenster();
    TiefDurchlaufen(fenster ? fenster->Objektliste() : nullptr, [](TObjektliste& e) {
        auto* knopf =
            e.Typ == Objekttyp::SAPSpeedButton ? qobject_cast<THSpeedButton*>(e.Objekt) : nullptr;
        if (knopf && !knopf->Unten()) knopf->GlyphEntfernen();
        return true;
    });
}

void THSpeedButton::FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    if (Aktionsfelder.FeldAnwenden(Tabelle, Satz, FeldId)) return;
    switch (FeldId) {
    case Feld::Objekte::Dateiname: Dateiname = Tabelle.LeseText(Satz, FeldId); break;
    case Feld::Objekte::Markiert: UntenSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Text: setText(AnsiNachQString(Tabelle.LeseText(Satz, FeldId))); break;
    case Feld::Objekte::Transparent: TransparentSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Aktiv: setEnabled(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Schriftfarbe: SchriftUebernehmen(*this, Tabelle, Satz); break;
    case Feld::Objekte::GroupIndex:
        GroupIndex = Tabelle.LeseZahl(Satz, FeldId);
        UntenSetzen(Down);
        break;
    case Feld::Objekte::Pfadname:
        Pfadname = Tabelle.LeseText(Satz, FeldId);
        GlyphdateiUebernommen();
        break;
    case Feld::Objekte::Flat: FlatSetzen(Tabelle.LeseSchalter(Satz, FeldId)); break;
    case Feld::Objekte::Layout:
        Layout = Tabelle.LeseZahl(Satz, FeldId);
        update();
        break;
    default: TSeitenobjekt::FeldAnwenden(Tabelle, Satz, FeldId); break;
    }
}

void THSpeedButton::Anordnen(QRect& Glyphfeld, QRect& Textfeld) const {
    const QSize glyph = Glyphbild.size();
    const QString text = QToolButton::text();
    const QSize schrift = text.isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text);
    const bool nebeneinander = Layout != 2 && Layout != 3;
    const int luecke = glyph.isEmpty() || schrift.isEmpty() ? 0 : Abstand;
    const QSize ganz = nebeneinander ? QSize(glyph.width() + luecke + schrift.width(),
                                             std::max(glyph.height(), schrift.height()))
                                     : QSize(std::max(glyph.width(), schrift.width()),
                                             glyph.height() + luecke + schrift.height());
    QRect feld(QPoint(0, 0), ganz);
    feld.moveCenter(rect().center());

    Glyphfeld = QRect(QPoint(), glyph);
    Textfeld = QRect(QPoint(), schrift);
    switch (Layout) {
    case 1:
        Textfeld.moveTopLeft(QPoint(feld.left(), feld.center().y() - schrift.height() / 2));
        Glyphfeld.moveTopLeft(
            QPoint(feld.right() + 1 - glyph.width(), feld.center().y() - glyph.height() / 2));
        break;
    case 2:
        Glyphfeld.moveTopLeft(QPoint(feld.center().x() - glyph.width() / 2, feld.top()));
        Textfeld.moveTopLeft(
            QPoint(feld.center().x() - schrift.width() / 2, feld.bottom() + 1 - schrift.height()));
        break;
    case 3:
        Textfeld.moveTopLeft(QPoint(feld.center().x() - schrift.width() / 2, feld.top()));
        Glyphfeld.moveTopLeft(
            QPoint(feld.center().x() - glyph.width() / 2, feld.bottom() + 1 - glyph.height()));
        break;
    default:
        Glyphfeld.moveTopLeft(QPoint(feld.left(), feld.center().y() - glyph.height() / 2));
        Textfeld.moveTopLeft(
            QPoint(feld.right() + 1 - schrift.width(), feld.center().y() - schrift.height() / 2));
        break;
    }
}

void THSpeedButton::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    if (Unten()) option.state |= QStyle::State_On | QStyle::State_Sunken;
    // A flat transparent button shows only its glyph and caption until it is pointed at.
    if (!(Transparent && autoRaise() && !(option.state & QStyle::State_MouseOver) && !Unten()))
        maler.drawComplexControl(QStyle::CC_ToolButton, option);

    QRect glyphfeld, textfeld;
    Anordnen(glyphfeld, textfeld);
    if (option.state & QStyle::State_Sunken) {
        glyphfeld.translate(1, 1);
        textfeld.translate(1, 1);
    }
    const QString text = QToolButton::text();
    const QSize glyph = Glyphbild.size();
    if (!Glyphbild.isNull()) {
        const QIcon::Mode art = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        maler.drawPixmap(glyphfeld.topLeft(), QIcon(Glyphbild).pixmap(glyph, art));
    }
    if (!text.isEmpty())
        maler.drawItemText(textfeld, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                           text, QPalette::ButtonText);
}
