#pragma once
// Role: the learner data as the actions change it: deleting every learner record (progress,
// system labels and tick marks follow) and refreshing the tick marks of the page.

class TLernerdatendienst {
public:
    virtual ~TLernerdatendienst() = default;
    virtual void LernerdatenZuruecksetzen() {}
    virtual void AbhakmarkenAktualisieren() {}
};
