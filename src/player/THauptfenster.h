#pragma once
// The learner window: shows one page of the lesson at a time and is the hub of the
// learner's keyboard and mouse input on it.

#include "objects/kern/TObjektliste.h"
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
    TObjektliste* Objektliste() override { return Objekte.Kopf(); }
    TObjektliste* Objektliste() const { return Objekte.Kopf(); }
    void Fensterbefehl(int Code, int32_t Argument) override;
    QLabel* Klickmarker() override { return SAPMarker; }

    // Carries out a window command now; commands arrive through the event queue and come
    // here one at a time.
    void BefehlAusfuehren(int Code, int32_t Argument);
    // Prints the window's picture; returns the PDF file written where there is no printer.
    std::filesystem::path Drucken();

    // The page object list, which the page build fills.
    TObjektreihe& Objektreihe() { return Objekte; }
    // The stacking number of the next object created on this window.
    int32_t NaechsteStapelnummer() { return ++Stapelzaehler; }
    // The hidden line edit that takes the focus after each page build and before objects go.
    QWidget* Fokushalter() const;
    // The background picture (a label under every object), the file name the page gives
    // for it (empty: none shown) and whether it is tiled over the window.
    QLabel* Hintergrundbild() const { return Prgbitmap; }
    const std::string& Hintergrunddatei() const { return Hintergrundname; }
    bool HintergrundGekachelt() const { return Kacheln; }

    // The current page: its record (chosen before its build begins), number and the page
    // numbers its record names. All are 0 (none) before the first page.
    TDatensatz* AktuelleSeite() const { return Seitenstand.Seite; }
    void AktuelleSeiteWaehlen(TDatensatz* Seite) { Seitenstand.Seite = Seite; }
    int32_t Seitennummer() const { return Seitenstand.Nummer; }
    int32_t VorherigeSeitennummer() const { return Seitenstand.VorherigeNummer; }
    int32_t NaechsteSeite() const { return Seitenstand.Naechste; }
    int32_t VorherigeSeiteFeld() const { return Seitenstand.Vorherige; }
    int32_t WiederaufnahmeSeite() const { return Seitenstand.Wiederaufnahme; }
    int32_t LernwegNachfolger() const { return Seitenstand.Lernwegnachfolger; }
    int32_t DefaultSeite() const { return Seitenstand.Vorgabe; }
    bool Feedbackseite() const { return Seitenstand.Feedback; }
    int32_t Menuenummer() const { return Seitenstand.Menue; }
    // The learner's progress in percent, as the progress gauges of the page show it.
    int16_t FortschrittProzent() const { return Seitenstand.Fortschritt; }
    void FortschrittAnzeigen(int16_t Prozent) { Seitenstand.Fortschritt = Prozent; }

    // The pages visited; a step back or forward through it announces itself first, so that
    // the page it builds is not recorded again.
    TVerlaufsliste& Verlauf() { return Verlaufsliste; }
    const TVerlaufsliste& Verlauf() const { return Verlaufsliste; }
    void VerlaufsschrittAnkuendigen() { VerlaufSchritt = true; }
    bool VerlaufsschrittAngekuendigt() const { return VerlaufSchritt; }

    // What the window that opens this one hands over: the page to start with (0: the
    // lesson's start page) and its own left and top, to which this window's place is
    // relative.
    void OeffnungVorgeben(int32_t Startseite, QPoint Oeffnerposition = {});

    // A running effect holds page changes back; the effects report it here.
    bool EffektLaeuft() const { return EffektAktiv; }
    void EffektLaeuftMelden(bool Laeuft) { EffektAktiv = Laeuft; }
    // True while a page change waits for a running effect or handler.
    bool SeitenwechselAufgeschoben() const { return Timer.isActive(); }
    // How long the deferred page change waits before it asks again, in milliseconds.
    int Aufschubintervall() const { return Timer.interval(); }

    // Whether the window may close now; the window list decides, a close otherwise asks
    // first.
    bool SchliessenErlaubt() const { return Schliessbar; }
    void SchliessenErlauben(bool Erlaubt) { Schliessbar = Erlaubt; }

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

    TObjektreihe Objekte;

    // Components.
    QLabel* Prgbitmap;      // the page's background picture
    QTimer Timer;           // deferred page change while an effect runs
    QLineEdit* DummyButton; // takes the focus after each page build
    QLabel* SAPMarker;      // click marker in field texts of simulated screens, hidden

    // What the current page's record says, read at each page build, and what the window
    // derives from it.
    struct TSeitenstand {
        TDatensatz* Seite = nullptr;
        int32_t Nummer = 0;
        int32_t VorherigeNummer = 0;
        int32_t Naechste = 0;  // field "next page"
        int32_t Vorherige = 0; // field "previous page"
        int32_t Wiederaufnahme = 0;
        int32_t Lernwegnachfolger = 0;
        int32_t Vorgabe = 0; // default page
        int32_t Menue = 0;
        int16_t Fortschritt = 0;
        bool Feedback = false;
    } Seitenstand;
    TVerlaufsliste Verlaufsliste;
    bool VerlaufSchritt = false;
    bool EffektAktiv = false;
    bool Schliessbar = false;
    bool Kacheln = false;
    std::string Hintergrundname;
    int32_t Startseite = 0; // page handed over when the window was opened
    int32_t Stapelzaehler = 0;
    QPoint Oeffnerposition; // left and top of the window current when this one opened

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
