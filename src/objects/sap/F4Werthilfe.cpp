#include "objects/sap/F4Werthilfe.h"

#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/sap/TF4HilfeFenster1.h"

#include <memory>

namespace {
constexpr int F4Geschlossen = 108;

THEditfeld* Eingabefeld(const THEditfeld& Feld, int32_t Nr) {
    TSeitenfenster* fenster = Feld.Fenster();
    TObjektliste* eintrag = fenster ? ObjektMitNummer(fenster->Objektliste(), Nr) : nullptr;
    return eintrag ? qobject_cast<THEditfeld*>(eintrag->Objekt.data()) : nullptr;
}
} // namespace

void F4HilfeZeigen(THEditfeld& Feld, QPointer<TF4HilfeFenster1>& Offen) {
    // An open window is only told to close: its own exec() is still running below us.
    if (Offen) Offen->reject();
    const QPointer<THEditfeld> feld(&Feld);
    QWidget* lernfenster = Feld.window();
    auto* neu = new TF4HilfeFenster1(lernfenster);
    const QPointer<TF4HilfeFenster1> fenster(neu);
    Offen = fenster;
    neu->FuerDatensatz(Feld.F4FensterNr);
    neu->exec();
    // The learner window may have gone, and the window with it.
    if (!fenster) return;
    const std::unique_ptr<TF4HilfeFenster1> fertig(neu);
    if (!feld) return;
    if (!neu->Auswahlwert.isEmpty()) feld->setText(neu->Auswahlwert);
    if (neu->Editfeld2 != 0 && !neu->Auswahlwert2.isEmpty())
        if (THEditfeld* zweites = Eingabefeld(*feld, neu->Editfeld2))
            zweites->setText(neu->Auswahlwert2);
    feld->Ereignis(F4Geschlossen);
}
