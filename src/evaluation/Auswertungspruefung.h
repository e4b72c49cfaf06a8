#pragma once
// The judgement of one evaluation object: whether it takes part in this attempt, whether
// the choices on the page meet its condition, and the counting on of the attempt.

class THAuswertung;
class TSeitenfenster;
struct TObjektliste;

// True when the object takes part and its condition holds. An object of one attempt with a
// function counts the window's attempt on, whether it matched or not. Throws
// `TBedingungsfehler` before anything changed when an entry is no whole number.
bool AuswertungPruefen(TSeitenfenster& Fenster, const THAuswertung& Objekt, TObjektliste* Liste);

// Whether the object `Eintrag` names is chosen on the page: ticked check boxes, radio
// buttons and picture check boxes, marked mouse-sensitive areas and selection fields. Other
// objects count as not chosen.
bool Gewaehlt(const TObjektliste& Eintrag);
