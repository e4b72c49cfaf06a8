#pragma once
// The test window (Alt+Ctrl+T): every form of the program with its visibility, the number
// of forms, the bounds of the active form and the current window's menu number, refreshed
// every second while it is open.

#include <QTimer>
#include <QWidget>

class QTableWidget;

class TDebug : public QWidget {
    Q_OBJECT
public:
    static constexpr int Formtag = 37;

    TDebug();
    QTableWidget* StringGrid;
    // Rebuilds the rows.
    void Aktualisieren();

protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

private:
    QTimer Takt;
};
