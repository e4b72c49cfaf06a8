#include "objects/auswahl/Auswahlumgebung.h"

#include "objects/Aktionsdienste.h"
#include "objects/TSeitenfenster.h"
#include "objects/Textdienste.h"
#include "store/Lektion.h"

#include <QByteArray>
#include <QVariant>
#include <QWidget>

namespace {
constexpr uint16_t FeldMenuestatus = 2303;
constexpr const char* BegriffstextEigenschaft = "AktuellerBegriffstext";
} // namespace

void SystemanzeigenAuffrischen() {
    Aktionsdienste().SystemanzeigenAktualisieren();
}

void FokusAnFensterGeben() {
    Aktionsdienste().FokusAnFenster();
}

std::string SystemwertLesen(int32_t Nr) {
    return Systemwert(Nr);
}

int32_t Menuestatus(int32_t Seite) {
    TTabelle* lerner = Tabelle(ArtLerner);
    return lerner ? lerner->LeseZahl(lerner->Datensatz(Seite), FeldMenuestatus) : 0;
}

// The learner window keeps the term with itself, so that every window has its own.
void AktuellenBegriffstextSetzen(TSeitenfenster& Fenster, const std::string& Begriff) {
    if (QWidget* w = Fenster.Fensterwidget())
        w->setProperty(BegriffstextEigenschaft, QByteArray::fromStdString(Begriff));
}

std::string AktuellerBegriffstext(TSeitenfenster& Fenster) {
    QWidget* w = Fenster.Fensterwidget();
    return w ? w->property(BegriffstextEigenschaft).toByteArray().toStdString() : std::string();
}
