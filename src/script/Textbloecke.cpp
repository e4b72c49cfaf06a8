#include "script/Textbloecke.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

std::optional<std::string> TextbloeckeLesen(const std::filesystem::path& Datei,
                                            std::string& Fehlertext) {
    errno = 0;
    std::ifstream ein(Datei, std::ios::binary);
    std::ostringstream inhalt;
    if (ein) inhalt << ein.rdbuf();
    if (!ein || ein.bad()) {
        Fehlertext = std::strerror(errno ? errno : ENOENT);
        return std::nullopt;
    }
    return inhalt.str();
}

std::optional<std::string> Textblock(std::string_view Inhalt, int32_t Nr) {
    const std::string marke = "@Nr@" + std::to_string(Nr) + "@";
    const size_t anfang = Inhalt.find(marke);
    if (anfang == std::string_view::npos) return std::nullopt;
    const size_t text = anfang + marke.size();
    const size_t ende = Inhalt.find("@Nr@", text);
    return std::string(Inhalt.substr(text, ende == std::string_view::npos ? ende : ende - text));
}
