#pragma once
// The picture files of a lesson: where an object record's picture lies, and loading it
// through one cache of decoded pictures shared by every page of the running program.

#include <QImage>

#include <filesystem>
#include <string>
#include <unordered_map>

#include <sys/types.h>
#include <time.h>

namespace Bilddateien {

// A picture named by `Pfadname` (1273) and `Dateiname` (1210): the lesson directory and
// both names concatenated as stored, found case-insensitively.
std::filesystem::path Bilddatei(const std::string& Pfadname, const std::string& Dateiname);

// Loads a picture file by its bytes, so that a name in any encoding is found; a null
// image when it cannot be read or decoded.
QImage BildLaden(const std::filesystem::path& Datei);
// The picture an object record names by directory and file name; none without a file name.
QImage BildLaden(const std::string& Pfadname, const std::string& Dateiname);

} // namespace Bilddateien

// Decoded pictures by file, so that pages sharing a picture, and a page built again, do
// not read and decode it again. A changed file (time or size) is read anew; the cache is
// emptied when it grows past its bound. The application context holds the one in use.
class TBildspeicher {
public:
    QImage Laden(const std::filesystem::path& Datei);
    // The same; `Vorhanden` tells whether the file is there (a regular file) at all.
    QImage Laden(const std::filesystem::path& Datei, bool& Vorhanden);

private:
    struct TEintrag {
        QImage Bild;
        timespec Zeit{};
        off_t Groesse = 0;
    };
    static constexpr qsizetype Grenze = 64 * 1024 * 1024;

    void Aufnehmen(const std::string& Name, const QImage& Bild, timespec Zeit, off_t Groesse);

    std::unordered_map<std::string, TEintrag> Bilder;
    qsizetype Belegt = 0;
};
