#pragma once
// Role: the learner data as the actions and objects use it: deleting every learner record
// (progress, system labels and tick marks follow), refreshing the tick marks of the page,
// and the menu status of a page that the tick marks show.

#include <cstdint>

class TLernerdatendienst {
public:
    virtual ~TLernerdatendienst() = default;
    virtual void LernerdatenZuruecksetzen() {}
    virtual void AbhakmarkenAktualisieren() {}
    // `Menüstatus` of the learner record of page `Seite`; 0 until learner data are kept.
    virtual int32_t Menuestatus(int32_t /*Seite*/) { return 0; }
};
