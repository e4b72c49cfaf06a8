#pragma once
// Opening a document of the lesson or a web address, and the help of a lesson.

#include <cstdint>
#include <string>

// Every number between two at signs ("@12@") becomes the content of that data record; a
// number without a record stays as written.
std::string PlatzhalterErsetzen(const std::string& Name);

// Opens the document of the action context (its placeholders replaced first, which it keeps) with
// the program the desktop associates with it. Only files below the lesson or working directory and
// http or https addresses are opened; anything else counts as a file not found. On failure event
// 217 is raised, and when no event object of the page listens to it the failure is shown.
void DokumentAnzeigen();

// The help file becomes `Hilfedatei` in the lesson directory and is opened at topic
// `HilfeContext` (as the fragment of an HTML help file).
void HilfeAnzeigen(const std::string& Hilfedatei, int32_t HilfeContext);
