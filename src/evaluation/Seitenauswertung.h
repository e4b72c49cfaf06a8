#pragma once
// The page evaluation: input fields check their answers, evaluation objects their
// conditions, string evaluations the values of their sources, page choosers their group, in the
// deep order of the list; the first that reacts decides what follows (feedback, branch, ...). A
// condition entry that is no whole number abandons the evaluation: the author is told which object
// and entry, and the page stays as it was.

class TSeitenfenster;
struct TObjektliste;

// True when the page counts as passed (nothing reacted, or only functions that let the
// evaluation go on); false when an object reacted or the evaluation was abandoned.
bool Auswerten(TSeitenfenster& Fenster, TObjektliste* Liste);
