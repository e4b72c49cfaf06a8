#pragma once
// The F4 value-help window: the values of one record of the F4 help table in columns, from
// which the learner picks a row; the row's values of the active columns are what the window
// returns. It is shown modally for one use; Enter, a double click or the select button
// close it with the chosen values, Escape, F12 or the cancel button with none.

#include "objects/sap/TF4Werte.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QScrollArea;
class QToolButton;
class TF4Werteflaeche;

class TF4HilfeFenster1 : public QDialog {
    Q_OBJECT
public:
    static constexpr int Formtag = 16;
    static constexpr int Knopfanzahl = 8;
    enum Knopfnummer { Auswaehlen = 0, Abbrechen = 7 };

    // `Lernfenster`: the learner window the record's place is relative to.
    explicit TF4HilfeFenster1(QWidget* Lernfenster);

    // Prepares the window for record `Nr` of the F4 help table; nothing is prepared when the
    // record does not exist.
    void FuerDatensatz(int32_t Nr);

    // What the window returns, read after it closed.
    QString Auswahlwert;
    QString Auswahlwert2;
    int32_t Editfeld2 = 0;

    const TF4Werte& Werte() const { return Raster; }
    TF4Werteflaeche* Werteflaeche() const { return Flaeche; }
    QScrollArea* Wertebereich() const { return Bereich; }
    QToolButton* Knopf(int Nr) const { return Knoepfe[static_cast<size_t>(Nr)]; }
    QLabel* Kopf() const { return Kopftext; }
    // Top of the header row in the window.
    int Kopfzeilenoben() const;

    // Cancelling clears both chosen values.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* Taste) override;
    // The value area's scroll area would take the arrow keys for itself.
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;

private:
    void KnoepfeAnlegen();
    void KnoepfeSchalten(const std::string& Tasten);
    void KopftextSetzen(const QString& Text);
    void Anordnen();
    void Waehlen(int Zeile, int Spalte);
    void Bewegen(int Zeilen, int Spalten);
    bool TasteBehandeln(int Taste);
    int SichtbareZeilen() const;
    bool WenigeFarben() const;

    QWidget* Lernfenster;
    TF4Werte Raster;
    QLabel* Kopftext;
    QScrollArea* Bereich;
    TF4Werteflaeche* Flaeche;
    std::array<QToolButton*, Knopfanzahl> Knoepfe{};
};
