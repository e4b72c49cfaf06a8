// The speaker's tone: a square wave of the asked pitch and length, silence for 0.

#include "platform/TLautsprecher.h"

#include <gtest/gtest.h>

namespace {

std::vector<int16_t> Proben(const QByteArray& Welle) {
    const auto* p = reinterpret_cast<const int16_t*>(Welle.constData());
    return {p, p + Welle.size() / 2};
}

int Vorzeichenwechsel(const std::vector<int16_t>& Proben) {
    int wechsel = 0;
    for (size_t i = 1; i < Proben.size(); ++i)
        if ((Proben[i] < 0) != (Proben[i - 1] < 0)) ++wechsel;
    return wechsel;
}

struct TTonfall {
    uint16_t Frequenz;
    uint16_t Dauer;
    size_t Proben;
    int Wechsel; // two per period, less the one at the start
};

class Tonwelle : public ::testing::TestWithParam<TTonfall> {};

TEST_P(Tonwelle, HatLaengeUndTonhoehe) {
    const TTonfall fall = GetParam();
    const auto proben = Proben(TLautsprecher::Tonwelle(fall.Frequenz, fall.Dauer));
    EXPECT_EQ(proben.size(), fall.Proben);
    EXPECT_EQ(Vorzeichenwechsel(proben), fall.Wechsel);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Tonwelle,
                         ::testing::Values(TTonfall{1000, 10, 220, 19},
                                           TTonfall{441, 1000, 22050, 881}, TTonfall{0, 500, 0, 0},
                                           TTonfall{440, 0, 0, 0}));

} // namespace
