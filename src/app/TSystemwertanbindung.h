#pragma once
// Connects the system values to the running player: answers what they read from the current
// learner window, its objects, the learner data and the program's switches, and for its
// lifetime is the provider of the system values that texts, system labels and input fields
// show.

#include "platform/TUhr.h"
#include "script/TSystemwerte.h"
#include "script/TSystemwertquellen.h"

class TSystemwertanbindung : public TSystemwertquellen {
public:
    explicit TSystemwertanbindung(const TUhr& Uhr);
    ~TSystemwertanbindung() override;
    TSystemwertanbindung(const TSystemwertanbindung&) = delete;
    TSystemwertanbindung& operator=(const TSystemwertanbindung&) = delete;

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
    bool MailserverErreichbar() override;
    TGruppenseiten Gruppenseiten() override;
    bool EndgueltigAbgehakt(int32_t Seite) override;
    std::optional<std::string> GeschriebenerWert(int Wert, int32_t Objektnummer) override;
    int LeereZielbereiche() override;
    std::vector<TAuswahl> Auswahlobjekte() override;
    std::optional<QPoint> Objektposition(int32_t Objektnummer) override;

private:
    TSystemwerte Werte;
};
