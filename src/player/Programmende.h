#pragma once
// How a learner window closes and how the lesson ends.

#include <cstdint>

class THauptfenster;

// The page to resume at next time: the window's resume page when set; on a feedback page
// the highest page number below it whose page is no feedback page; else the page shown.
int32_t Wiederaufnahmeseite(const THauptfenster& Fenster);

// Closes a learner window through the window list. Closing the last one ends the lesson
// after confirmation 8; refused, the window stays.
void FensterSchliessen(THauptfenster* Fenster);

// The end of the lesson: confirmation 8 (unless already given), the objects of the current
// page freed, the resume page written, the working directory cleaned up for a
// write-protected lesson, the working copies deleted, and the event loop told to end. False when
// the learner said "Nein".
bool Beenden(bool Bestaetigen = true);
