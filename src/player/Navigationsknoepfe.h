#pragma once
// The navigation buttons and function buttons of a page follow where the learner stands
// in the lesson and in the window's history; picture and function buttons drop the look
// of being pointed at when the mouse moves over the window itself.

#include "objects/knoepfe/Navigationslage.h"

class THauptfenster;

// First and last page by page number, and the steps the window's history allows.
TNavigationslage Navigationslage(const THauptfenster& Fenster);

// Every forward and back button and every history function button of the page, in deep
// order, is enabled or shows its active look as far as its step is possible.
void NavigationsknoepfeAktualisieren(THauptfenster& Fenster);

// Every picture button shows its normal picture, every function button the picture of its
// present state.
void BildknoepfeZuruecksetzen(THauptfenster& Fenster);

// Sound switched on: every sound function button of the page shows its stopped look, ready
// to play.
void KlangknoepfeBereit(THauptfenster& Fenster);
