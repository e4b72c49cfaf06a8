#pragma once
// Windows that remember their place: bounds kept per window tag in the configuration
// table, restored inside the screen.

class QWidget;

// Restores the saved bounds of tag `Fenstertag`, pulled back inside the desktop.
void FensterpositionLaden(QWidget& Fenster, int Fenstertag);
void FensterpositionSpeichern(const QWidget& Fenster, int Fenstertag);
