#include "objects/kern/Farbblende.h"

#include "objects/rollen/TEffektuhr.h"
#include "objects/rollen/TLernfensterdienst.h"
#include "store/Datenlexikon.h"
#include "store/Feldnummern.h"
#include "store/Lektion.h"
#include "store/TAnwendungskontext.h"

#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

int Kanal(int Von, int Nach, int Schritt, int Schritte) {
    return static_cast<int>(std::nearbyint(Von + Schritt * double(Nach - Von) / Schritte));
}

} // namespace

TEffektangaben EffektLesen(int32_t Nr) {
    TEffektangaben e;
    TTabelle* effekte = Tabelle(ArtEffekte);
    TDatensatz* satz = effekte && Nr != 0 ? effekte->Datensatz(Nr) : nullptr;
    if (!satz) return e;
    e.Vorhanden = true;
    e.Typ = effekte->LeseZahl(satz, Feld::Effekte::Typ);
    e.Geschwindigkeit = effekte->LeseZahl(satz, Feld::Effekte::Geschwindigkeit1729);
    e.Schritte = effekte->LeseZahl(satz, Feld::Effekte::Schritte);
    return e;
}

bool EffekteSpielbar(const QWidget& Objekt) {
    return Objekt.window() != &Objekt && Objekt.window()->isVisible() &&
           Rolle<TLernfensterdienst>().EffekteAktiv();
}

QColor Blendfarbe(const QColor& Von, const QColor& Nach, int Schritt, int Schritte) {
    return QColor(Kanal(Von.red(), Nach.red(), Schritt, Schritte),
                  Kanal(Von.green(), Nach.green(), Schritt, Schritte),
                  Kanal(Von.blue(), Nach.blue(), Schritt, Schritte));
}

void Farbblende(const QColor& Von, const QColor& Nach, int Schritte, int32_t Pause,
                const std::function<void(const QColor&)>& Schritt) {
    Schritte = std::min(Schritte, MaxBlendschritte);
    Pause = std::clamp(Pause, int32_t{0}, MaxBlendpause);
    for (int i = 1; i <= Schritte; ++i) {
        Schritt(Blendfarbe(Von, Nach, i, Schritte));
        EffektPause(Pause);
    }
}

void TEffektuhr::EffektPause(int32_t Einheiten) {
    if (Einheiten > 0) QThread::msleep(static_cast<unsigned long>(Einheiten));
}

void EffektPause(int32_t Einheiten) {
    Rolle<TEffektuhr>().EffektPause(Einheiten);
}
