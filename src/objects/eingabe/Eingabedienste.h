#pragma once
// What the input fields ask of parts of the program outside the page objects: system
// values, the pop-up point of the menus, the F4 value-help window, and the refresh of system
// labels. Every such request goes through here.

#include <QPoint>

#include <cstdint>
#include <string>

// System value `Nr` as shown by system labels (Windows-1252); empty while no provider is set.
std::string Anzeigewert(int32_t Nr);

// The screen point where menus opened by the next action appear.
void PopuppunktMerken(QPoint Bildschirmpunkt);

// Opens the F4 value-help window for input field `Objektnummer`; nothing happens until the
// window of the simulated application screens is installed.
void F4FensterOeffnen(int32_t Objektnummer);

// The page's system labels show their values anew.
void SystemanzeigenAuffrischen();
