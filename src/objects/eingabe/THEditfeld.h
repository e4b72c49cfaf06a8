#pragma once
// The input field of a page: besides the checked typing of its base it overwrites instead of
// inserting when asked, marks itself while it is mandatory and empty, offers the F4 value
// help, and counts the learner's attempts when the page is evaluated: `AntwortPruefen`
// turns the typed text into an answer code from the answer-code table.

#include "objects/eingabe/THEingabezeile.h"
#include "objects/eingabe/THF4Button.h"

#include <QPointer>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;

// One answer code of the field and how often it may still be given.
struct TACListe {
    std::string AnswerCode;
    int32_t Versuche = 0;
};

class THEditfeld : public THEingabezeile {
    Q_OBJECT
    Q_PROPERTY(bool MussFeld READ MussFeld WRITE MussFeldSetzen)
    Q_PROPERTY(bool Markierung READ Markierung WRITE MarkierungSetzen)
    Q_PROPERTY(int VersucheGesamt READ VersucheGesamt WRITE VersucheGesamtSetzen)
    Q_PROPERTY(int VersucheU1 READ VersucheU1 WRITE VersucheU1Setzen)
    Q_PROPERTY(int VersucheL READ VersucheL WRITE VersucheLSetzen)
public:
    explicit THEditfeld(QWidget* Eltern = nullptr);
    ~THEditfeld() override;

    bool MussFeld() const { return Pflicht; }
    void MussFeldSetzen(bool Wert);
    bool Markierung() const { return Markiert; }
    void MarkierungSetzen(bool Wert);
    int32_t VersucheGesamt() const { return Gesamt; }
    void VersucheGesamtSetzen(int32_t Wert);
    int32_t VersucheU1() const { return Unerwartet; }
    void VersucheU1Setzen(int32_t Wert);
    int32_t VersucheL() const { return Leer; }
    void VersucheLSetzen(int32_t Wert);
    int32_t RestVersuche() const { return Rest; }

    int32_t TextNrUnerwartet = 0; // 1233
    int32_t TextNrLeer = 0;       // 1234
    int32_t Rueckmeldung = 0;     // feedback text number of the last check
    bool F4Hilfe = false;         // 1244
    int32_t F4FensterNr = 0;      // 1253
    int32_t Layout = 0;           // 1287
    const std::vector<TACListe>& Antwortliste() const { return Antworten; }

    // The answer check of the page evaluation: "leer", "unerwartet" or the answer code of a
    // matching record; the feedback text number stays in `Rueckmeldung`.
    std::string AntwortPruefen();
    // Whether some answer-code record names this field.
    bool HatAntwortcodes() const;
    // The counters of the answer check, so that an evaluation that had to be abandoned can
    // leave the field as it found it.
    struct TZaehlerstand {
        int32_t Gesamt, Unerwartet, Leer, Rest, Rueckmeldung;
        std::vector<TACListe> Antworten;
    };
    TZaehlerstand Zaehlerstand() const {
        return {Gesamt, Unerwartet, Leer, Rest, Rueckmeldung, Antworten};
    }
    void ZaehlerstandSetzen(const TZaehlerstand& Stand);
    // Opens the F4 value help of the field, then raises event 220.
    void F4HilfeOeffnen();

    bool UeberschreibModus() const { return Ueberschreiben; }
    // The hook through which the program-wide overwrite mode reaches the field.
    void UeberschreibModusSetzen(bool Wert) { Ueberschreiben = Wert; }

    QLabel* Pflichtmarke() const { return Marke; }
    QLabel* Markierungsbild() const { return Markierer; }
    QWidget* Rahmen() const { return Rahmenform; }
    THF4Button* F4Knopf() const { return Knopf; }

protected:
    void FeldAnwenden(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) override;
    bool ZeichenBehandeln(QChar Zeichen) override;
    void keyPressEvent(QKeyEvent* Taste) override;
    void focusInEvent(QFocusEvent* Ereignis) override;
    void focusOutEvent(QFocusEvent* Ereignis) override;
    void MausGedrueckt(QMouseEvent& Ereignis) override;

private:
    void AntwortlisteAufbauen();
    std::string AntwortSuchen();
    void AntwortZaehlen(const std::string& Code);
    void LayoutSetzen(int32_t Wert);
    void RahmenSetzen(bool Sichtbar);
    void F4KnopfAnlegen();
    void F4KnopfEntfernen();

    bool Pflicht = false;
    bool Markiert = false;
    bool Ueberschreiben = false;
    int32_t Gesamt = 0;
    int32_t Unerwartet = 0;
    int32_t Leer = 0;
    int32_t Rest = 0;
    std::vector<TACListe> Antworten; // reverse table order
    QLabel* Marke;
    QLabel* Markierer;
    QPointer<QWidget> Rahmenform;
    QPointer<THF4Button> Knopf;
};
