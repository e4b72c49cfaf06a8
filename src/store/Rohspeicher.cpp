#include "store/Rohspeicher.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {

constexpr size_t Grossseite = size_t(2) << 20;

} // namespace

void TRohspeicherFreigabe::operator()(char* Speicher) const {
    std::free(Speicher);
}

TRohspeicher RohspeicherAnlegen(size_t Groesse) {
    if (Groesse < Grossseite) {
        auto* p = static_cast<char*>(std::malloc(std::max<size_t>(Groesse, 1)));
        if (!p) throw std::bad_alloc();
        return TRohspeicher(p);
    }
    const size_t gerundet = (Groesse + Grossseite - 1) / Grossseite * Grossseite;
    auto* p = static_cast<char*>(std::aligned_alloc(Grossseite, gerundet));
    if (!p) throw std::bad_alloc();
    // Only advice: where the system has no huge pages to give, the memory works the same.
    ::madvise(p, gerundet, MADV_HUGEPAGE);
    return TRohspeicher(p);
}
