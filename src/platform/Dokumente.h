#pragma once
// Opening documents and web addresses with the program the desktop associates with them,
// and the help file of the application.

#include <QUrl>

#include <filesystem>

// Role: what opens documents (tests record instead of launching anything).
class TDokumentoeffner {
public:
    virtual ~TDokumentoeffner() = default;
    // Hands the address to the desktop; false when the desktop could not open it.
    virtual bool Oeffnen(const QUrl& Adresse);
};

// Opens the address through the role in use.
bool DokumentOeffnen(const QUrl& Adresse);

// The application's help file (kept in `TPlattformstand`).
std::filesystem::path& Hilfedatei();
