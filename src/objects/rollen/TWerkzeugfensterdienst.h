#pragma once
// Role: the tool windows the actions open: bookmarks, notes, the questionnaire, the message
// to the author and the F4 help of an object.

#include <cstdint>

class TWerkzeugfensterdienst {
public:
    virtual ~TWerkzeugfensterdienst() = default;
    virtual void LesezeichenfensterOeffnen() {}
    virtual void NotizfensterOeffnen() {}
    virtual void FragebogenOeffnen() {}
    virtual void NachrichtAnAutorZeigen() {}
    virtual void F4HilfeOeffnen(int32_t /*Objektnummer*/) {}
};
