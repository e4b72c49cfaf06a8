#pragma once
// The glossary of a lesson ("Begriffe.tab"): the lookup of a word among the terms and the
// cutting of a text into the words that are looked up.

#include <string>
#include <string_view>
#include <vector>

class TTabelle;
struct TDatensatz;

// The word with its first character turned to upper case; only "a" to "z" change.
std::string ErstesZeichenGross(std::string_view Wort);

// The first record in table order whose term (field 1100) or one of whose additional terms
// (field 1102, one per line) equals the word, each compared with its first character turned
// to upper case and otherwise exactly. None for an empty word or when nothing matches.
TDatensatz* BegriffSuchen(TTabelle& Begriffe, std::string_view Wort);
// The same in the glossary of the running lesson; none when it is not open.
TDatensatz* BegriffSuchen(std::string_view Wort);

// The words of a text, in text order and case, repetitions kept. Words are separated by
// line feed, carriage return, space, double quote, "(", ")", comma and full stop; the text
// ends at its first NUL.
std::vector<std::string> WoerterSchneiden(std::string_view Text);
