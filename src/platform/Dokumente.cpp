#include "platform/Dokumente.h"

#include "platform/TPlattformstand.h"
#include "store/TAnwendungskontext.h"

#include <QDesktopServices>

bool TDokumentoeffner::Oeffnen(const QUrl& Adresse) {
    return QDesktopServices::openUrl(Adresse);
}

bool DokumentOeffnen(const QUrl& Adresse) {
    return Rolle<TDokumentoeffner>().Oeffnen(Adresse);
}

std::filesystem::path& Hilfedatei() {
    return Rolle<TPlattformstand>().Hilfedatei;
}
