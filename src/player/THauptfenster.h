#pragma once
// The learner window: shows one page of the lesson at a time and is the hub of the
// learner's keyboard and mouse input on it.

#include <QWidget>

#include <cstdint>

class THauptfenster : public QWidget {
    Q_OBJECT
public:
    explicit THauptfenster(QWidget* Eltern = nullptr);

    static constexpr int Formtag = 2;

    bool SchliessenErlaubt = false; // set by the window list only
    int32_t Startseite = 0;         // page handed over when the window was opened
    int32_t Seitennummer = 0;       // page shown now
    int32_t WiederaufnahmeSeite = 0;
    bool Feedbackseite = false;
    int16_t Versuchszaehler = 1;
    int32_t Stapelzaehler = 0;

signals:
    // Emitted once, when the window has been shown for the first time.
    void ErstmalsGezeigt();

protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

private:
    void ErstesZeigen();

    bool Gezeigt = false;
};

// Set once the first learner window has been shown; effects do not play before.
extern bool FensterGezeigt;
// Set while a page change waits for an effect to end.
extern bool SeitenwechselAnstehend;

// The hidden host form that receives host commands; set by the program at start.
QObject*& Hostformular();
