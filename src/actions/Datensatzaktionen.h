#pragma once
// The actions that move content between an object of the current page and a record of the
// data table, and that edit list boxes. Each one acts on object `Objektnummer` of the
// current learner window and raises its page event with the object as source once the
// numbers are valid, also when the object is missing.

#include <cstdint>

void DatensatzInObjekt(int32_t Objektnummer, int32_t Datensatznummer);  // event 211
void ObjektInDatensatz(int32_t Objektnummer, int32_t Datensatznummer);  // event 212
void AuswahlInDatensatz(int32_t Objektnummer, int32_t Datensatznummer); // event 213
void DatensatzInListe(int32_t Objektnummer, int32_t Datensatznummer);   // event 210
void ObjektLeeren(int32_t Objektnummer);                                // event 214
// The selected entries of list box `Objektnummer` are deleted; no event.
void AuswahlLoeschen(int32_t Objektnummer);
