#pragma once
// The F4 value help of an input field, from opening the window to writing the result.

#include <QPointer>

class THEditfeld;
class TF4HilfeFenster1;

// Shows the F4 window of `Feld`'s F4 record modally; `Offen` is the window open now, which
// is closed first and is this one while it runs. Afterwards a chosen value becomes the
// field's text, a chosen second value the text of the input field the record names, and the
// field raises event 108. A field that went away meanwhile (a page change ran while the
// window was open) gets nothing and raises nothing.
void F4HilfeZeigen(THEditfeld& Feld, QPointer<TF4HilfeFenster1>& Offen);
