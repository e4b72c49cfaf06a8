#include "objects/eingabe/TKindmaus.h"

#include "objects/kern/TSeitenfenster.h"
#include "objects/kern/TSeitenobjekt.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

TKindmaus::TKindmaus(TSeitenobjekt& Objekt, QWidget& Kind,
                     std::function<void(QMouseEvent&)> BeimDruecken)
    : QObject(&Kind), Objekt(Objekt), Kind(Kind), BeimDruecken(std::move(BeimDruecken)) {
    Kind.installEventFilter(this);
    Kind.setMouseTracking(true);
}

bool TKindmaus::eventFilter(QObject* Ziel, QEvent* Ereignis) {
    const QEvent::Type art = Ereignis->type();
    const bool druck = art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick;
    if (Ziel != &Kind || !(druck || art == QEvent::MouseMove || art == QEvent::MouseButtonRelease))
        return false;
    auto& maus = *static_cast<QMouseEvent*>(Ereignis);
    QWidget* selbst = Objekt.Steuerelement();
    const QPoint imFenster = Kind.mapTo(selbst, maus.position().toPoint()) + selbst->pos();
    const QPointer<QWidget> lebt(selbst);
    if (druck && BeimDruecken) BeimDruecken(maus);
    TSeitenfenster* fenster = lebt ? Objekt.Fenster() : nullptr;
    if (!fenster) return false;
    if (druck)
        fenster->FormMouseDown(selbst, maus.button(), maus.modifiers(), imFenster);
    else if (art == QEvent::MouseMove)
        fenster->FormMouseMove(selbst, maus.buttons(), maus.modifiers(), imFenster);
    else
        fenster->FormMouseUp(selbst, maus.button(), maus.modifiers(), imFenster);
    return !lebt;
}
