#include "evaluation/TOrvelle.h"

#include "platform/TUhr.h"
#include "store/Lektionsdateien.h"
#include "store/Meldungen.h"
#include "store/TAnwendungskontext.h"
#include "store/Zahlen.h"

// Values stay bytes (the files are Windows-1252); the template code is compiled here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* Kern = "Core";
constexpr const char* Demographie = "Student_Demographics";

std::string Getrimmt(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::optional<std::string> DateiInhalt(const fs::path& Datei) {
    std::ifstream ein(Datei, std::ios::binary);
    if (!ein) return std::nullopt;
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    if (ein.bad()) return std::nullopt;
    return inhalt.str();
}

std::string MitCrLf(const std::string& Text) {
    std::string aus;
    aus.reserve(Text.size() + Text.size() / 16);
    for (const char c : Text) {
        if (c == '\n') aus += '\r';
        aus += c;
    }
    return aus;
}

bool DateiSchreiben(const fs::path& Datei, const std::string& Bytes) {
    std::FILE* f = std::fopen(Datei.c_str(), "wb");
    if (!f) return false;
    const bool geschrieben = std::fwrite(Bytes.data(), 1, Bytes.size(), f) == Bytes.size();
    return (std::fclose(f) == 0) && geschrieben;
}

} // namespace

std::string Zeittext(std::chrono::seconds Dauer) {
    const int64_t s = std::max<int64_t>(Dauer.count(), 0);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    return text;
}

std::chrono::seconds ZeitAusText(const std::string& Text) {
    // HH:MM or HH:MM:SS, seconds perhaps with a fraction (which is dropped).
    std::string t = Getrimmt(Text);
    if (const size_t punkt = t.find('.'); punkt != std::string::npos) {
        if (!Zahlen::Ziffern(std::string_view(t).substr(punkt + 1), 1, 9)) return {};
        t.resize(punkt);
    }
    std::vector<int64_t> teile;
    size_t anfang = 0;
    for (;;) {
        const size_t ende = std::min(t.find(':', anfang), t.size());
        const auto teil = Zahlen::Ziffern(std::string_view(t).substr(anfang, ende - anfang), 1, 9);
        if (!teil) return {};
        teile.push_back(*teil);
        if (ende == t.size()) break;
        anfang = ende + 1;
    }
    if (teile.size() < 2 || teile.size() > 3 || teile[1] > 59 ||
        (teile.size() == 3 && teile[2] > 59))
        return {};
    return std::chrono::seconds(teile[0] * 3600 + teile[1] * 60 +
                                (teile.size() == 3 ? teile[2] : 0));
}

fs::path Startdatei(const fs::path& Kommandozeile, const fs::path& Lektionsverzeichnis) {
    if (!Kommandozeile.empty()) return fs::absolute(Kommandozeile);
    return LektionsdateiFinden(Lektionsverzeichnis, "param.cmi");
}

TOrvelle::TOrvelle() : Startzeit(Rolle<TUhr>().Jetzt()) {}

void TOrvelle::Starten(const fs::path& Startdatei) {
    std::error_code fehler;
    if (fs::is_regular_file(Startdatei, fehler)) StartdateiLesen(Startdatei);
    Startzeit = Rolle<TUhr>().Jetzt();
}

void TOrvelle::StartdateiLesen(const fs::path& Datei) {
    Startdateiname = Datei;
    CSimpleIniA ini(false, true, false);
    if (const auto inhalt = DateiInhalt(Datei)) ini.LoadData(inhalt->data(), inhalt->size());
    auto wert = [&](const char* Gruppe, const char* Schluessel) {
        return std::string(ini.GetValue(Gruppe, Schluessel, ""));
    };
    Student_ID = wert(Kern, "Student_ID");
    Student_Name = wert(Kern, "Student_Name");
    Output_File = wert(Kern, "Output_File");
    Lesson_Status = wert(Kern, "Lesson_Status");
    Lesson_Location = wert(Kern, "Lesson_Location");
    Score = Zahlen::Umrahmt(wert(Kern, "Score")).value_or(0);
    Time = ZeitAusText(wert(Kern, "Time"));
    City = wert(Demographie, "City");
    Company = wert(Demographie, "Company");
    Country = wert(Demographie, "Country");
    Familiar_Name = wert(Demographie, "Familiar_Name");
    Instructor_Name = wert(Demographie, "Instructor_Name");
    Street_Address = wert(Demographie, "Street_Address");
    Telephone = wert(Demographie, "Telephone");
}

std::string TOrvelle::Beschriftung() const {
    return Aktiv() ? "Orvelle Interface [aktiv]" : "Orvelle Interface [nicht aktiv]";
}

std::chrono::seconds TOrvelle::Laufzeit() const {
    return std::chrono::seconds(Startzeit.secsTo(Rolle<TUhr>().Jetzt()));
}

std::string TOrvelle::Wert(int Nr) const {
    switch (Nr) {
    case 300: return Student_ID;
    case 301: return Student_Name;
    case 302: return Output_File;
    case 303: return Lesson_Status;
    case 304: return Lesson_Location;
    case 307: return City;
    case 308: return Company;
    case 309: return Country;
    case 310: return Familiar_Name;
    case 311: return Instructor_Name;
    case 312: return Street_Address;
    case 313: return Telephone;
    default: return {};
    }
}

fs::path TOrvelle::Ausgabedatei() const {
    const std::string name = Getrimmt(Output_File);
    if (name.empty()) return {};
    const bool absolut = name[0] == '/' || name[0] == '\\';
    return LektionsdateiFinden(absolut ? fs::path("/") : Startdateiname.parent_path(), name);
}

bool TOrvelle::Beenden() const {
    const fs::path datei = Ausgabedatei();
    if (!Aktiv() || datei.empty()) return true;
    // Keys and comments already in the file stay, with the spelling found there.
    CSimpleIniA ini(false, false, false);
    ini.SetSpaces(false);
    std::error_code fehler;
    bool gut = true;
    if (fs::exists(datei, fehler)) {
        const auto inhalt = DateiInhalt(datei);
        gut = inhalt && ini.LoadData(inhalt->data(), inhalt->size()) >= 0;
    }
    std::string text;
    if (gut) {
        ini.SetValue(Kern, "Lesson_Location", Lesson_Location.c_str());
        ini.SetValue(Kern, "Lesson_Status", Lesson_Status.c_str());
        ini.SetValue(Kern, "Score", std::to_string(Score).c_str());
        ini.SetValue(Kern, "Time", Zeittext(Laufzeit()).c_str());
        gut = ini.Save(text) >= 0 && DateiSchreiben(datei, MitCrLf(text));
    }
    if (!gut) Meldung(60);
    return gut;
}
