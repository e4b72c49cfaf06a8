#include "player/THauptfenster.h"

#include "player/Befehle.h"
#include "player/TFensterliste.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

bool FensterGezeigt = false;
bool SeitenwechselAnstehend = false;

QObject*& Hostformular() {
    static QObject* host = nullptr;
    return host;
}

THauptfenster::THauptfenster(QWidget* Eltern) : QWidget(Eltern, Qt::Window) {
    setObjectName(QStringLiteral("Hauptfenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(farben);
    setAutoFillBackground(true);
    move(0, 123);
    resize(800, 570);
}

void THauptfenster::showEvent(QShowEvent* Ereignis) {
    QWidget::showEvent(Ereignis);
    if (!Gezeigt) {
        Gezeigt = true;
        ErstesZeigen();
    }
}

void THauptfenster::ErstesZeigen() {
    auto& liste = TFensterliste::Liste();
    if (liste.Fensteranzahl() == 1) {
        move(0, 123);
        resize(800, 570);
        BefehlSenden(Hostformular(), HostbefehlArt(), HostVerbergen);
    }
    // A window placed beyond the screen's lower right comes back to its edge.
    if (const QScreen* schirm = screen()) {
        const QRect s = schirm->geometry();
        QPoint ecke = pos();
        if (ecke.x() > s.width() - 50) ecke.setX(0);
        if (ecke.y() > s.height() - 50) ecke.setY(0);
        move(ecke);
    }
    FensterGezeigt = true;
    emit ErstmalsGezeigt();
}

void THauptfenster::closeEvent(QCloseEvent* Ereignis) {
    if (!SchliessenErlaubt) {
        Ereignis->ignore();
        BefehlSenden(Hostformular(), HostbefehlArt(), HostFensterSchliessen,
                     TFensterliste::Liste().Position(this));
        return;
    }
    Ereignis->accept();
}
