#pragma once
// Connects the system values to the running player: answers what they read from the current
// learner window, its objects, the learner data, the learning-management interface and the
// program's switches, and offers the system values that texts, system labels and input
// fields show (`TSystemwertdienst`, put in place by the wiring). The clock is the one in the
// application context.

#include "objects/rollen/TSystemwertdienst.h"
#include "platform/TUhr.h"
#include "script/TSystemwerte.h"
#include "script/TSystemwertquellen.h"

class TSystemwertanbindung : public TSystemwertquellen, public TSystemwertdienst {
public:
    TSystemwertanbindung() = default;
    TSystemwertanbindung(const TSystemwertanbindung&) = delete;
    TSystemwertanbindung& operator=(const TSystemwertanbindung&) = delete;

    std::string Systemwert(int32_t Nr) override;
    std::optional<std::string> SystemwertFuer(int32_t Nr, int32_t Ziel,
                                              int32_t Objektnummer) override;
    void SystemanzeigenAktualisieren() override;

    QSize Bildschirmgroesse() override;
    int BildpunkteProZoll() override;
    int Farbtiefe() override;
    QSize Fenstergroesse() override;
    Fensterzustand Zustand() override;
    int32_t Seitennummer() override;
    int32_t VorherigeSeitennummer() override;
    int Fortschritt() override;
    int Versuchszaehler() override;
    int Fensteranzahl() override;
    int Fensterposition() override;
    int32_t SeiteImErstenFenster() override;
    bool LesezeichenfensterOffen() override;
    bool KlangAn() override;
    bool Ueberschreibmodus() override;
    bool MailserverErreichbar() override;
    TGruppenseiten Gruppenseiten() override;
    bool EndgueltigAbgehakt(int32_t Seite) override;
    std::string Lernplattformwert(int Wert) override;
    int Punktzahl() override;
    int LernzeitBeimStart() override;
    bool LernplattformAktiv() override;
    std::optional<std::string> GeschriebenerWert(int Wert, int32_t Objektnummer) override;
    int LeereZielbereiche() override;
    std::vector<TAuswahl> Auswahlobjekte() override;
    std::optional<QPoint> Objektposition(int32_t Objektnummer) override;
    std::optional<std::string> Eingabefeldinhalt(int32_t Objektnummer) override;

private:
    // Reads the clock in place at every reading (`Rolle<TUhr>()`), so that a clock a test
    // puts in place counts.
    class TKontextuhr : public TUhr {
    public:
        QDateTime Jetzt() const override;
    };
    TKontextuhr Uhr;
    TSystemwerte Werte{*this, Uhr};
};
