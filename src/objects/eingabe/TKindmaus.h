#pragma once
// Passes the mouse input of a child control (a memo's text area, the button and the text
// of a selection field) to the learner window as input of the page object that owns the
// child: the position goes through the child's place in the object and the object's place.
// The child handles the input as usual.

#include <QObject>

#include <functional>

class QMouseEvent;
class QWidget;
class TSeitenobjekt;

class TKindmaus : public QObject {
public:
    // `BeimDruecken` hears every press before it is passed on.
    TKindmaus(TSeitenobjekt& Objekt, QWidget& Kind,
              std::function<void(QMouseEvent&)> BeimDruecken = {});

    bool eventFilter(QObject* Ziel, QEvent* Ereignis) override;

private:
    TSeitenobjekt& Objekt;
    QWidget& Kind;
    std::function<void(QMouseEvent&)> BeimDruecken;
};
