#pragma once
// What the system values read from the running player: the screen, the current learner
// window and its page, the objects of the page, the learner data and the learning-management
// interface. The program answers through one implementation; this base answers as a player
// without window, page or learner would (0, empty, none), so every part that has not joined
// the program yet reads as absent. Texts are Windows-1252.

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TSystemwertquellen {
public:
    virtual ~TSystemwertquellen() = default;

    enum class Fensterzustand { Normal, Minimiert, Maximiert };
    // A choice object of the page (check box, radio button, mouse-sensitive area, selection
    // field, picture check box, marking label), in list order.
    struct TAuswahl {
        bool Bewertung = false; // takes part in the evaluation
        bool Gewaehlt = false;
    };
    // The character cells of the page (drawing type 201).
    struct TZeichenzellen {
        int Anzahl = 0, Leer = 0, Gefuellt = 0, Richtig = 0, Falsch = 0;
    };
    struct TTabellenzelle {
        int32_t Zeile = 0, Spalte = 0;
        std::string Text;
    };
    // Pages whose `GroupIndex` (115) is "1": all, open ones, those not finally checked off.
    struct TGruppenseiten {
        int Alle = 0, Offen = 0, Unerledigt = 0;
    };

    // Screen.
    virtual QSize Bildschirmgroesse() { return {}; }
    virtual int BildpunkteProZoll() { return 0; }
    virtual int Farbtiefe() { return 0; }

    // The current learner window and its page.
    virtual QSize Fenstergroesse() { return {}; }
    virtual Fensterzustand Zustand() { return Fensterzustand::Normal; }
    virtual int32_t Seitennummer() { return 0; }
    virtual int32_t VorherigeSeitennummer() { return 0; }
    virtual int Fortschritt() { return 0; }
    virtual int Versuchszaehler() { return 0; }
    // Open learner windows, the current one's place among them (from 1), the page of the
    // first one.
    virtual int Fensteranzahl() { return 0; }
    virtual int Fensterposition() { return 0; }
    virtual int32_t SeiteImErstenFenster() { return 0; }

    // Switches and connections of the program.
    virtual bool LesezeichenfensterOffen() { return false; }
    virtual bool KlangAn() { return false; }
    // Opens and closes a connection to the configured mail server at once.
    virtual bool MailserverErreichbar() { return false; }
    // Overwrite is the mode at start.
    virtual bool Ueberschreibmodus() { return true; }

    // Learner data.
    virtual TGruppenseiten Gruppenseiten() { return {}; }
    virtual bool EndgueltigAbgehakt(int32_t /*Seite*/) { return false; }

    // Learning-management interface: values 300-304 and 307-313 as read at start, the
    // score, the learning time read at start (seconds) and whether the interface is active.
    virtual std::string Lernplattformwert(int /*Wert*/) { return {}; }
    virtual int Punktzahl() { return 0; }
    virtual int LernzeitBeimStart() { return 0; }
    virtual bool LernplattformAktiv() { return false; }

    // Values written by objects of the page: 30 (the text of the label clicked last), 1006
    // (the mouse-sensitive area clicked last), 220-228 (what the function area `Objektnummer`
    // wrote). None while nothing has been written.
    virtual std::optional<std::string> GeschriebenerWert(int /*Wert*/, int32_t /*Objektnummer*/) {
        return std::nullopt;
    }

    // Objects of the page, by number; none when the page has no such object of that kind.
    virtual std::optional<int> RestlicheLaeufe(int32_t /*Zeitgeber*/) { return std::nullopt; }
    // 1000 scroll bar position, 1001/1002 horizontal/vertical position of a scroll box.
    virtual std::optional<int> Bildlaufposition(int /*Wert*/, int32_t /*Objektnummer*/) {
        return std::nullopt;
    }
    virtual int LeereZielbereiche() { return 0; }
    virtual std::vector<TAuswahl> Auswahlobjekte() { return {}; }
    virtual TZeichenzellen Zeichenzellen() { return {}; }
    // Distance of the last hit test from line object `Objektnummer`; none when it was not hit.
    virtual std::optional<int> Trefferabstand(int32_t /*Objektnummer*/) { return std::nullopt; }
    virtual std::optional<TTabellenzelle> Tabellenzelle(int32_t /*Objektnummer*/) {
        return std::nullopt;
    }
    virtual std::optional<QPoint> Objektposition(int32_t /*Objektnummer*/) { return std::nullopt; }
    // The text of input field `Objektnummer`.
    virtual std::optional<std::string> Eingabefeldinhalt(int32_t /*Objektnummer*/) {
        return std::nullopt;
    }
};
