#pragma once
// Table file bytes written out by hand for tests that compare files byte for byte.

#include <cstdint>
#include <string>

// A run of free bytes.
inline std::string Frei(size_t n) {
    return std::string(n, '\x1B');
}

// A record as it stands in the file.
inline std::string Satz(int32_t Nr, const std::string& Felddaten) {
    std::string s(1, '\0');
    const auto v = static_cast<uint32_t>(Nr);
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s + Felddaten;
}
