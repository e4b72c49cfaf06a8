#include "platform/TDefaultFenster.h"

#include "platform/Bildschirm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor Gelb(0xFF, 0xFF, 0x00);

int Zeilenzahl(const QString& Text) {
    return static_cast<int>(Text.split(QLatin1Char('\n')).size());
}

} // namespace

TDefaultFenster::TDefaultFenster(const QString& Text, QWidget* Eltern)
    : QDialog(Eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Meldung"));
    setWindowModality(Qt::ApplicationModal);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Gelb);
    farben.setColor(QPalette::Base, Gelb);
    farben.setColor(QPalette::Text, Qt::black);
    farben.setColor(QPalette::WindowText, Qt::black);
    setPalette(farben);
    setAutoFillBackground(true);

    QString text = Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
    Textfeld = new QPlainTextEdit(this);
    Textfeld->setObjectName(QStringLiteral("Text"));
    Textfeld->setReadOnly(true);
    Textfeld->setFocusPolicy(Qt::NoFocus);
    Textfeld->setFrameShape(QFrame::NoFrame);
    Textfeld->setPalette(farben);
    Textfeld->setPlainText(text);
    Textfeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Textfeld->setVerticalScrollBarPolicy(
        Zeilenzahl(text) >= ZeilenMitBildlauf ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);

    Weiter = new QPushButton(QStringLiteral("weiter ..."), this);
    Weiter->setObjectName(QStringLiteral("Weiter"));
    Weiter->setDefault(true);
    Weiter->setAutoDefault(true);
    // Escape rejects the dialog, so the button is the cancel button as well.
    connect(Weiter, &QPushButton::clicked, this, &QDialog::accept);

    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(Textfeld, 1);
    aufbau->addWidget(Weiter, 0, Qt::AlignHCenter);
    setFixedSize(420, 220);
}

void TDefaultFenster::showEvent(QShowEvent* Ereignis) {
    QDialog::showEvent(Ereignis);
    const QSize schirm = Bildschirmgroesse();
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(QPoint(schirm.width() / 2, schirm.height() / 2));
    move(rahmen.topLeft());
    Weiter->setFocus();
}
