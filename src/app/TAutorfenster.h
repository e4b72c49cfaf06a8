#pragma once
// The hidden host form: it owns the mail client, carries out host commands and receives
// the commands of other programs. In the learner's program it never appears on screen.

#include "app/TVerdrahtung.h"
#include "mail/TMailClient.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class TFernsteuerung;

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

    // Host commands and remote commands, carried out now; they arrive through the event
    // queue and come here one at a time.
    void Hostbefehl(int Code, int32_t Argument);
    void Fernbefehl(int Typ, int32_t Argument);

protected:
    void customEvent(QEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

private:
    TVerdrahtung Verdrahtung; // first in, last out
    std::unique_ptr<TMailClient> Mail;
    TFernsteuerung* Fernsteuerung = nullptr; // listens for commands of other programs
};
