#pragma once
// The roles the player offers the rest of the program, and its own participant of the page
// build: the current learner window's page and objects, the window list, the sound switch's
// buttons, the tool windows it has, and the navigation buttons that follow every page. `src/app`
// holds one for the program's lifetime; tests that build learner windows hold one in their fixture.

#include <memory>

class TSpielerrollen {
public:
    TSpielerrollen();
    ~TSpielerrollen();
    TSpielerrollen(const TSpielerrollen&) = delete;
    TSpielerrollen& operator=(const TSpielerrollen&) = delete;

private:
    struct TTeile;
    std::unique_ptr<TTeile> Teile;
};
