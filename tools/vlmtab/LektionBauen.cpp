#include "vlmtab/LektionBauen.h"

#include "store/Datenlexikon.h"
#include "store/Lektionsdateien.h"
#include "store/TTabelle.h"
#include "store/Zahlen.h"
#include "store/Zeichensatz.h"
#include "vlmtab/JsonText.h"
#include "vlmtab/Tabellenbefehle.h"
#include "vlmtab/Tabellenwert.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace vlmtab {

namespace {

struct TTabellenplan {
    std::string Dateiname; // as the dictionary spells it
    std::vector<TNeuerSatz> Saetze;
};

struct TIniAbschnitt {
    std::string Name; // Windows-1252, as all of the section
    std::vector<std::pair<std::string, std::string>> Eintraege;
};

struct TLektionsplan {
    std::vector<TTabellenplan> Tabellen;
    std::optional<std::vector<TIniAbschnitt>> Ini;
};

QJsonValue Eintrag(const QJsonObject& Objekt, const std::string& Schluessel) {
    return Objekt.value(QString::fromStdString(Schluessel));
}

std::string Kleinbuchstaben(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A whole number of JSON as decimal text; none for other numbers and other values.
std::optional<std::string> GanzzahlText(const QJsonValue& Wert) {
    if (!Wert.isDouble()) return std::nullopt;
    const double d = Wert.toDouble();
    if (std::floor(d) != d || std::fabs(d) > 9007199254740992.0) return std::nullopt;
    return std::to_string(static_cast<long long>(d));
}

// Line and column (from 1) of a byte offset, for parse errors.
std::string Stelle(std::string_view Text, size_t Offset) {
    Offset = std::min(Offset, Text.size());
    const std::string_view vorher = Text.substr(0, Offset);
    const size_t zeile = static_cast<size_t>(std::count(vorher.begin(), vorher.end(), '\n')) + 1;
    const size_t umbruch = vorher.rfind('\n');
    const size_t spalte = umbruch == std::string_view::npos ? Offset + 1 : Offset - umbruch;
    return std::to_string(zeile) + ":" + std::to_string(spalte);
}

// Reads the source into a plan, reporting every problem it finds on the way.
class Quellleser {
public:
    Quellleser(std::string_view Json, const std::string& Quellname, std::ostream& Meldungen)
        : Folgen(SchluesselfolgenLesen(Json)), Quellname(Quellname), Meldungen(Meldungen) {}

    TLektionsplan Lesen(const QJsonObject& Wurzel) {
        TLektionsplan plan;
        for (const std::string& schluessel : Schluessel("", "")) {
            const QJsonValue wert = Eintrag(Wurzel, schluessel);
            if (schluessel == "tables")
                TabellenLesen(wert, plan);
            else if (schluessel == "ini")
                plan.Ini = IniLesen(wert);
            else if (schluessel != "comment")
                Melden("", "unknown key \"" + schluessel +
                               "\" at the top level (expected \"tables\", \"ini\", \"comment\")");
        }
        return plan;
    }

    int Fehler = 0;

private:
    void Melden(const std::string& Ort, const std::string& Text) {
        Meldungen << "vlmtab: " << Quellname << ": " << Ort << (Ort.empty() ? "" : ": ") << Text
                  << '\n';
        ++Fehler;
    }

    // The keys of the object at `Pfad` in source order; a key given twice is reported.
    std::vector<std::string> Schluessel(const std::string& Pfad, const std::string& Ort) {
        const auto it = Folgen.find(Pfad);
        if (it == Folgen.end()) return {};
        std::set<std::string> gesehen;
        std::vector<std::string> ergebnis;
        for (const std::string& s : it->second) {
            if (gesehen.insert(s).second)
                ergebnis.push_back(s);
            else
                Melden(Ort, "the key \"" + s + "\" is given twice");
        }
        return ergebnis;
    }

    void TabellenLesen(const QJsonValue& Wert, TLektionsplan& Plan) {
        if (!Wert.isObject()) {
            Melden("tables", "must be an object of table file names");
            return;
        }
        std::set<int> arten;
        for (const std::string& name : Schluessel("/tables", "tables")) {
            const int art = TabellenartVonDateiname(name);
            if (art < 0) {
                Melden(name, "unknown table file name");
                continue;
            }
            if (!arten.insert(art).second) {
                Melden(name, "table kind " + std::to_string(art) + " is given twice");
                continue;
            }
            if (auto plan = TabelleLesen(name, art, Eintrag(Wert.toObject(), name)))
                Plan.Tabellen.push_back(std::move(*plan));
        }
    }

    std::optional<TTabellenplan> TabelleLesen(const std::string& Name, int Art,
                                              const QJsonValue& Wert) {
        if (!Wert.isArray()) {
            Melden(Name, "must be a list of records");
            return std::nullopt;
        }
        TTabelle tabelle(Art, fs::path(Name)); // only for its field list; no file is touched
        TTabellenplan plan{Tabellenbeschreibung(Art).Dateiname, {}};
        std::set<uint32_t> nummern;
        const QJsonArray saetze = Wert.toArray();
        for (qsizetype i = 0; i < saetze.size(); ++i) {
            const std::string pfad = PfadMit(PfadMit("/tables", Name), static_cast<size_t>(i));
            if (auto satz = SatzLesen(tabelle, Name, i, pfad, saetze.at(i))) {
                const uint32_t betrag = satz->Nr < 0 ? 0u - static_cast<uint32_t>(satz->Nr)
                                                     : static_cast<uint32_t>(satz->Nr);
                if (!nummern.insert(betrag).second)
                    Melden(Name + ", record " + std::to_string(satz->Nr),
                           "the record number is given twice (numbers are compared by their "
                           "absolute value)");
                plan.Saetze.push_back(std::move(*satz));
            }
        }
        return plan;
    }

    std::optional<TNeuerSatz> SatzLesen(TTabelle& Tabelle, const std::string& Name, qsizetype Index,
                                        const std::string& Pfad, const QJsonValue& Wert) {
        std::string ort = Name + ", entry " + std::to_string(Index + 1);
        if (!Wert.isObject()) {
            Melden(ort, "a record must be an object with \"nr\" and \"fields\"");
            return std::nullopt;
        }
        const QJsonObject satz = Wert.toObject();
        const auto nr = GanzzahlText(satz.value("nr"));
        const long long zahl = nr ? Zahlen::MitVorzeichen64(*nr).value_or(0) : 0;
        if (!nr || zahl < std::numeric_limits<int32_t>::min() ||
            zahl > std::numeric_limits<int32_t>::max()) {
            Melden(ort, "\"nr\" must be a whole number from -2147483648 to 2147483647");
            return std::nullopt;
        }
        ort = Name + ", record " + *nr;
        for (const std::string& s : Schluessel(Pfad, ort))
            if (s != "nr" && s != "fields" && s != "comment")
                Melden(ort, "unknown key \"" + s + "\" (expected \"nr\", \"fields\", \"comment\")");
        const QJsonValue felder = satz.value("fields");
        if (!felder.isUndefined() && !felder.isObject()) {
            Melden(ort, "\"fields\" must be an object keyed by field identifier");
            return std::nullopt;
        }
        std::vector<std::string> werte;
        std::vector<std::string> gesetztVon; // which key gave each position
        for (const std::string& schluessel : Schluessel(PfadMit(Pfad, "fields"), ort)) {
            const std::string feldort = ort + ", field " + schluessel;
            const int pos = Position(Tabelle, schluessel, feldort);
            auto text = Feldwert(Eintrag(felder.toObject(), schluessel), feldort);
            if (pos <= 0 || !text) continue;
            if (werte.size() < static_cast<size_t>(pos)) {
                werte.resize(static_cast<size_t>(pos));
                gesetztVon.resize(static_cast<size_t>(pos));
            }
            if (!gesetztVon[pos - 1].empty()) {
                Melden(feldort, "addresses the same position as field " + gesetztVon[pos - 1]);
                continue;
            }
            gesetztVon[pos - 1] = schluessel;
            werte[pos - 1] = std::move(*text);
        }
        TNeuerSatz neu{static_cast<int32_t>(zahl), FelddatenAus(werte)};
        if (neu.Felddaten.size() > TTabelle::MaxFelddaten) {
            Melden(ort, "the record's field data would be " + std::to_string(neu.Felddaten.size()) +
                            " bytes; a record holds at most " +
                            std::to_string(TTabelle::MaxFelddaten));
            return std::nullopt;
        }
        return neu;
    }

    // The 1-based position a field key addresses; 0 after reporting a bad key.
    int Position(const TTabelle& Tabelle, const std::string& Schluessel, const std::string& Ort) {
        const int id = static_cast<int>(Zahlen::Ziffern(Schluessel, 1, 5).value_or(-1));
        if (id < 0 || id > 0xFFFF) {
            Melden(Ort, "a field key must be a field identifier (a decimal number)");
            return 0;
        }
        if (id < 100) return id == 0 ? 1 : id;
        const int pos = Tabelle.FeldPosition(static_cast<uint16_t>(id));
        if (pos < 0) {
            const TTabellenbeschreibung b = Tabellenbeschreibung(Tabelle.Tabellenart());
            Melden(Ort, "unknown field identifier (not in the field list of " +
                            (*b.Titel ? AnsiNachUtf8(b.Titel) : std::string(b.Dateiname)) + ")");
            return 0;
        }
        return pos;
    }

    // A field value as Windows-1252 bytes: a string, a whole number or a list of them.
    std::optional<std::string> Feldwert(const QJsonValue& Wert, const std::string& Ort) {
        std::string utf8;
        if (Wert.isArray()) {
            const QJsonArray zeilen = Wert.toArray();
            for (qsizetype i = 0; i < zeilen.size(); ++i) {
                const auto zeile = Einzelwert(zeilen.at(i));
                if (!zeile) {
                    Melden(Ort, "line " + std::to_string(i + 1) +
                                    " of the list must be a string or a whole number");
                    return std::nullopt;
                }
                if (i) utf8 += "\r\n";
                utf8 += *zeile;
            }
        } else if (const auto einzeln = Einzelwert(Wert)) {
            utf8 = *einzeln;
        } else {
            Melden(Ort, "a value must be a string, a whole number or a list of them");
            return std::nullopt;
        }
        std::string grund;
        auto ansi = TabellenwertAusUtf8(utf8, grund);
        if (!ansi) Melden(Ort, "the value " + grund);
        return ansi;
    }

    static std::optional<std::string> Einzelwert(const QJsonValue& Wert) {
        if (Wert.isString()) return Wert.toString().toStdString();
        return GanzzahlText(Wert);
    }

    std::optional<std::vector<TIniAbschnitt>> IniLesen(const QJsonValue& Wert) {
        if (!Wert.isObject()) {
            Melden("VLM.INI", "\"ini\" must be an object of sections");
            return std::nullopt;
        }
        std::vector<TIniAbschnitt> abschnitte;
        std::set<std::string> namen; // sections and keys are case-insensitive in an INI file
        for (const std::string& abschnitt : Schluessel("/ini", "VLM.INI")) {
            const std::string ort = "VLM.INI, section [" + abschnitt + "]";
            const QJsonValue inhalt = Eintrag(Wert.toObject(), abschnitt);
            auto name = IniText(abschnitt, "\r\n[]", ort, "section name");
            if (!namen.insert(Kleinbuchstaben(abschnitt)).second)
                Melden(ort, "the section is given twice (sections ignore letter case)");
            if (!inhalt.isObject()) {
                Melden(ort, "a section must be an object of keys and values");
                continue;
            }
            TIniAbschnitt a{name.value_or(""), {}};
            std::set<std::string> schluessel;
            for (const std::string& s : Schluessel(PfadMit("/ini", abschnitt), ort)) {
                const std::string schluesselort = ort + ", key " + s;
                auto k = IniText(s, "\r\n=", schluesselort, "key");
                if (!schluessel.insert(Kleinbuchstaben(s)).second)
                    Melden(schluesselort, "the key is given twice (keys ignore letter case)");
                const auto w = Einzelwert(Eintrag(inhalt.toObject(), s));
                if (!w) {
                    Melden(schluesselort, "a value must be a string or a whole number");
                    continue;
                }
                auto v = IniText(*w, "\r\n", schluesselort, "value");
                if (k && v) a.Eintraege.emplace_back(std::move(*k), std::move(*v));
            }
            abschnitte.push_back(std::move(a));
        }
        return abschnitte;
    }

    // Windows-1252 bytes of an INI name or value that may hold none of `Verboten`.
    std::optional<std::string> IniText(const std::string& Utf8, std::string_view Verboten,
                                       const std::string& Ort, const std::string& Was) {
        if (Was != "value" && Utf8.empty()) {
            Melden(Ort, "the " + Was + " is empty");
            return std::nullopt;
        }
        if (Utf8.find_first_of(Verboten) != std::string::npos) {
            std::string liste;
            for (const char c : Verboten)
                liste += c == '\r'   ? std::string(" CR")
                         : c == '\n' ? " LF"
                                     : " '" + std::string(1, c) + "'";
            Melden(Ort, "the " + Was + " may not hold any of" + liste);
            return std::nullopt;
        }
        std::string grund;
        auto ansi = TabellenwertAusUtf8(Utf8, grund);
        if (!ansi) Melden(Ort, "the " + Was + " " + grund);
        return ansi;
    }

    Schluesselfolgen Folgen;
    const std::string& Quellname;
    std::ostream& Meldungen;
};

std::string IniInhalt(const std::vector<TIniAbschnitt>& Abschnitte) {
    std::string inhalt;
    for (const auto& a : Abschnitte) {
        inhalt += "[" + a.Name + "]\r\n";
        for (const auto& [k, v] : a.Eintraege)
            inhalt += k + "=" + v + "\r\n";
    }
    return inhalt;
}

int PlanSchreiben(const TLektionsplan& Plan, const fs::path& Ziel, std::ostream& Meldungen) {
    std::error_code fehler;
    fs::create_directories(Ziel, fehler);
    if (fehler) {
        Meldungen << "vlmtab: " << Ziel.string() << ": could not be created: " << fehler.message()
                  << '\n';
        return Fehlschlag;
    }
    int status = Erfolg;
    for (const auto& t : Plan.Tabellen) {
        // An existing file of any letter case is the lesson's file and is replaced.
        const fs::path pfad = LektionsdateiFinden(Ziel, t.Dateiname);
        std::string text;
        if (!TabellendateiSchreiben(pfad, t.Saetze, text)) {
            Meldungen << "vlmtab: " << pfad.string() << ": could not be written: " << text << '\n';
            status = Fehlschlag;
        }
    }
    if (Plan.Ini) {
        const fs::path pfad = LektionsdateiFinden(Ziel, "VLM.INI");
        const std::string inhalt = IniInhalt(*Plan.Ini);
        std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
        datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        datei.close();
        if (!datei) {
            Meldungen << "vlmtab: " << pfad.string() << ": could not be written\n";
            status = Fehlschlag;
        }
    }
    return status;
}

} // namespace

int LektionAusTextBauen(std::string_view Json, const std::string& Quellname, const fs::path& Ziel,
                        std::ostream& Meldungen) {
    // Editors on Windows like to start UTF-8 files with a byte order mark; JSON has none.
    if (Json.starts_with("\xEF\xBB\xBF")) Json.remove_prefix(3);
    QJsonParseError fehler{};
    const QJsonDocument dokument = QJsonDocument::fromJson(
        QByteArray(Json.data(), static_cast<qsizetype>(Json.size())), &fehler);
    if (fehler.error != QJsonParseError::NoError) {
        Meldungen << "vlmtab: " << Quellname << ":"
                  << Stelle(Json, static_cast<size_t>(fehler.offset))
                  << ": not valid JSON: " << fehler.errorString().toStdString() << '\n';
        return Fehlschlag;
    }
    if (!dokument.isObject()) {
        Meldungen << "vlmtab: " << Quellname
                  << ": the source must be a JSON object with \"tables\" and \"ini\"\n";
        return Fehlschlag;
    }
    Quellleser leser(Json, Quellname, Meldungen);
    const TLektionsplan plan = leser.Lesen(dokument.object());
    if (leser.Fehler > 0) {
        Meldungen << "vlmtab: " << Quellname << ": " << leser.Fehler
                  << (leser.Fehler == 1 ? " error" : " errors") << "; nothing was written\n";
        return Fehlschlag;
    }
    return PlanSchreiben(plan, Ziel, Meldungen);
}

int LektionBauen(const fs::path& Quelle, const fs::path& Ziel, std::ostream& Meldungen) {
    std::ifstream datei(Quelle, std::ios::binary);
    std::error_code fehler;
    if (!datei || fs::is_directory(Quelle, fehler)) {
        Meldungen << "vlmtab: " << Quelle.string() << ": cannot be read\n";
        return Fehlschlag;
    }
    const std::string json{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    if (datei.bad()) {
        Meldungen << "vlmtab: " << Quelle.string() << ": cannot be read\n";
        return Fehlschlag;
    }
    return LektionAusTextBauen(json, Quelle.string(), Ziel, Meldungen);
}

} // namespace vlmtab
