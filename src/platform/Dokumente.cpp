#include "platform/Dokumente.h"

#include <QDesktopServices>

namespace {

TDokumentoeffner& Oeffner() {
    static TDokumentoeffner oeffner;
    return oeffner;
}

} // namespace

bool DokumentOeffnen(const QUrl& Adresse) {
    if (const auto& oeffner = Oeffner()) return oeffner(Adresse);
    return QDesktopServices::openUrl(Adresse);
}

TDokumentoeffner DokumentoeffnerSetzen(TDokumentoeffner Neu) {
    TDokumentoeffner vorher = std::move(Oeffner());
    Oeffner() = std::move(Neu);
    return vorher;
}

std::filesystem::path& Hilfedatei() {
    static std::filesystem::path datei;
    return datei;
}
