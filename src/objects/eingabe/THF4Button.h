#pragma once
// The button beside a focused input field that opens its F4 value help: a small button
// with an arrow in the normal layout, the picture of the F4 key in the application-screen
// layout. It never takes the focus, so the field keeps it while the button is clicked.

#include <QToolButton>

class THF4Button : public QToolButton {
    Q_OBJECT
public:
    // `Tastenbild`: the F4 key picture instead of the arrow button.
    THF4Button(QWidget* Eltern, bool Tastenbild);

    bool Tastenbild() const { return AlsTaste; }

protected:
    void paintEvent(QPaintEvent* Ereignis) override;

private:
    bool AlsTaste;
};
