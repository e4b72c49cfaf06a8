#pragma once
// The protocol for lesson authors (vlm --log FILE): one line per happening, so an author
// can see why a lesson went where it went. Lines: "<ms> page <number>",
// "<ms> event <source> <number>", "<ms> command <kind> <code> <argument>".

#include <filesystem>
#include <string>

// Starts appending to `Datei`; false when it cannot be opened.
bool ProtokollOeffnen(const std::filesystem::path& Datei);
void ProtokollSchliessen();
bool ProtokollAktiv();
// Appends "<milliseconds since start> <Zeile>".
void Protokollieren(const std::string& Zeile);
