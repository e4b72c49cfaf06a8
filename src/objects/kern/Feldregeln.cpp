#include "objects/kern/Feldregeln.h"

#include "platform/AnsiText.h"
#include "platform/Farben.h"
#include "platform/Mauszeiger.h"
#include "platform/Schriften.h"
#include "store/Lektionsdateien.h"
#include "store/TTabelle.h"

#include <QWidget>

#include <fstream>
#include <iterator>
#include <unordered_map>

#include <sys/stat.h>

QColor FeldFarbe(TTabelle& Tabelle, TDatensatz* Satz, uint16_t FeldId) {
    return Lektionsfarbe(Tabelle.LeseZahl(Satz, FeldId));
}

void HintergrundfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    farben.setColor(QPalette::Window, Farbe);
    farben.setColor(QPalette::Button, Farbe);
    Steuerelement.setPalette(farben);
    Steuerelement.setAutoFillBackground(true);
}

void SchriftfarbeSetzen(QWidget& Steuerelement, const QColor& Farbe) {
    QPalette farben = Steuerelement.palette();
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        farben.setColor(rolle, Farbe);
    Steuerelement.setPalette(farben);
}

void SchriftUebernehmen(QWidget& Steuerelement, TTabelle& Tabelle, TDatensatz* Satz) {
    const TSchriftangaben angaben = Tabelle.LeseSchrift(Satz);
    Steuerelement.setFont(Lektionsschrift(angaben, Steuerelement.font()));
    SchriftfarbeSetzen(Steuerelement, Lektionsfarbe(angaben.Farbe));
}

void HinweisSetzen(QWidget& Steuerelement, const std::string& Hilfe) {
    Steuerelement.setToolTip(AnsiNachQString(Hilfe));
}

void CursorSetzen(QWidget& Steuerelement, int Cursornummer) {
    if (Cursornummer == 0)
        Steuerelement.unsetCursor();
    else
        Steuerelement.setCursor(Standardcursor(Cursornummer));
}

std::filesystem::path Bilddatei(const std::string& Pfadname, const std::string& Dateiname) {
    return LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis, Pfadname + Dateiname);
}

namespace {

// Decoded pictures by file, so that pages sharing a picture, and a page built again, do
// not read and decode it again. A changed file (time or size) is read anew; the cache is
// emptied when it grows past its bound.
struct TBildImSpeicher {
    QImage Bild;
    timespec Zeit{};
    off_t Groesse = 0;
};

constexpr qsizetype BildspeicherGrenze = 64 * 1024 * 1024;

std::unordered_map<std::string, TBildImSpeicher>& Bildspeicher() {
    static std::unordered_map<std::string, TBildImSpeicher> speicher;
    return speicher;
}
qsizetype BildspeicherBelegt = 0;

} // namespace

QImage BildLaden(const std::filesystem::path& Datei) {
    // One look at the file tells its time and size; only a regular file is read (a pipe
    // or device named as a picture would block or never end).
    struct stat st {};
    if (::stat(Datei.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    const timespec zeit = st.st_mtim;
    const off_t groesse = st.st_size;
    auto& speicher = Bildspeicher();
    const auto gefunden = speicher.find(Datei.string());
    if (gefunden != speicher.end() && gefunden->second.Zeit.tv_sec == zeit.tv_sec &&
        gefunden->second.Zeit.tv_nsec == zeit.tv_nsec && gefunden->second.Groesse == groesse)
        return gefunden->second.Bild;

    std::ifstream datei(Datei, std::ios::binary);
    if (!datei) return {};
    const std::string bytes{std::istreambuf_iterator<char>(datei),
                            std::istreambuf_iterator<char>()};
    QImage bild;
    bild.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    if (bild.isNull()) return bild;
    if (gefunden != speicher.end()) {
        BildspeicherBelegt -= gefunden->second.Bild.sizeInBytes();
        speicher.erase(gefunden);
    }
    if (BildspeicherBelegt + bild.sizeInBytes() > BildspeicherGrenze) {
        speicher.clear();
        BildspeicherBelegt = 0;
    }
    if (bild.sizeInBytes() <= BildspeicherGrenze) {
        speicher.emplace(Datei.string(), TBildImSpeicher{bild, zeit, groesse});
        BildspeicherBelegt += bild.sizeInBytes();
    }
    return bild;
}

QImage BildLaden(const std::string& Pfadname, const std::string& Dateiname) {
    return Dateiname.empty() ? QImage() : BildLaden(Bilddatei(Pfadname, Dateiname));
}

QRect RechteckImFenster(const QWidget& Steuerelement) {
    const QWidget* fenster = Steuerelement.window();
    const QWidget* eltern = Steuerelement.parentWidget();
    if (!eltern || &Steuerelement == fenster) return Steuerelement.geometry();
    return QRect(eltern->mapTo(fenster, Steuerelement.pos()), Steuerelement.size());
}
