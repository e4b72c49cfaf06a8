// The record index against a plain map of the same numbers: insertions with repeated
// numbers, removals that leave graves, reuse of graves and growth, in one long mixed run.

#include "store/Nummernindex.h"
#include "store/TTabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace {

TEST(Nummernindex, LeerFindetNichts) {
    TNummernindex index;
    EXPECT_EQ(index.Finden(0), nullptr);
    index.Leeren(100);
    EXPECT_EQ(index.Finden(7), nullptr);
    EXPECT_EQ(index.Nummernanzahl(), 0u);
}

TEST(Nummernindex, ErsterBleibtUndZaehltWiederholungen) {
    std::vector<TDatensatz> saetze(3);
    TNummernindex index;
    index.Einfuegen(5, &saetze[0]);
    index.Einfuegen(5, &saetze[1]);
    index.Einfuegen(0, &saetze[2]);
    ASSERT_NE(index.Finden(5), nullptr);
    EXPECT_EQ(index.Finden(5)->Erster, &saetze[0]);
    EXPECT_EQ(index.Finden(5)->Anzahl, 2u);
    EXPECT_EQ(index.Finden(0)->Erster, &saetze[2]) << "number 0 is a number like any other";
    index.Entfernen(*index.Finden(5));
    EXPECT_EQ(index.Finden(5), nullptr);
    EXPECT_EQ(index.Finden(0)->Erster, &saetze[2]);
    EXPECT_EQ(index.Nummernanzahl(), 1u);
}

// Numbers that collide (a multiple of the table size apart) and graves between them: a
// number behind a grave is still found, and a new one may take the grave's place.
TEST(Nummernindex, GemischterLaufWieEineKarte) {
    std::vector<TDatensatz> saetze(1);
    TNummernindex index;
    std::map<uint32_t, uint32_t> karte;
    std::mt19937 zufall(7);
    for (int schritt = 0; schritt < 200000; ++schritt) {
        // Few distinct numbers, many in steps of 64, some at the ends of the range.
        const uint32_t art = zufall() % 4;
        const uint32_t nr = art == 0   ? zufall() % 50 * 64
                            : art == 1 ? UINT32_MAX - zufall() % 3
                                       : zufall() % 3000;
        if (zufall() % 3 == 0) {
            TNummernindex::TEintrag* e = index.Finden(nr);
            ASSERT_EQ(e != nullptr, karte.count(nr) == 1) << nr;
            if (!e) continue;
            if (--e->Anzahl == 0) index.Entfernen(*e);
            if (--karte[nr] == 0) karte.erase(nr);
        } else {
            index.Einfuegen(nr, &saetze[0]);
            ++karte[nr];
        }
    }
    EXPECT_EQ(index.Nummernanzahl(), karte.size());
    for (const auto& [nr, anzahl] : karte) {
        const TNummernindex::TEintrag* e = index.Finden(nr);
        ASSERT_NE(e, nullptr) << nr;
        EXPECT_EQ(e->Anzahl, anzahl) << nr;
    }
    for (uint32_t nr = 0; nr < 3000; ++nr)
        EXPECT_EQ(index.Finden(nr) != nullptr, karte.count(nr) == 1) << nr;
}

} // namespace
