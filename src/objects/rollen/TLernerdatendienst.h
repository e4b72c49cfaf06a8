#pragma once
// Role: the learner data as the objects and actions use it: deleting every learner record
// (progress, system labels and tick marks follow), refreshing the tick marks of the page,
// and what a page's learner record says (whether it is open, the menu status its tick marks
// show). Until the learner data join the program every page is open and has menu status 0.

#include <cstdint>

class TLernerdatendienst {
public:
    virtual ~TLernerdatendienst() = default;
    virtual void LernerdatenZuruecksetzen() {}
    virtual void AbhakmarkenAktualisieren() {}
    // Whether the learner has not finished `Seite`: no record, or neither done for good nor
    // today.
    virtual bool SeiteOffen(int32_t /*Seite*/) { return true; }
    // The stored menu status of `Seite` (0, 50 or 100 as the lesson sets it; 0 without a
    // record).
    virtual int Menuestatus(int32_t /*Seite*/) { return 0; }
};
