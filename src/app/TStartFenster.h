#pragma once
// The splash window shown while the lesson opens; it closes itself once the learner
// window is on screen.

#include <QWidget>

class QLabel;
class QProgressBar;

class TStartFenster : public QWidget {
    Q_OBJECT
public:
    TStartFenster();
    ~TStartFenster() override;

    void StatusSetzen(const QString& Text);
    void FortschrittSetzen(int Prozent);

    // True while a splash window is on screen: start-up is still under way.
    static bool StartLaeuft();

private:
    QLabel* Status;
    QProgressBar* Fortschritt;
};
