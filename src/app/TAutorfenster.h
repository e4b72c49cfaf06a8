#pragma once
// The hidden host form: it owns the mail client and carries out host commands. In the
// learner's program it never appears on screen.

#include "mail/TMailClient.h"

#include <QWidget>

#include <memory>

class TAutorfenster : public QWidget {
    Q_OBJECT
public:
    // Creating the host form fixes the working directory of a write-protected lesson and
    // loads the program's own cursors.
    TAutorfenster();
    ~TAutorfenster() override;

    static constexpr int Formtag = 1;

    // What happens when the host form would first be shown: its remembered bounds, the
    // mail probe, then the current learner window appears.
    void ErstesZeigen();

    TMailClient& MailClient() { return *Mail; }

protected:
    void customEvent(QEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

private:
    std::unique_ptr<TMailClient> Mail;
};
