#include "app/TStartFenster.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
int Offen = 0;
}

TStartFenster::TStartFenster()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("StartFenster"));
    setWindowTitle(QStringLiteral("Velmora"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* titel = new QLabel(QStringLiteral("Velmora"), this);
    QFont schrift = titel->font();
    schrift.setPixelSize(32);
    schrift.setBold(true);
    titel->setFont(schrift);
    titel->setAlignment(Qt::AlignCenter);
    Status = new QLabel(QStringLiteral("Bitte etwas Geduld"), this);
    Status->setAlignment(Qt::AlignCenter);
    Status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setRange(0, 100);
    Fortschritt->setValue(0);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(titel, 1);
    anordnung->addWidget(Status);
    anordnung->addWidget(Fortschritt);
    setFixedSize(400, 180);
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->geometry().center() - rect().center());
    ++Offen;
}

TStartFenster::~TStartFenster() {
    --Offen;
}

bool TStartFenster::StartLaeuft() {
    return Offen > 0;
}

void TStartFenster::StatusSetzen(const QString& Text) {
    Status->setText(Text);
    repaint();
}

void TStartFenster::FortschrittSetzen(int Prozent) {
    Fortschritt->setValue(Prozent);
    Fortschritt->repaint();
}
