#pragma once
// What the learner windows share, held by the application context.

#include <string>

struct TSpielerstand {
    // Set once the first learner window has been shown; effects do not play before.
    bool FensterGezeigt = false;
    // Set while a page change waits for an effect to end.
    bool SeitenwechselAnstehend = false;
    // The page argument of the command line; the first window starts there when it is a
    // number above 0.
    std::string Kommandozeilenseite;
};
