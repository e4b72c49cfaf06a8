#pragma once
// The program's own mouse cursors, kept in numbered slots (10-15) that object records
// refer to by number beside the standard cursors of the lessons' form toolkit.

#include <QCursor>

// Draws the six cursors into slots 10 "HAND", 11 "HAND1", 12 "HAND2", 13 "HAND3",
// 14 "DIAGONALKREUZ" and 15 "KREUZ".
void CursorSlotsLaden();
// Releases slots 10 and 11, as the end of a run does.
void CursorSlotsFreigeben();
// The cursor in a slot; the arrow when the slot is empty.
QCursor CursorSlot(int Nr);
bool CursorSlotBelegt(int Nr);

// A cursor number of the form toolkit: 0 the default, −1 to −22 its standard cursors,
// 10 to 15 the slots; any other number gives the arrow.
QCursor Standardcursor(int Nr);

// Field 1267 `Cursor` of an object record: the code (0-21) to its cursor number; any other
// code gives 0, the default.
int CursornummerAusCode(int Code);

// The cursor of a field 1267 code.
QCursor Objektcursor(int Code);
