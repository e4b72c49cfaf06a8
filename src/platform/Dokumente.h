#pragma once
// Opening documents and web addresses with the program the desktop associates with them,
// and the help file of the application.

#include <QUrl>

#include <filesystem>
#include <functional>

// Hands the address to the desktop; false when the desktop could not open it.
bool DokumentOeffnen(const QUrl& Adresse);

// Replaces what opens documents (tests record instead of launching anything); an empty
// function returns to the desktop. Answers the one set before.
using TDokumentoeffner = std::function<bool(const QUrl&)>;
TDokumentoeffner DokumentoeffnerSetzen(TDokumentoeffner Oeffner);

// The application's help file.
std::filesystem::path& Hilfedatei();
