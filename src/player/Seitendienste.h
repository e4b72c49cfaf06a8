#pragma once
// Duties of the page build that belong to other parts of the program: menus, glossary
// lists, notes, tick-off marks, learning progress, system labels, drawings, character
// grids, timer objects and simulated status lines. The page build calls them at fixed
// points; each acts on the page objects of its kind. The commands of the learner window
// and the host form reach further parts here: the page evaluation, new learner windows
// and scripts.

#include <cstdint>

class THauptfenster;
struct TObjektliste;

// Menus: the main menu of a menu record (0: no menu bar) and the page's pop-up menu.
void HauptmenueZeigen(THauptfenster& Fenster, int32_t Nr);
void PopupmenueSetzen(THauptfenster& Fenster, int32_t Nr);
// Closes every open menu object of the page.
void MenueobjekteSchliessen(THauptfenster& Fenster);

// Glossary lists of the page are filled with the terms found in the page's texts.
void BegriffslistenFuellen(THauptfenster& Fenster);

// The notes window, when open and not locked, shows the notes of the page.
void NotizenZeigen(int32_t Seitennummer);

// Tick-off objects refresh their mark.
void AbhakmarkenAktualisieren(THauptfenster& Fenster);

// Learner record of a progress page and the recomputed percentage.
void LernfortschrittErfassen(THauptfenster& Fenster);

// Pictures whose animation starts after the page build.
void AnimationenStarten(THauptfenster& Fenster);

// System labels refresh, and drawings of drawing types 200-299 repaint.
void SystemanzeigenAktualisieren(THauptfenster& Fenster);

// Navigation buttons and function buttons follow the page and the history: forward and
// back buttons are enabled as the page order (`Typ` 0) or the history (`Typ` 1) allows;
// history function buttons show their active look when the step is possible.
void NavigationAktualisieren(THauptfenster& Fenster);

// The evaluation of the page's answers; true when the page may be left. Until the page
// holds evaluation objects there is nothing to fail.
bool Auswerten(THauptfenster& Fenster);

// Opens page `Seite` (the current page when 0 or less) in another learner window:
// modeless, modal, or modal with a dialog border.
enum class Fensterart { Ohne, Modal, Dialog };
void FensterOeffnen(THauptfenster& Oeffner, int32_t Seite, Fensterart Art);

// Runs the script an object left pending.
void AnstehendesScriptAusfuehren();

// Timer objects of the page pause (true) or resume (false).
void ZeitgeberAnhalten(THauptfenster& Fenster, bool Anhalten);

// Simulated status lines: overwrite mode toggled by Insert (events 106/107), width.
void StatuszeilenUmschalten(THauptfenster& Fenster);
void StatuszeilenBreiteAnpassen(THauptfenster& Fenster);

// Character grids: arrow keys move the cursor of the active grid; a typed character goes
// into it (true when it was taken).
void ZeichenrasterSchritt(THauptfenster& Fenster, bool Vorwaerts);
bool ZeichenrasterZeichen(THauptfenster& Fenster, char Zeichen);

// An object brought to the front takes the objects that belong to it along (the drop
// shadow of a text).
void BegleiterHeben(TObjektliste& Eintrag);

// Picture and function buttons drop their hover look.
void SchaltflaechenHoverAufheben(THauptfenster& Fenster);
