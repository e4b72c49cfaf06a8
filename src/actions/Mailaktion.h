#pragma once
// Sending the answers of the current page by mail to the address of the clicked object.

#include <filesystem>
#include <string>
#include <vector>

struct TObjektliste;

struct TAntworten {
    std::vector<std::string> Zeilen; // UTF-8, the first one "||Feedback||"
    std::vector<std::filesystem::path> Anlagen;
};

// One line per answering object of the list, containers' objects included, in page order;
// the check boxes described "NOTIZDATEI" and "LERNERDATEI" attach the notes and the learner
// file when ticked instead.
TAntworten AntwortenSammeln(TObjektliste* Kopf);

// Sends them to the action context's `Email` with its `Beschreibung` as subject through the host
// form's mail client: message 69 and event 226 on success, message 70 when there is no
// address, no connection or the sending fails.
void AntwortenSenden();
