#pragma once
// The learner's message window: a yellow modal window centred on the screen with a
// read-only text and the button "weiter ..." that closes it. Object actions show lesson
// texts and the no-function notice in it, the page evaluation its feedback.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TDefaultFenster : public QDialog {
    Q_OBJECT
public:
    explicit TDefaultFenster(const QString& Text, QWidget* Eltern = nullptr);

    // From this many lines on the text gets a vertical scroll bar.
    static constexpr int ZeilenMitBildlauf = 6;

    QPlainTextEdit* Textfeld;
    QPushButton* Weiter;

protected:
    void showEvent(QShowEvent* Ereignis) override;
};
