#pragma once
// Where the learner window meets the learner data: the progress after every page build
// (the page build's `LernfortschrittErfassen`), the deletion of every learner record for the
// reset, and what the page objects ask of the learner data. Kept in one place so that it
// moves as a whole into the application's wiring.

#include <cstdint>

// Every learner record is deleted, in memory and in the file.
void LernerdatenLeeren();

// Whether the learner has not finished page `Seite`; the picture its tick objects show.
bool LernerseiteOffen(int32_t Seite);
int LernerAbhakbild(int32_t Seite);
