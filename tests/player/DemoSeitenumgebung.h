#pragma once
// A test on one page of the demo lesson: the lesson is built from its source with its
// media into the test's directory, opened, and the page's objects are built in a learner
// window.

#include "Spielerumgebung.h"
#include "objects/ObjektTesthilfe.h"
#include "objects/kern/TObjektliste.h"
#include "player/THauptfenster.h"

#include <cstdint>

class DemoSeitentest : public Lektionstest {
protected:
    void SetUp() override;
    void TearDown() override;
    // The page the test looks at.
    virtual int32_t Seitennummer() const = 0;

    // The object `Nr` of the page as `Klasse`; none when it is not there or of another class.
    template <class Klasse> Klasse* Objekt(int32_t Nr) {
        TObjektliste* e = ObjektAufSeite(Fenster->Objektliste(), Nr);
        return e ? dynamic_cast<Klasse*>(e->Objekt.data()) : nullptr;
    }

    TSpielerumgebung Umgebung;
    THauptfenster* Fenster = nullptr;
};
