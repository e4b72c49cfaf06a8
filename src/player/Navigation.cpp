#include "player/Navigation.h"

#include "player/THauptfenster.h"
#include "store/Lektion.h"

#include <exception>

TDatensatz* SeiteMitNummer(int32_t Nr) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!seiten) return nullptr;
    for (TDatensatz* s = seiten->Erster(); s; s = s->Naechster)
        if (seiten->LeseZahl(s, 100) == Nr) return s;
    return nullptr;
}

bool SeiteVorhanden(int32_t Nr) { return SeiteMitNummer(Nr) != nullptr; }

void SeiteWaehlen(THauptfenster& Fenster, TDatensatz* Seite) {
    if (!Seite) return;
    Fenster.AktuelleSeite = Seite;
    try {
        Fenster.SeiteAufbauen(Seite);
    } catch (const std::exception&) {
        // A build that fails part-way leaves the page as far as it got.
    }
}

void GeheZuSeite(THauptfenster& Fenster, int32_t Nr) {
    if (TDatensatz* seite = SeiteMitNummer(Nr))
        SeiteWaehlen(Fenster, seite);
    else
        ErsteSeite(Fenster);
}

void ErsteSeite(THauptfenster& Fenster) {
    TTabelle* seiten = Tabelle(ArtSeiten);
    if (!seiten) return;
    TDatensatz* erste = nullptr;
    int32_t kleinste = 0;
    for (TDatensatz* s = seiten->Erster(); s; s = s->Naechster) {
        const int32_t nr = seiten->LeseZahl(s, 100);
        if (!erste || nr < kleinste) {
            erste = s;
            kleinste = nr;
        }
    }
    SeiteWaehlen(Fenster, erste);
}

TVerlaufsliste::~TVerlaufsliste() {
    while (Aeltester) {
        TVerlauf* naechster = Aeltester->Neuer;
        delete Aeltester;
        Aeltester = naechster;
    }
}

void TVerlaufsliste::NeuereFreigeben() {
    while (Neuester && Neuester != Verlaufszeiger) {
        TVerlauf* aelter = Neuester->Aelter;
        if (aelter) aelter->Neuer = nullptr;
        delete Neuester;
        Neuester = aelter;
    }
}

void TVerlaufsliste::VerlaufEintragen(int32_t Nr) {
    if (Verlaufszeiger && Verlaufszeiger->Seite == Nr) return;
    auto* neu = new TVerlauf{Nr, nullptr, nullptr};
    if (Verlaufszeiger) {
        NeuereFreigeben();
        Verlaufszeiger->Neuer = neu;
        neu->Aelter = Verlaufszeiger;
    }
    if (!Aeltester) Aeltester = neu;
    Neuester = neu;
    Verlaufszeiger = neu;
}

void VerlaufZurueck(THauptfenster& Fenster) {
    TVerlaufsliste& v = Fenster.Verlauf;
    if (!v.Verlaufszeiger || !v.Verlaufszeiger->Aelter) return;
    v.Verlaufszeiger = v.Verlaufszeiger->Aelter;
    Fenster.VerlaufSchritt = true;
    GeheZuSeite(Fenster, v.Verlaufszeiger->Seite);
}

void VerlaufVor(THauptfenster& Fenster) {
    TVerlaufsliste& v = Fenster.Verlauf;
    if (!v.Verlaufszeiger || !v.Verlaufszeiger->Neuer) return;
    v.Verlaufszeiger = v.Verlaufszeiger->Neuer;
    Fenster.VerlaufSchritt = true;
    GeheZuSeite(Fenster, v.Verlaufszeiger->Seite);
}
