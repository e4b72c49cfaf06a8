#include "evaluation/Auswertungspruefung.h"

#include "evaluation/TBedingungsfehler.h"
#include "objects/auswahl/TAuswahlobjekt.h"
#include "objects/auswertung/THAuswertung.h"
#include "objects/bereiche/THMouseSensitive.h"
#include "objects/eingabe/THSB_Editfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "platform/AnsiText.h"
#include "store/Zahlen.h"

#include <cstdlib>
#include <vector>

namespace {

// The entries as numbers, all of them read before any is used.
std::vector<int32_t> Bedingungen(const THAuswertung& Objekt) {
    std::vector<int32_t> zahlen;
    zahlen.reserve(static_cast<size_t>(Objekt.sl.size()));
    for (const QString& eintrag : Objekt.sl) {
        const std::optional<int32_t> zahl = Zahlen::Umrahmt(QStringNachAnsi(eintrag));
        if (!zahl)
            throw TBedingungsfehler(Objekt.Tag, AnsiNachQString(Objekt.Beschreibung).toStdString(),
                                    eintrag.toStdString());
        zahlen.push_back(*zahl);
    }
    return zahlen;
}

// The object `Nr` of the evaluated list, else of the whole page.
TObjektliste* Gesucht(TSeitenfenster& Fenster, TObjektliste* Liste, int32_t Nr) {
    if (TObjektliste* e = ObjektMitNummer(Liste, Nr)) return e;
    return Liste == Fenster.Objektliste() ? nullptr : ObjektMitNummer(Fenster.Objektliste(), Nr);
}

bool Erfuellt(TSeitenfenster& Fenster, TObjektliste* Liste, const std::vector<int32_t>& Zahlen) {
    if (Zahlen.empty()) return false;
    for (const int32_t zahl : Zahlen) {
        const TObjektliste* e = Gesucht(Fenster, Liste, std::abs(zahl));
        if (!e || !e->Objekt || Gewaehlt(*e) != (zahl > 0)) return false;
    }
    return true;
}

} // namespace

bool Gewaehlt(const TObjektliste& Eintrag) {
    const QWidget* w = Eintrag.Objekt.data();
    if (const auto* flaeche = qobject_cast<const THMouseSensitive*>(w)) return flaeche->Markiert();
    if (const auto* feld = qobject_cast<const THSB_Editfeld*>(w)) return feld->Markiert();
    if (const auto* auswahl = dynamic_cast<const TAuswahlobjekt*>(Eintrag.Seitenobjekt()))
        return auswahl->Gewaehlt();
    return false;
}

bool AuswertungPruefen(TSeitenfenster& Fenster, const THAuswertung& Objekt, TObjektliste* Liste) {
    if (Objekt.Versuch > 0 && Fenster.Versuchszaehler() != Objekt.Versuch) return false;
    const std::vector<int32_t> zahlen = Bedingungen(Objekt);
    const bool erfuellt = Erfuellt(Fenster, Liste, zahlen);
    if (Objekt.Versuch > 0 && Objekt.Typ > 0) Fenster.VersuchWeiterzaehlen();
    return erfuellt;
}
