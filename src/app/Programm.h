#pragma once
// The program body: start-up in its fixed order, the event loop, and the release of
// everything at the end.

#include <filesystem>
#include <string>
#include <vector>

class TAutorfenster;
class TStartFenster;

struct TStart {
    TAutorfenster* Host = nullptr;
    TStartFenster* Startfenster = nullptr; // gone once the learner window is shown
};

// Runs the start-up sequence up to the event loop for the lesson in `Lektionsverzeichnis`:
// host form, splash window, configuration, screen check, every table, user settings,
// today's marks reset, the learning-management start file, the window list with
// "Fenster 1" and the first learner window.
// A QApplication must exist. `Seite` is the command line's page argument, `Startdatei` the
// start file of a learning-management system named there (else "param.cmi" of the lesson).
TStart ProgrammStarten(const std::filesystem::path& Lektionsverzeichnis, const std::string& Seite,
                       const std::filesystem::path& Startdatei = {});

// Releases windows, host form and tables; the lesson can be started again afterwards.
void ProgrammFreigeben();

// The whole program: command line, start-up, event loop. Returns the exit status.
int ProgrammAusfuehren(int argc, char** argv);
