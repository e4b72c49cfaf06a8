#include "player/Fenstergeometrie.h"

#include "store/Config.h"
#include "store/Lektion.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

TBildschirmflaeche Bildschirm(const QWidget& Fenster) {
    const QScreen* s = Fenster.screen() ? Fenster.screen() : QGuiApplication::primaryScreen();
    if (!s) return {800, 600};
    return {s->availableVirtualGeometry().width(), s->geometry().height()};
}

} // namespace

void FensterpositionLaden(QWidget& Fenster, int Fenstertag) {
    TTabelle* config = Tabelle(ArtKonfiguration);
    if (!config) return;
    const TFenstergrenzen jetzt{Fenster.x(), Fenster.y(), Fenster.width(), Fenster.height()};
    const TFenstergrenzen g = FensterpositionLesen(*config, Fenstertag, jetzt, Bildschirm(Fenster));
    if (g == jetzt) return;
    Fenster.move(g.Links, g.Oben);
    Fenster.resize(g.Breite, g.Hoehe);
}

void FensterpositionSpeichern(const QWidget& Fenster, int Fenstertag) {
    if (TTabelle* config = Tabelle(ArtKonfiguration))
        FensterpositionSchreiben(*config, Fenstertag,
                                 {Fenster.x(), Fenster.y(), Fenster.width(), Fenster.height()});
}
