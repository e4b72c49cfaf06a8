#include "store/Rohspeicher.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {

constexpr size_t Grossseite = size_t(2) << 20;

} // namespace

void TRohspeicherFreigabe::operator()(char*) const {
    std::free(Block);
}

TRohspeicher RohspeicherAnlegen(size_t Groesse) {
    if (Groesse < Grossseite) {
        void* block = std::malloc(std::max<size_t>(Groesse, 1));
        if (!block) throw std::bad_alloc();
        return TRohspeicher(static_cast<char*>(block), {block});
    }
    // Aligned by hand within a plain allocation rather than by aligned_alloc: the allocator
    // then gives the same memory back for the next piece of that size (a table loaded
    // again), already in place, where an aligned allocation would map and clear fresh pages
    // every time.
    const size_t gerundet = (Groesse + Grossseite - 1) / Grossseite * Grossseite;
    void* block = std::malloc(gerundet + Grossseite);
    if (!block) throw std::bad_alloc();
    const auto adresse = reinterpret_cast<std::uintptr_t>(block);
    auto* p = reinterpret_cast<char*>((adresse + Grossseite - 1) / Grossseite * Grossseite);
    // Only advice: where the system has no huge pages to give, the memory works the same.
    ::madvise(p, gerundet, MADV_HUGEPAGE);
    return TRohspeicher(p, {block});
}
