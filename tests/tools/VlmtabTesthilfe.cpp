#include "tools/VlmtabTesthilfe.h"

#include "vlmtab/Befehlszeile.h"

#include <sstream>

TLauf Vlmtab(const std::vector<std::string>& Argumente) {
    std::ostringstream aus, meldungen;
    TLauf lauf;
    lauf.Status = vlmtab::Befehlszeile(Argumente, aus, meldungen);
    lauf.Aus = aus.str();
    lauf.Meldungen = meldungen.str();
    return lauf;
}

std::string SatzBytes(int32_t Nr, const std::string& Felddaten) {
    std::string s(1, '\0');
    const auto v = static_cast<uint32_t>(Nr);
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s + Felddaten;
}
