#pragma once
// The tool windows of a learner's session (bookmarks 17, notes 18, test window 37,
// glossary 41): each exists at most once, is created on first use and released on close.

// True when some window with that tag exists and is visible.
bool FensterSichtbar(int Tag);
// Shows the tool window of `Tag` (creating it when needed) and brings it to the front.
void WerkzeugfensterZeigen(int Tag);
// Closes the tool window of `Tag` when it is visible.
void WerkzeugfensterSchliessen(int Tag);
