#pragma once
// The page object list of a learner window: which objects of the previous page stay, which
// go, which are created, and how the page shows them.

#include "objects/ereignisse/Seitenereignisse.h"

#include <cstdint>
#include <string>
#include <vector>

class QWidget;
class THauptfenster;
struct TDatensatz;
class TObjektreihe;
struct TObjektliste;

// Creates the control of one entry from its record: hidden (containers aside), child of
// `Eltern`, numbered, filled field by field, displaced by the offsets, and an object that
// sends the answers by mail enabled only when the mail server answered at start.
void ObjektErzeugen(THauptfenster& Fenster, TObjektliste& Eintrag, int Typ, TDatensatz* Satz,
                    int32_t VersatzX, int32_t VersatzY, QWidget* Eltern);

// Replaces the window's objects by those of `Nummernliste` (one object number per line):
// objects listed on both pages keep their control and state, the others go, new ones are
// created; then the background of `Seite` is loaded and the objects are shown.
void ObjektlisteAufbauen(THauptfenster& Fenster, const std::vector<std::string>& Nummernliste,
                         TDatensatz* Seite);

// The same for the own list of a container: its new objects are displaced by the offsets,
// containers are not taken in, and nothing plays an effect.
void ContainerlisteAufbauen(THauptfenster& Fenster, TObjektreihe& Liste,
                            const std::vector<std::string>& Nummernliste, QWidget* Container,
                            int32_t VersatzX, int32_t VersatzY);

// Shows object `Nr` of the page, adding it at the end of the list when it is not listed;
// with `NachgeladeneVerbergen` the objects added that way before are hidden first.
// Raises event 229 with `Nr` as source.
void ObjektZeigen(THauptfenster& Fenster, int32_t Nr, bool NachgeladeneVerbergen);

// Destroys every object of the window and empties its list.
void AlleObjekteEntfernen(THauptfenster& Fenster);
