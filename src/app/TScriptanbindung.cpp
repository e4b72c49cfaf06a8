#include "app/TScriptanbindung.h"

#include "actions/Datensatzaktionen.h"
#include "objects/eingabe/THEditfeld.h"
#include "objects/kern/TObjektliste.h"
#include "objects/rollen/TAktionskontext.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "platform/AnsiText.h"
#include "platform/Befehle.h"
#include "platform/Protokoll.h"
#include "platform/TLautsprecher.h"
#include "platform/TUhr.h"
#include "player/Navigation.h"
#include "player/TFensterliste.h"
#include "player/THauptfenster.h"
#include "script/ScriptAusfuehren.h"
#include "store/TAnwendungskontext.h"

#include <QLabel>

namespace {

// The control of object `Nr` on the current page (frames and scroll boxes included).
QWidget* Seitenobjekt(int32_t Nr) {
    const THauptfenster* f = AktuellesFenster();
    const TObjektliste* e = f ? ObjektMitNummer(f->Objektliste(), Nr) : nullptr;
    return e ? e->Objekt.data() : nullptr;
}

THEditfeld* Editfeld(int32_t Nr) {
    return qobject_cast<THEditfeld*>(Seitenobjekt(Nr));
}

} // namespace

void TScriptanbindung::ScriptAusfuehren(const std::string& Dateiname) {
    ::ScriptAusfuehren(Dateiname, *this);
}

void TScriptanbindung::AnstehendesScriptAusfuehren() {
    // A copy: the run clears the pending name when it ends.
    const std::string name = Rolle<TAktionskontext>().AnstehendesScript;
    ScriptAusfuehren(name);
}

bool TScriptanbindung::SeiteVorhanden() {
    const THauptfenster* f = AktuellesFenster();
    return f && f->AktuelleSeite();
}

int32_t TScriptanbindung::Seitennummer() {
    const THauptfenster* f = AktuellesFenster();
    return f ? f->Seitennummer() : 0;
}

bool TScriptanbindung::ObjektAufSeite(int32_t Nr) {
    const THauptfenster* f = AktuellesFenster();
    return f && ObjektMitNummer(f->Objektliste(), Nr);
}

std::string TScriptanbindung::Editfeldtext(int32_t Nr) {
    const THEditfeld* feld = Editfeld(Nr);
    return feld ? QStringNachAnsi(feld->text()) : std::string();
}

void TScriptanbindung::EditfeldtextSetzen(int32_t Nr, const std::string& Text) {
    if (THEditfeld* feld = Editfeld(Nr)) feld->setText(AnsiNachQString(Text));
}

void TScriptanbindung::BefehlSenden(Fensterbefehl Code, int32_t Argument) {
    if (THauptfenster* f = AktuellesFenster()) f->Fensterbefehl(Code, Argument);
}

void TScriptanbindung::ImVerlaufZurueck() {
    if (THauptfenster* f = AktuellesFenster()) Navigation::VerlaufZurueck(*f);
}

void TScriptanbindung::ObjektZeigen(int32_t Nr) {
    Rolle<TLernfensterdienst>().ObjektZeigen(Nr, false);
}

void TScriptanbindung::NachVorn(int32_t Nr) {
    if (QWidget* objekt = Seitenobjekt(Nr)) objekt->raise();
}

// The background picture stays the bottom-most control of the window.
void TScriptanbindung::NachHinten(int32_t Nr) {
    QWidget* objekt = Seitenobjekt(Nr);
    if (!objekt) return;
    objekt->lower();
    if (THauptfenster* f = AktuellesFenster(); f && f->Hintergrundbild())
        f->Hintergrundbild()->lower();
}

void TScriptanbindung::F4HilfeOeffnen(int32_t Nr) {
    if (THEditfeld* feld = Editfeld(Nr)) feld->F4HilfeOeffnen();
}

void TScriptanbindung::ObjektInDatensatz(int32_t Objekt, int32_t Datensatz) {
    ::ObjektInDatensatz(Objekt, Datensatz);
}

void TScriptanbindung::DatensatzInObjekt(int32_t Objekt, int32_t Datensatz) {
    ::DatensatzInObjekt(Objekt, Datensatz);
}

void TScriptanbindung::Beep(uint16_t Frequenz, uint16_t Dauer) {
    Rolle<TLautsprecher>().Ton(Frequenz, Dauer);
}

// Changing the frame hides a shown window; it is shown again at once.
void TScriptanbindung::Titelzeile(bool Mit) {
    THauptfenster* f = AktuellesFenster();
    if (!f) return;
    const bool sichtbar = f->isVisible();
    f->setWindowFlag(Qt::FramelessWindowHint, !Mit);
    if (sichtbar) f->show();
}

void TScriptanbindung::Autorenprotokoll(const std::string& Zeile) {
    Protokollieren(Zeile);
}

void TScriptanbindung::AnstehendesScriptLoeschen() {
    Rolle<TAktionskontext>().AnstehendesScript.clear();
}

std::time_t TScriptanbindung::Jetzt() {
    return static_cast<std::time_t>(Rolle<TUhr>().Jetzt().toSecsSinceEpoch());
}
