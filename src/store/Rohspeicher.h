#pragma once
// Raw, uninitialised memory for large pieces a table holds: the whole contents of a table
// file, a block of records, the record index. A large piece asks the system for huge pages,
// so that filling it takes a few page faults instead of one per 4 KiB; a table of 100,000
// records otherwise spends more time in page faults than in reading its file.

#include <cstddef>
#include <memory>

struct TRohspeicherFreigabe {
    void* Block = nullptr; // as the allocator gave it, before alignment
    void operator()(char* Speicher) const;
};
using TRohspeicher = std::unique_ptr<char[], TRohspeicherFreigabe>;

// At least `Groesse` bytes (one at the least), aligned for any type; throws std::bad_alloc.
TRohspeicher RohspeicherAnlegen(size_t Groesse);
