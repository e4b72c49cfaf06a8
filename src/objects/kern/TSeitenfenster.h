#pragma once
// What page objects need of the learner window they live in. The learner window
// implements it; objects never see the window's class itself.

#include <QPoint>
#include <Qt>

#include <cstdint>
#include <string>
#include <utility>

class QLabel;
class QObject;
class QWidget;
struct TObjektliste;

class TSeitenfenster {
public:
    virtual ~TSeitenfenster() = default;

    virtual QWidget* Fensterwidget() = 0;

    // The window's own mouse handlers; objects call them with window coordinates.
    virtual void FormMouseDown(QObject* Sender, Qt::MouseButton Knopf,
                               Qt::KeyboardModifiers Umschalter, QPoint Position) = 0;
    virtual void FormMouseMove(QObject* Sender, Qt::MouseButtons Knoepfe,
                               Qt::KeyboardModifiers Umschalter, QPoint Position) = 0;
    virtual void FormMouseUp(QObject* Sender, Qt::MouseButton Knopf,
                             Qt::KeyboardModifiers Umschalter, QPoint Position) = 0;

    // Hands a page event to the page's event objects (source 0: the window itself).
    virtual void EreignisAusloesen(int32_t Quelle, int EreignisNr) = 0;

    // Head of the page object list.
    virtual TObjektliste* Objektliste() = 0;

    // Posts a window command to this window.
    virtual void Fensterbefehl(int Code, int32_t Argument) = 0;

    // The hidden marker label that shows where the learner clicked into a field text of a
    // simulated screen; none for windows without one.
    virtual QLabel* Klickmarker() { return nullptr; }

    // The term the in-page glossary of this window showed last (Windows-1252); it stays
    // across page changes until another is chosen.
    const std::string& AktuellerBegriffstext() const { return Begriffstext; }
    void BegriffGezeigt(std::string Text) { Begriffstext = std::move(Text); }

    // Whether a handler of the window or of one of its objects runs now (`TBehandlung`);
    // while one runs, a page change waits.
    bool BehandlungLaeuft() const { return LaufendeBehandlungen > 0; }

    // The attempt counter of the page evaluation: 1 when the window is made, back to 1 when
    // a page without evaluation objects is built; evaluation objects that take part in one
    // attempt only count it on (16 bits, as stored files and scripts know it).
    int16_t Versuchszaehler() const { return Versuch; }
    void VersuchszaehlerSetzen(int16_t Wert) { Versuch = Wert; }
    void VersuchWeiterzaehlen() { Versuch = static_cast<int16_t>(Versuch + 1); }

    // The object number of the mouse-sensitive area clicked last, which system labels show.
    int32_t ZuletztGeklickteFlaeche() const { return GeklickteFlaeche; }
    void FlaecheGeklickt(int32_t Nr) { GeklickteFlaeche = Nr; }

private:
    friend class TBehandlung;

    std::string Begriffstext;
    int LaufendeBehandlungen = 0;
    int16_t Versuch = 1;
    int32_t GeklickteFlaeche = 0;
};

// The current learner window as the objects see it (`TSeitenfensterwahl`); none before the
// first one exists.
TSeitenfenster* AktuellesSeitenfenster();
