#include "vlmtab/JsonText.h"

#include "store/Zeichensatz.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace vlmtab {

std::string JsonZeichenkette(std::string_view Utf8) {
    std::string s = "\"";
    s.reserve(Utf8.size() + 2);
    for (const char c : Utf8) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\b': s += "\\b"; break;
        case '\f': s += "\\f"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char puffer[8];
                std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned char>(c));
                s += puffer;
            } else {
                s += c;
            }
        }
    }
    s += '"';
    return s;
}

std::string Dumpzeile(int32_t Nr, int32_t Offset, const std::vector<std::string>& Werte) {
    std::string z =
        "{\"nr\":" + std::to_string(Nr) + ",\"offset\":" + std::to_string(Offset) + ",\"values\":[";
    for (size_t i = 0; i < Werte.size(); ++i) {
        if (i) z += ',';
        z += JsonZeichenkette(AnsiNachUtf8(Werte[i]));
    }
    z += "]}";
    return z;
}

std::string PfadMit(const std::string& Pfad, std::string_view Schluessel) {
    std::string p = Pfad + '/';
    for (const char c : Schluessel) {
        if (c == '~')
            p += "~0";
        else if (c == '/')
            p += "~1";
        else
            p += c;
    }
    return p;
}

std::string PfadMit(const std::string& Pfad, size_t Index) {
    return Pfad + '/' + std::to_string(Index);
}

namespace {

bool Einer(char c, std::string_view Zeichen) {
    return Zeichen.find(c) != std::string_view::npos;
}

// Walks a JSON text that QJsonDocument has already accepted, so it checks nothing.
class Schluesselleser {
public:
    explicit Schluesselleser(std::string_view Json) : Text(Json) {}

    void Wert(const std::string& Pfad) {
        Leerraum();
        if (i >= Text.size()) return;
        switch (Text[i]) {
        case '{': Objekt(Pfad); break;
        case '[': Feld(Pfad); break;
        case '"': Zeichenkette(); break;
        default:
            while (i < Text.size() && !Einer(Text[i], ",]} \t\r\n"))
                ++i;
        }
    }

    Schluesselfolgen Folgen;

private:
    void Leerraum() {
        while (i < Text.size() && Einer(Text[i], " \t\r\n"))
            ++i;
    }

    void Objekt(const std::string& Pfad) {
        auto& schluessel = Folgen[Pfad];
        ++i;
        for (;;) {
            Leerraum();
            if (i >= Text.size() || Text[i] == '}') break;
            if (Text[i] == ',') {
                ++i;
                continue;
            }
            std::string name = Zeichenkette();
            Leerraum();
            if (i < Text.size() && Text[i] == ':') ++i;
            Wert(PfadMit(Pfad, name));
            schluessel.push_back(std::move(name));
        }
        ++i;
    }

    void Feld(const std::string& Pfad) {
        ++i;
        size_t index = 0;
        for (;;) {
            Leerraum();
            if (i >= Text.size() || Text[i] == ']') break;
            if (Text[i] == ',') {
                ++i;
                continue;
            }
            Wert(PfadMit(Pfad, index++));
        }
        ++i;
    }

    // A string with its quotes; escapes are decoded by Qt's parser, which accepted them.
    std::string Zeichenkette() {
        const size_t anfang = i++;
        bool maskiert = false;
        while (i < Text.size() && Text[i] != '"') {
            if (Text[i] == '\\') {
                maskiert = true;
                ++i;
            }
            ++i;
        }
        ++i;
        const std::string_view roh = Text.substr(anfang, i - anfang);
        if (!maskiert) return std::string(roh.substr(1, roh.size() - 2));
        const QByteArray feld =
            "[" + QByteArray(roh.data(), static_cast<qsizetype>(roh.size())) + "]";
        return QJsonDocument::fromJson(feld).array().at(0).toString().toStdString();
    }

    std::string_view Text;
    size_t i = 0;
};

} // namespace

Schluesselfolgen SchluesselfolgenLesen(std::string_view Json) {
    Schluesselleser leser(Json);
    leser.Wert("");
    return std::move(leser.Folgen);
}

} // namespace vlmtab
