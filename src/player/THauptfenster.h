#pragma once
// The learner window: shows one page of the lesson at a time and is the hub of the
// learner's keyboard and mouse input on it.

#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TFensterdienst.h"
#include "player/Navigation.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
struct TDatensatz;
struct TObjektliste;

class THauptfenster : public QWidget, public TSeitenfenster {
    Q_OBJECT
public:
    explicit THauptfenster(QWidget* Eltern = nullptr);
    ~THauptfenster() override;

    static constexpr int Formtag = 2;

    // Enters a page record: window fields, objects, progress, history, focus, events.
    void SeiteAufbauen(TDatensatz* Seite);

    // Shows the background picture `Dateiname` (directories dropped) from the lesson's
    // media directory and `Bildverzeichnis`; a picture that cannot be loaded is hidden.
    void HintergrundLaden(const std::string& Dateiname);
    // Fields 123 to 126 of a page: picture directory, picture and its place.
    void HintergrundAusSeite(TDatensatz* Seite);

    // Pauses (true) or resumes (false) the timer objects of the page.
    void TimerObjekteAnhalten(bool Anhalten);

    // TSeitenfenster
    QWidget* Fensterwidget() override { return this; }
    void FormMouseDown(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                       QPoint Position) override;
    void FormMouseMove(QObject* Sender, Qt::MouseButtons Knoepfe, Qt::KeyboardModifiers Umschalter,
                       QPoint Position) override;
    void FormMouseUp(QObject* Sender, Qt::MouseButton Knopf, Qt::KeyboardModifiers Umschalter,
                     QPoint Position) override;
    void EreignisAusloesen(int32_t Quelle, int EreignisNr) override;
    TObjektliste* Objektliste() override { return ObjektlisteKopf; }
    void Fensterbefehl(int Code, int32_t Argument) override;
    QLabel* Klickmarker() override { return SAPMarker; }

    // Carries out a window command now; commands arrive through the event queue and come
    // here one at a time.
    void BefehlAusfuehren(int Code, int32_t Argument);
    // Prints the window's picture; returns the PDF file written where there is no printer.
    std::filesystem::path Drucken();

    // The page object list (built by the object list of the page build).
    TObjektliste* ObjektlisteKopf = nullptr;

    // Components.
    QLabel* Prgbitmap;      // the page's background picture
    QTimer Timer;           // deferred page change while an effect runs
    QLineEdit* DummyButton; // takes the focus after each page build
    QLabel* SAPMarker;      // click marker in field texts of simulated screens, hidden

    // State of the window.
    TDatensatz* AktuelleSeite = nullptr;
    int32_t Seitennummer = 0;
    int32_t VorherigeSeitennummer = 0;
    int32_t NaechsteSeite = 0;
    int32_t VorherigeSeiteFeld = 0;
    int32_t WiederaufnahmeSeite = 0;
    int32_t LernwegNachfolger = 0;
    int32_t DefaultSeite = 0;
    int16_t FortschrittProzent = 0;
    bool Feedbackseite = false;
    bool Kacheln = false;
    std::string Hintergrundname;
    bool EffektLaeuft = false;
    bool VerlaufSchritt = false;
    bool SchliessenErlaubt = false; // set by the window list only
    int32_t Startseite = 0;         // page handed over when the window was opened
    int32_t Stapelzaehler = 0;
    QPoint Oeffnerposition; // left and top of the window current when this one opened
    int32_t Menuenummer = 0;
    TVerlaufsliste Verlauf;

    // The window command of the deferred page change comes from this timer's tick.
    void TimerTick();

signals:
    // Emitted once, when the window has been shown for the first time.
    void ErstmalsGezeigt();

protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;
    void customEvent(QEvent* Ereignis) override;
    void moveEvent(QMoveEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void mouseMoveEvent(QMouseEvent* Ereignis) override;
    void mouseReleaseEvent(QMouseEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    void SAPMarkerAnlegen();
    void ErstesZeigen();
    void StartseiteAufbauen();
    void SeitenfelderLesen(TDatensatz* Seite);
    void Platzieren();
    void GrenzenMerken();
    void StapelordnungKorrigieren();
    void FokusobjektSetzen();
    bool TasteGedrueckt(QKeyEvent* Taste);
    bool ZeichenGenommen(char Zeichen);
    void FensterOeffnen(int32_t Seite, Fensterart Art);
    void SeiteAbfragen();
    bool Auswerten();
    bool HintergrundMaus(QEvent* Ereignis);

    // State of the current page that only the window itself reads.
    std::vector<std::string> Objektnummern; // lines of page field 161
    TDatensatz* VorherigeSeite = nullptr;
    int16_t LernwegSpalte = 0;
    int16_t Positionsart = 0;
    QRect Seitenrechteck;
    QRect Fensterrechteck;
    bool Fortschrittsseite = false;
    std::string Bildverzeichnis;
    int32_t Fokusobjekt = 0;
    int Rasterrichtung = 0;
    std::string Lesezeichenvorgabe;
    bool Gezeigt = false;
    bool GeladenGekachelt = false;
    int32_t AufgeschobeneSeite = 0;
    int32_t AbgefragteSeite = 0; // asked for with Alt+Ctrl+S: its caption shows the number
};
