#pragma once
// Connects the object actions to the learner windows: the current window's page, its
// objects, the window list, the refreshes of the page build and the tool windows.

// Installs the learner window's services for the object actions; repeated calls do no harm.
void AktionsdiensteAnbinden();
