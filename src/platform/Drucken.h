#pragma once
// Printing the picture of a window: on the system's default printer, or, where the system
// has no printer, into a PDF file that a notice names.

#include <QImage>
#include <QString>

#include <filesystem>

// Prints `Bild` scaled to fit the printable area of the page, its proportions kept. With
// no default printer the page is written as "<Dateistamm>.pdf" into `Ablage` (a number is
// added when the name is taken, nothing is overwritten) and a notice names the file; a
// file that cannot be written gets an error message. Returns the PDF file written, empty
// when the page went to the printer or nothing could be written.
std::filesystem::path BildDrucken(const QImage& Bild, const QString& Dokumentname,
                                  const std::filesystem::path& Ablage,
                                  const std::string& Dateistamm);

// Tests make every print go to a PDF file, whatever printers the machine has.
void NurPdfDrucken(bool An);
