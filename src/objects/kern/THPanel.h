#pragma once
// The common base of the panel-shaped page objects: a raised panel with a centred caption
// in the button face colour.

#include "objects/kern/TSeitenobjekt.h"

#include <QFrame>
#include <QString>

class THPanel : public QFrame, public TSeitenobjekt {
    Q_OBJECT
    Q_PROPERTY(QString Beschreibung READ BeschreibungText WRITE BeschreibungTextSetzen)
public:
    explicit THPanel(QWidget* Eltern = nullptr);

    QString Caption() const { return Beschriftung; }
    void CaptionSetzen(const QString& Text);

protected:
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    QString Beschriftung;
};
