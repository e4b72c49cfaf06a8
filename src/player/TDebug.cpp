#include "player/TDebug.h"

#include "player/Fenstergeometrie.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

TDebug::TDebug() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Debug"));
    setWindowTitle(QStringLiteral("Testfenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    StringGrid = new QTableWidget(0, 2, this);
    StringGrid->horizontalHeader()->hide();
    StringGrid->verticalHeader()->hide();
    StringGrid->horizontalHeader()->setStretchLastSection(true);
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(StringGrid);
    Takt.setInterval(1000);
    connect(&Takt, &QTimer::timeout, this, &TDebug::Aktualisieren);
    move(200, 200);
    resize(300, 500);
    FensterpositionLaden(*this, Formtag);
}

void TDebug::Aktualisieren() {
    std::vector<std::pair<QString, QString>> zeilen;
    const QWidgetList formen = QApplication::topLevelWidgets();
    for (const QWidget* form : formen)
        zeilen.emplace_back(form->objectName(), form->isVisible()
                                                    ? QStringLiteral("sichtbar")
                                                    : QStringLiteral("nicht sichtbar"));
    zeilen.emplace_back(QStringLiteral("Fensteranzahl"), QString::number(formen.size()));
    const QWidget* aktiv = QApplication::activeWindow();
    const QRect r = aktiv ? aktiv->geometry() : QRect();
    zeilen.emplace_back(QStringLiteral("left"), QString::number(aktiv ? aktiv->x() : 0));
    zeilen.emplace_back(QStringLiteral("top"), QString::number(aktiv ? aktiv->y() : 0));
    zeilen.emplace_back(QStringLiteral("width"), QString::number(r.width()));
    zeilen.emplace_back(QStringLiteral("height"), QString::number(r.height()));
    const THauptfenster* fenster = AktuellesFenster();
    zeilen.emplace_back(QStringLiteral("Menünummer"),
                        QString::number(fenster ? fenster->Menuenummer() : 0));
    StringGrid->setRowCount(static_cast<int>(zeilen.size()));
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        StringGrid->setItem(i, 0, new QTableWidgetItem(zeilen[i].first));
        StringGrid->setItem(i, 1, new QTableWidgetItem(zeilen[i].second));
    }
}

void TDebug::showEvent(QShowEvent* Ereignis) {
    QWidget::showEvent(Ereignis);
    Aktualisieren();
    Takt.start();
}

void TDebug::closeEvent(QCloseEvent* Ereignis) {
    FensterpositionSpeichern(*this, Formtag);
    Takt.stop();
    Ereignis->accept();
}
