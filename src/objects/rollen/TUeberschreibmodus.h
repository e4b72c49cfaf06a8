#pragma once
// The program-wide overwrite mode of the simulated application screens: shown by their
// status lines, copied into the page's input fields and reported as a system value. It
// lives in the application context, so it lasts for the whole run.

struct TUeberschreibmodus {
    // Overwrite (true) or insert (false); overwrite at start.
    bool Ueberschreiben = true;
};
