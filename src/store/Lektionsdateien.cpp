#include "store/Lektionsdateien.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

TLektionsorte& Lektionsorte() {
    static TLektionsorte orte;
    return orte;
}

namespace {

bool GleichOhneGrossKlein(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of `Verzeichnis` named `Teil` in any letter case; the exact name wins.
std::string EintragFinden(const fs::path& Verzeichnis, const std::string& Teil) {
    std::error_code fehler;
    if (fs::exists(Verzeichnis / Teil, fehler)) return Teil;
    for (fs::directory_iterator it(Verzeichnis, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        if (GleichOhneGrossKlein(name, Teil)) return name;
    }
    return Teil;
}

} // namespace

namespace {

// Follows the parts of `Name` (separated by / or \, empty parts and "." skipped) from
// `Verzeichnis`, each part named as `Teilname` answers.
template <class Benennung>
fs::path Verfolgen(const fs::path& Verzeichnis, std::string_view Name, Benennung&& Teilname) {
    std::string name(Name);
    std::replace(name.begin(), name.end(), '\\', '/');
    fs::path ergebnis = Verzeichnis;
    size_t anfang = 0;
    while (anfang <= name.size()) {
        size_t ende = name.find('/', anfang);
        if (ende == std::string::npos) ende = name.size();
        const std::string teil = name.substr(anfang, ende - anfang);
        if (!teil.empty() && teil != ".")
            ergebnis /= teil == ".." ? teil : Teilname(ergebnis, teil);
        anfang = ende + 1;
    }
    return ergebnis;
}

} // namespace

fs::path LektionsdateiFinden(const fs::path& Verzeichnis, std::string_view Name) {
    return Verfolgen(Verzeichnis, Name, EintragFinden);
}

fs::path LektionsdateiWieGeschrieben(const fs::path& Verzeichnis, std::string_view Name) {
    return Verfolgen(Verzeichnis, Name,
                     [](const fs::path&, const std::string& Teil) { return Teil; });
}
