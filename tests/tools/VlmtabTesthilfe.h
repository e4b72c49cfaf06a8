#pragma once
// Helpers shared by the vlmtab tests: run a command line through the library and collect
// what it printed, and build table files byte by byte.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TLauf {
    int Status = -1;
    std::string Aus;       // standard output
    std::string Meldungen; // standard error
};

// vlmtab's command line, run in this process through vlmtab::Befehlszeile.
TLauf Vlmtab(const std::vector<std::string>& Argumente);

// A record as it stands in a table file: 0x00, the number little-endian, the field data.
std::string SatzBytes(int32_t Nr, const std::string& Felddaten);
