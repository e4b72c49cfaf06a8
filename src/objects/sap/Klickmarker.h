#pragma once
// The click marker of simulated application screens: where the learner presses the mouse on
// a field text, the character under the mouse is shown highlighted.

class THLabel;

// The learner pressed a mouse button at `X` inside `Label`. When the page has system labels
// that show the clicked text (display kind 30), they show the label's caption, and the
// window's marker covers the character under the mouse (a blank past the caption's end).
// An empty caption, or one whose characters are narrower than a pixel, places no marker.
void KlickmarkerSetzen(THLabel& Label, int X);
