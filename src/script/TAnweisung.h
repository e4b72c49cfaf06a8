#pragma once
// One script line taken apart: the command word and up to five parameters as written.
//
// The command word ends at a blank, "(", ")", ",", ":" or ";"; after it every blank, "(",
// ":" and "=" is skipped, so "x = 5", "x := 5", "x:5" and "x(5)" all give x and 5 while
// "x=5" is one word. A parameter ends at "(", ")", ",", ":" or ";" unless exactly one
// single quote has been seen in it; blanks outside quotes are then dropped.

#include <array>
#include <string>
#include <string_view>

class TAnweisung {
public:
    static constexpr int MaxParameter = 5;

    // Takes the line apart; the strings keep their room, so one statement object serves a
    // whole script without allocating per line. A comment ("/" first) gives no command.
    void Zerlegen(std::string_view Zeile);

    std::string Befehl;
    std::array<std::string, MaxParameter> Parameter;
    int Anzahl = 0; // the number of the last parameter that holds anything
};
