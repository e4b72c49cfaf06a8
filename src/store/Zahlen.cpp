#include "store/Zahlen.h"

#include <limits>

namespace Zahlen {

namespace {

struct TRegel {
    std::string_view Vorn = {};   // characters skipped before the number
    std::string_view Hinten = {}; // characters skipped after the number
    bool Plus = false;            // a leading plus is allowed
    bool Minus = true;            // a leading minus is allowed
};

constexpr std::string_view Blanks = " ";
constexpr std::string_view BlanksUndTabs = " \t";

// The one reader behind every variant: the rule's margins, one sign, then one digit or more
// and nothing else, within Min and Max.
std::optional<int64_t> Lesen(std::string_view Text, const TRegel& Regel, int64_t Min, int64_t Max) {
    const size_t anfang = Text.find_first_not_of(Regel.Vorn);
    Text.remove_prefix(anfang == std::string_view::npos ? Text.size() : anfang);
    const size_t ende = Text.find_last_not_of(Regel.Hinten);
    Text = ende == std::string_view::npos ? std::string_view() : Text.substr(0, ende + 1);
    bool negativ = false;
    if (!Text.empty() && ((Text[0] == '+' && Regel.Plus) || (Text[0] == '-' && Regel.Minus))) {
        negativ = Text[0] == '-';
        Text.remove_prefix(1);
    }
    if (Text.empty()) return std::nullopt;
    const uint64_t grenze = negativ ? uint64_t(-(Min + 1)) + 1 : uint64_t(Max);
    uint64_t v = 0;
    for (const char c : Text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto ziffer = static_cast<uint64_t>(c - '0');
        if (v > (grenze - ziffer) / 10) return std::nullopt;
        v = v * 10 + ziffer;
    }
    if (!negativ) return static_cast<int64_t>(v);
    return v == uint64_t(-(Min + 1)) + 1 ? Min : -static_cast<int64_t>(v);
}

template <class T> std::optional<T> Lesen(std::string_view Text, const TRegel& Regel) {
    const auto v = Lesen(Text, Regel, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    return v ? std::optional<T>(static_cast<T>(*v)) : std::nullopt;
}

} // namespace

std::optional<int32_t> Genau(std::string_view Text) {
    return Lesen<int32_t>(Text, {});
}

std::optional<int32_t> MitVorzeichen(std::string_view Text) {
    return Lesen<int32_t>(Text, {.Plus = true});
}

std::optional<int64_t> MitVorzeichen64(std::string_view Text) {
    return Lesen<int64_t>(Text, {.Plus = true});
}

std::optional<int32_t> NachLeerzeichen(std::string_view Text) {
    return Lesen<int32_t>(Text, {.Vorn = Blanks});
}

std::optional<int32_t> Umrahmt(std::string_view Text) {
    return Lesen<int32_t>(Text, {.Vorn = BlanksUndTabs, .Hinten = BlanksUndTabs, .Plus = true});
}

int32_t Feldwert(std::string_view Text) {
    return Lesen<int32_t>(Text, {.Vorn = BlanksUndTabs, .Plus = true}).value_or(0);
}

std::optional<int64_t> Ziffern(std::string_view Text, size_t MinZiffern, size_t MaxZiffern) {
    if (Text.size() < MinZiffern || Text.size() > MaxZiffern) return std::nullopt;
    return Lesen(Text, {.Minus = false}, 0, std::numeric_limits<int64_t>::max());
}

} // namespace Zahlen
