#include "objects/kern/Bilddateien.h"

#include "store/Lektionsdateien.h"
#include "store/TAnwendungskontext.h"

#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace Bilddateien {

std::filesystem::path Bilddatei(const std::string& Pfadname, const std::string& Dateiname) {
    return LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis, Pfadname + Dateiname);
}

QImage BildLaden(const std::filesystem::path& Datei) {
    return Rolle<TBildspeicher>().Laden(Datei);
}

QImage BildLaden(const std::string& Pfadname, const std::string& Dateiname) {
    if (Dateiname.empty()) return {};
    // Names usually stand as the files are named: then the cache's one look at the file
    // also finds it. Only a name in another letter case is searched for in its directory.
    TBildspeicher& speicher = Rolle<TBildspeicher>();
    bool vorhanden = false;
    QImage bild = speicher.Laden(
        LektionsdateiWieGeschrieben(Lektionsorte().Lektionsverzeichnis, Pfadname + Dateiname),
        vorhanden);
    return vorhanden ? bild : speicher.Laden(Bilddatei(Pfadname, Dateiname));
}

} // namespace Bilddateien

QImage TBildspeicher::Laden(const std::filesystem::path& Datei) {
    bool vorhanden = false;
    return Laden(Datei, vorhanden);
}

QImage TBildspeicher::Laden(const std::filesystem::path& Datei, bool& Vorhanden) {
    // One look at the file tells its time and size; only a regular file is read (a pipe
    // or device named as a picture would block or never end).
    struct stat st {};
    Vorhanden = ::stat(Datei.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (!Vorhanden) return {};
    const timespec zeit = st.st_mtim;
    const off_t groesse = st.st_size;
    const auto gefunden = Bilder.find(Datei.string());
    if (gefunden != Bilder.end() && gefunden->second.Zeit.tv_sec == zeit.tv_sec &&
        gefunden->second.Zeit.tv_nsec == zeit.tv_nsec && gefunden->second.Groesse == groesse)
        return gefunden->second.Bild;

    std::ifstream datei(Datei, std::ios::binary);
    if (!datei) return {};
    const std::string bytes{std::istreambuf_iterator<char>(datei),
                            std::istreambuf_iterator<char>()};
    QImage bild;
    bild.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    if (bild.isNull()) return bild;
    if (gefunden != Bilder.end()) {
        Belegt -= gefunden->second.Bild.sizeInBytes();
        Bilder.erase(gefunden);
    }
    Aufnehmen(Datei.string(), bild, zeit, groesse);
    return bild;
}

void TBildspeicher::Aufnehmen(const std::string& Name, const QImage& Bild, timespec Zeit,
                              off_t Groesse) {
    if (Belegt + Bild.sizeInBytes() > Grenze) {
        Bilder.clear();
        Belegt = 0;
    }
    if (Bild.sizeInBytes() > Grenze) return;
    Bilder.emplace(Name, TEintrag{Bild, Zeit, Groesse});
    Belegt += Bild.sizeInBytes();
}
