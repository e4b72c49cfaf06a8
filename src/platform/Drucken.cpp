#include "platform/Drucken.h"

#include "store/DialogDienst.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool& OhneDrucker() {
    static bool an = false;
    return an;
}

// Draws the picture as large as the page allows, centred, its proportions kept.
bool Zeichnen(QPrinter& Drucker, const QImage& Bild) {
    QPainter maler;
    if (!maler.begin(&Drucker)) return false;
    const QRect seite = Drucker.pageLayout().paintRectPixels(Drucker.resolution());
    QSize groesse = Bild.size();
    groesse.scale(seite.size(), Qt::KeepAspectRatio);
    const QRect ziel(QPoint(0, 0), groesse);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(ziel.translated((seite.width() - groesse.width()) / 2, 0), Bild);
    return maler.end();
}

fs::path FreierName(const fs::path& Ablage, const std::string& Stamm) {
    std::error_code fehler;
    fs::path datei = Ablage / (Stamm + ".pdf");
    for (int i = 2; fs::exists(datei, fehler); ++i)
        datei = Ablage / (Stamm + " (" + std::to_string(i) + ").pdf");
    return datei;
}

fs::path AlsPdf(const QImage& Bild, const QString& Dokumentname, const fs::path& Ablage,
                const std::string& Stamm) {
    const fs::path datei = FreierName(Ablage, Stamm);
    // Written beside its place and renamed when complete: no half-written file remains.
    fs::path teil = datei;
    teil += ".teil";
    bool gut;
    int grundNr = 0;
    {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString(teil.string()));
        drucker.setDocName(Dokumentname);
        drucker.setPageOrientation(Bild.width() > Bild.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
        errno = 0;
        gut = Zeichnen(drucker, Bild);
        grundNr = errno;
    }
    std::error_code fehler;
    gut = gut && fs::file_size(teil, fehler) > 0 && !fehler;
    if (gut) fs::rename(teil, datei, fehler);
    if (!gut || fehler) {
        const std::string grund =
            fehler ? fehler.message() : std::strerror(grundNr ? grundNr : EIO);
        fs::remove(teil, fehler);
        Dialoge().Fehler("Die Seite kann nicht in die Datei " + datei.filename().string() +
                         " geschrieben werden: \n" + grund);
        return {};
    }
    Dialoge().Nachricht(Symbol::Information, "Drucken",
                        "Es ist kein Drucker eingerichtet. Die Seite wurde in die Datei " +
                            datei.string() + " geschrieben.",
                        KnopfOK, KnopfOK);
    return datei;
}

} // namespace

fs::path BildDrucken(const QImage& Bild, const QString& Dokumentname, const fs::path& Ablage,
                     const std::string& Dateistamm) {
    const QPrinterInfo standard = OhneDrucker() ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
    if (standard.isNull()) return AlsPdf(Bild, Dokumentname, Ablage, Dateistamm);
    QPrinter drucker(standard, QPrinter::HighResolution);
    drucker.setDocName(Dokumentname);
    if (!Zeichnen(drucker, Bild))
        Dialoge().Fehler("Die Seite kann nicht auf " + standard.printerName().toStdString() +
                         " gedruckt werden.");
    return {};
}

void NurPdfDrucken(bool An) {
    OhneDrucker() = An;
}
