#pragma once
// The program's own mouse cursors, kept in numbered slots (10-15) that object records
// refer to by number beside the standard cursors.

#include <QCursor>

// Draws the six cursors into slots 10 "HAND", 11 "HAND1", 12 "HAND2", 13 "HAND3",
// 14 "DIAGONALKREUZ" and 15 "KREUZ".
void CursorSlotsLaden();
// Releases slots 10 and 11, as the end of a run does.
void CursorSlotsFreigeben();
// The cursor in a slot; the arrow when the slot is empty.
QCursor CursorSlot(int Nr);
bool CursorSlotBelegt(int Nr);
