#pragma once
// Where the learner stands in the lesson and in the window's history, as the navigation
// buttons and the history function buttons show it after every page build.

struct TNavigationslage {
    bool ErsteSeite = false;      // no page has a lower number
    bool LetzteSeite = false;     // no page has a higher number
    bool ZurueckMoeglich = false; // the history has an older entry
    bool VorMoeglich = false;     // the history has a newer entry
};
