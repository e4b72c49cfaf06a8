#include "objects/knoepfe/Klang.h"

#include "objects/rollen/TKlangdienst.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/TAnwendungskontext.h"
#include "store/TTabelle.h"

void KlangAbspielen(const std::filesystem::path& Datei) {
    Rolle<TKlangdienst>().KlangAbspielen(Datei);
}

bool Klangschalter() {
    return Rolle<TKlangdienst>().Klangschalter();
}

void HostmedienAnhalten() {
    Rolle<TKlangdienst>().HostmedienAnhalten();
}

void HostmedienAbspielen() {
    Rolle<TKlangdienst>().HostmedienAbspielen();
}

std::filesystem::path Klickeffektdatei(int32_t Effektnummer) {
    if (Effektnummer == 0) return {};
    TTabelle* effekte = Tabelle(ArtEffekte);
    TDatensatz* satz = effekte ? effekte->Datensatz(Effektnummer) : nullptr;
    if (!satz || effekte->LeseZahl(satz, Feld::Effekte::Typ) != 1) return {};
    return LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis,
                               effekte->LeseText(satz, Feld::Effekte::SounddateiPfad) +
                                   effekte->LeseText(satz, Feld::Effekte::SounddateiName));
}

void KlickeffektAbspielen(int32_t Effektnummer) {
    const std::filesystem::path datei = Klickeffektdatei(Effektnummer);
    if (!datei.empty()) KlangAbspielen(datei);
}
