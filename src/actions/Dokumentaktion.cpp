#include "actions/Dokumentaktion.h"

#include "objects/ereignisse/Seitenereignisse.h"
#include "objects/kern/TSeitenfenster.h"
#include "objects/rollen/TAktionskontext.h"
#include "platform/AnsiText.h"
#include "platform/Dokumente.h"
#include "store/Datensaetze.h"
#include "store/Lektion.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/TAnwendungskontext.h"
#include "store/Zahlen.h"

#include <QUrl>

#include <cctype>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Failure codes of the system's request to open a document.
constexpr uint32_t DateiNichtGefunden = 2;
constexpr uint32_t PfadNichtGefunden = 3;
constexpr uint32_t KeineAnwendung = 31;

bool BeginntMitHttp(const std::string& Name) {
    static constexpr char http[] = "http";
    if (Name.size() < 4) return false;
    for (size_t i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(Name[i])) != http[i]) return false;
    return true;
}

std::string LetzterTeil(const std::string& Name) {
    const size_t trenner = Name.find_last_of("\\/");
    return trenner == std::string::npos ? Name : Name.substr(trenner + 1);
}

// True when `Datei` (resolved) lies below the directory `Verzeichnis`.
bool Darunter(const fs::path& Datei, const fs::path& Verzeichnis) {
    if (Verzeichnis.empty()) return false;
    std::error_code fehler;
    const fs::path wurzel = fs::weakly_canonical(Verzeichnis, fehler);
    if (fehler) return false;
    const fs::path relativ = Datei.lexically_relative(wurzel);
    return !relativ.empty() && *relativ.begin() != ".." && relativ != ".";
}

bool ImLektionsbereich(const fs::path& Datei) {
    const TLektionsorte& orte = Lektionsorte();
    return Darunter(Datei, orte.Programmverzeichnis) || Darunter(Datei, orte.Lektionsverzeichnis) ||
           (orte.SchreibgeschuetzteLektion && Darunter(Datei, orte.Arbeitsverzeichnis));
}

struct TAdresse {
    QUrl Url;
    uint32_t Fehler = 0; // the failure code when there is nothing to open
};

TAdresse Webadresse(const std::string& Name) {
    const QUrl url(AnsiNachQString(Name), QUrl::TolerantMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")) ||
        url.host().isEmpty())
        return {{}, DateiNichtGefunden};
    return {url, 0};
}

// A file of the lesson, or of the working directory where a write-protected lesson keeps
// its copies.
TAdresse Lektionsdokument(const std::string& Name) {
    const TLektionsorte& orte = Lektionsorte();
    fs::path datei = LektionsdateiFinden(orte.Programmverzeichnis, Name);
    if (orte.SchreibgeschuetzteLektion && !orte.Arbeitsverzeichnis.empty()) {
        const fs::path kopie = LektionsdateiFinden(orte.Arbeitsverzeichnis, LetzterTeil(Name));
        std::error_code fehler;
        if (!LetzterTeil(Name).empty() && fs::is_regular_file(kopie, fehler)) datei = kopie;
    }
    std::error_code fehler;
    const fs::path echt = fs::weakly_canonical(datei, fehler);
    if (fehler || !ImLektionsbereich(echt)) return {{}, DateiNichtGefunden};
    if (!fs::is_regular_file(echt, fehler)) {
        const bool ordner = fs::is_directory(echt.parent_path(), fehler);
        return {{}, ordner ? DateiNichtGefunden : PfadNichtGefunden};
    }
    return {QUrl::fromLocalFile(QString::fromStdString(echt.string())), 0};
}

uint32_t Oeffnen(const TAdresse& Adresse) {
    if (Adresse.Fehler != 0) return Adresse.Fehler;
    return DokumentOeffnen(Adresse.Url) ? 0 : KeineAnwendung;
}

void Fehlschlag(uint32_t Code) {
    TSeitenfenster* fenster = AktuellesSeitenfenster();
    const bool gehoert = fenster && EreignisWirdGehoert(fenster->Objektliste(), 0, 217);
    if (fenster) fenster->EreignisAusloesen(0, 217);
    if (!gehoert) Startfehler(Code);
}

} // namespace

std::string PlatzhalterErsetzen(const std::string& Name) {
    std::string ergebnis;
    size_t i = 0;
    while (i < Name.size()) {
        const size_t auf = Name.find('@', i);
        if (auf == std::string::npos) break;
        size_t ende = auf + 1;
        while (ende < Name.size() && std::isdigit(static_cast<unsigned char>(Name[ende])))
            ++ende;
        const bool zahl =
            ende > auf + 1 && ende < Name.size() && Name[ende] == '@' && ende - auf - 1 <= 9;
        const auto nr =
            zahl ? Zahlen::Ziffern(std::string_view(Name).substr(auf + 1, ende - auf - 1), 1, 9)
                 : std::nullopt;
        const auto inhalt = nr ? Datensatzinhalt(static_cast<int32_t>(*nr)) : std::nullopt;
        if (!inhalt) {
            // Not a placeholder, or one without its record: the at sign stays as written.
            ergebnis.append(Name, i, auf + 1 - i);
            i = auf + 1;
            continue;
        }
        ergebnis.append(Name, i, auf - i);
        ergebnis += *inhalt;
        i = ende + 1;
    }
    ergebnis.append(Name, std::min(i, Name.size()));
    return ergebnis;
}

void DokumentAnzeigen() {
    std::string& dokument = Rolle<TAktionskontext>().Dokument;
    dokument = PlatzhalterErsetzen(dokument);
    const std::string& name = dokument;
    const TAdresse adresse = BeginntMitHttp(name) ? Webadresse(name) : Lektionsdokument(name);
    if (const uint32_t fehler = Oeffnen(adresse)) Fehlschlag(fehler);
}

void HilfeAnzeigen(const std::string& Datei, int32_t HilfeContext) {
    Hilfedatei() = LektionsdateiFinden(Lektionsorte().Lektionsverzeichnis, Datei);
    TAdresse adresse = Lektionsdokument(Datei);
    if (adresse.Fehler == 0 && HilfeContext > 0) {
        const QString endung = adresse.Url.fileName().section(QLatin1Char('.'), -1).toLower();
        if (endung == QLatin1String("htm") || endung == QLatin1String("html"))
            adresse.Url.setFragment(QString::number(HilfeContext));
    }
    if (const uint32_t fehler = Oeffnen(adresse)) Startfehler(fehler);
}
