#pragma once
// Showing and hiding texts and labels with a colour fade: the effect record an object
// names, whether effects can play at all, the colours of the steps, and the pause between
// steps.

#include <QColor>

#include <cstdint>
#include <functional>

class QWidget;

// The parts of an effect record (table "Animatio.tab") a fade needs.
struct TEffektangaben {
    bool Vorhanden = false;
    int32_t Typ = 0;             // 1701; 4 is the colour fade
    int32_t Geschwindigkeit = 0; // 1729, pause after each step
    int32_t Schritte = 0;        // 1730
};
constexpr int32_t EffektFarbblende = 4;
constexpr int MaxBlendschritte = 256;
constexpr int32_t MaxBlendpause = 100;

// Effect record `Nr` of the running lesson; not present when there is none.
TEffektangaben EffektLesen(int32_t Nr);

// Effects play only on a learner window that is on the screen, once the first learner
// window has been shown and while no page change waits; otherwise objects simply appear and
// disappear.
bool EffekteSpielbar(const QWidget& Objekt);

// Step `Schritt` of `Schritte` from `Von` to `Nach`: each channel start + i × (end − start) / n,
// rounded to the nearest integer, halves to even.
QColor Blendfarbe(const QColor& Von, const QColor& Nach, int Schritt, int Schritte);

// Runs the fade: for i = 1 … `Schritte` hands the colour of the step to `Schritt` (which
// repaints) and pauses `Pause` units. Lesson data bound neither: more steps than a colour
// channel has values show nothing new, so the steps are cut to MaxBlendschritte and the
// pause to MaxBlendpause, and a damaged effect record cannot freeze the player.
void Farbblende(const QColor& Von, const QColor& Nach, int Schritte, int32_t Pause,
                const std::function<void(const QColor&)>& Schritt);

// The pause between the steps of an effect, through the role `TEffektuhr`.
void EffektPause(int32_t Einheiten);
