#include "mail/TMailClient.h"

#include "mail/Mailkodierung.h"
#include "store/Zahlen.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <random>
#include <vector>

namespace {

struct ListeFreigeben {
    void operator()(curl_slist* Liste) const { curl_slist_free_all(Liste); }
};
struct MimeFreigeben {
    void operator()(curl_mime* Mime) const { curl_mime_free(Mime); }
};
using TListe = std::unique_ptr<curl_slist, ListeFreigeben>;
using TMime = std::unique_ptr<curl_mime, MimeFreigeben>;

struct TAnlage {
    std::string Name;
    std::string Daten;
};

bool Anhaengen(TListe& Liste, const std::string& Eintrag) {
    curl_slist* neu = curl_slist_append(Liste.get(), Eintrag.c_str());
    if (!neu) return false;
    Liste.release();
    Liste.reset(neu);
    return true;
}

size_t Verwerfen(char*, size_t Groesse, size_t Anzahl, void*) {
    return Groesse * Anzahl;
}

std::vector<std::string> EmpfaengerBereinigen(const std::vector<std::string>& Empfaenger) {
    std::vector<std::string> Ergebnis;
    for (const auto& e : Empfaenger) {
        std::string adresse = AdresseBereinigen(e);
        if (!adresse.empty()) Ergebnis.push_back(std::move(adresse));
    }
    return Ergebnis;
}

// The whole file is read before the first command goes out, so an unreadable attachment
// never leaves a half-sent message behind.
bool AnlagenLesen(const std::vector<std::filesystem::path>& Pfade, std::vector<TAnlage>& Anlagen,
                  std::string& Fehler) {
    for (const auto& pfad : Pfade) {
        std::error_code e;
        std::ifstream datei;
        if (std::filesystem::is_regular_file(pfad, e)) datei.open(pfad, std::ios::binary);
        if (!datei.is_open()) {
            Fehler = "Anlage nicht lesbar: " + pfad.string();
            return false;
        }
        std::string daten{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
        if (datei.bad()) {
            Fehler = "Anlage nicht lesbar: " + pfad.string();
            return false;
        }
        Anlagen.push_back({pfad.filename().string(), std::move(daten)});
    }
    return true;
}

// Every kind of line break inside a line ends a line; the wire wants CR LF and nothing else.
std::string TextAufbauen(const std::vector<std::string>& Zeilen) {
    std::string Text;
    for (const auto& zeile : Zeilen) {
        const std::string utf8 = AlsUtf8(zeile);
        for (size_t i = 0; i < utf8.size(); ++i) {
            if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            if (utf8[i] == '\r' || utf8[i] == '\n')
                Text += "\r\n";
            else
                Text += utf8[i];
        }
        Text += "\r\n";
    }
    return Text;
}

std::string NachrichtenId(const std::string& Absender) {
    const auto trenner = Absender.find('@');
    std::string domaene = trenner == std::string::npos ? "" : Absender.substr(trenner + 1);
    if (domaene.empty() ||
        domaene.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                  "abcdefghijklmnopqrstuvwxyz0123456789.-") != std::string::npos)
        domaene = "velmora.invalid";
    static std::mt19937_64 zufall{std::random_device{}()};
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch().count();
    char text[64];
    std::snprintf(text, sizeof text, "%llx.%016llx", static_cast<unsigned long long>(jetzt),
                  static_cast<unsigned long long>(zufall()));
    return "<" + std::string(text) + "@" + domaene + ">";
}

std::vector<std::string> Kopfzeilen(const TMailNachricht& N,
                                    const std::vector<std::string>& Empfaenger) {
    const auto datum = N.Datum.value_or(std::chrono::system_clock::now());
    std::vector<std::string> Kopf;
    Kopf.push_back("Date: " + DatumFormatieren(datum));
    Kopf.push_back("From: " + AdresseFormatieren(N.AbsenderName, N.AbsenderAdresse));
    const std::string antwort = AdresseBereinigen(N.Antwortadresse);
    if (!antwort.empty()) Kopf.push_back("Reply-To: " + antwort);
    std::string an;
    for (const auto& e : Empfaenger)
        an += (an.empty() ? "" : ", ") + e;
    Kopf.push_back("To: " + an);
    const std::string betreff = KopfwertKodieren(N.Betreff);
    if (!betreff.empty()) Kopf.push_back("Subject: " + betreff);
    Kopf.push_back("Message-ID: " + NachrichtenId(AdresseBereinigen(N.AbsenderAdresse)));
    const std::string programm = KopfwertKodieren(N.Mailprogramm);
    if (!programm.empty()) Kopf.push_back("X-Mailer: " + programm);
    return Kopf;
}

bool TextteilAnfuegen(curl_mime* Mime, const std::string& Text) {
    curl_mimepart* teil = curl_mime_addpart(Mime);
    return teil && curl_mime_data(teil, Text.data(), Text.size()) == CURLE_OK &&
           curl_mime_type(teil, IstAscii(Text) ? "text/plain; charset=us-ascii"
                                               : "text/plain; charset=utf-8") == CURLE_OK &&
           curl_mime_encoder(teil, "quoted-printable") == CURLE_OK;
}

bool AnlageAnfuegen(curl_mime* Mime, const TAnlage& Anlage) {
    curl_mimepart* teil = curl_mime_addpart(Mime);
    TListe kopf;
    if (!teil || !Anhaengen(kopf, AnlageKopf(Anlage.Name))) return false;
    if (curl_mime_headers(teil, kopf.get(), 1) != CURLE_OK) return false;
    kopf.release();
    return curl_mime_data(teil, Anlage.Daten.data(), Anlage.Daten.size()) == CURLE_OK &&
           curl_mime_type(teil, "application/octet-stream") == CURLE_OK &&
           curl_mime_encoder(teil, "base64") == CURLE_OK;
}

TMime MimeAufbauen(CURL* Handle, const std::string& Text, const std::vector<TAnlage>& Anlagen) {
    TMime mime{curl_mime_init(Handle)};
    if (!mime || !TextteilAnfuegen(mime.get(), Text)) return nullptr;
    for (const auto& anlage : Anlagen)
        if (!AnlageAnfuegen(mime.get(), anlage)) return nullptr;
    return mime;
}

std::string Url(const std::string& Host, int Port) {
    std::unique_ptr<CURLU, void (*)(CURLU*)> url{curl_url(), curl_url_cleanup};
    const std::string host = Host.find(':') != std::string::npos ? "[" + Host + "]" : Host;
    const std::string port = std::to_string(Port);
    char* text = nullptr;
    if (!url || curl_url_set(url.get(), CURLUPART_SCHEME, "smtp", 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_HOST, host.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0) != CURLUE_OK ||
        curl_url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK)
        return {};
    std::string ergebnis = text;
    curl_free(text);
    return ergebnis;
}

std::string Trimmen(const std::string& Text) {
    const auto anfang = Text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return {};
    return Text.substr(anfang, Text.find_last_not_of(" \t") - anfang + 1);
}

} // namespace

TMailClient::TMailClient() {
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

TMailClient::~TMailClient() {
    if (Sitzung) curl_easy_cleanup(Sitzung);
}

void TMailClient::ServerSetzen(const std::string& MailServer) {
    const std::string wert = Trimmen(MailServer);
    Host.clear();
    Port = 25;
    std::string host = wert;
    std::string port;
    if (!wert.empty() && wert.front() == '[') {
        const auto zu = wert.find(']');
        if (zu == std::string::npos) return;
        host = wert.substr(1, zu - 1);
        const std::string rest = wert.substr(zu + 1);
        if (!rest.empty() && rest.front() != ':') return;
        if (!rest.empty()) port = rest.substr(1);
        if (!rest.empty() && port.empty()) return;
    } else if (std::count(wert.begin(), wert.end(), ':') == 1) {
        host = wert.substr(0, wert.find(':'));
        port = wert.substr(wert.find(':') + 1);
        if (port.empty()) return;
    }
    if (!port.empty()) {
        const auto nummer = Zahlen::Ziffern(port, 1, 5);
        if (!nummer || *nummer < 1 || *nummer > 65535) return;
        Port = static_cast<int>(*nummer);
    }
    Host = host;
}

bool TMailClient::Fehlschlag(const std::string& Text) {
    Fehler = Text;
    return false;
}

// Called before every transfer and after it, so that no pointer into a finished sending stays
// in the handle. Only smtp, no proxy from the environment: nothing but the configured server
// is ever reached.
bool TMailClient::Grundeinstellungen(CURL* Handle) {
    curl_easy_reset(Handle);
    const std::string url = Url(Host, Port);
    if (url.empty()) return false;
    const long antwortzeit = std::max<long>(1, (Zeitlimit.count() + 999) / 1000);
    curl_easy_setopt(Handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(Handle, CURLOPT_PROTOCOLS_STR, "smtp");
    curl_easy_setopt(Handle, CURLOPT_PROXY, "");
    curl_easy_setopt(Handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(Handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(Zeitlimit.count()));
    curl_easy_setopt(Handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, antwortzeit);
    // The server's answers to our commands are of no use to the caller.
    curl_easy_setopt(Handle, CURLOPT_WRITEFUNCTION, Verwerfen);
    return true;
}

// libcurl keeps a connection that ended its exchange cleanly for the next transfer of the same
// handle: a NOOP opens it here, and `Senden` goes on over it.
bool TMailClient::Verbinden() {
    if (Sitzung) return true;
    Fehler.clear();
    if (Host.empty() || Port < 1 || Port > 65535) return Fehlschlag("Kein Mailserver eingestellt");
    CURL* handle = curl_easy_init();
    if (!handle) return Fehlschlag("libcurl nicht verfuegbar");
    if (!Grundeinstellungen(handle)) {
        curl_easy_cleanup(handle);
        return Fehlschlag("Ungueltiger Mailserver: " + Host);
    }
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, "NOOP");
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(Zeitlimit.count()));
    const CURLcode ergebnis = curl_easy_perform(handle);
    if (ergebnis != CURLE_OK) {
        curl_easy_cleanup(handle);
        return Fehlschlag(curl_easy_strerror(ergebnis));
    }
    Grundeinstellungen(handle);
    Sitzung = handle;
    if (BeiVerbunden) BeiVerbunden();
    return true;
}

void TMailClient::Trennen() {
    if (!Sitzung) return;
    CURL* handle = Sitzung;
    Sitzung = nullptr;
    curl_easy_cleanup(handle);
    if (BeiGetrennt) BeiGetrennt();
}

bool TMailClient::Senden(const TMailNachricht& Nachricht) {
    Fehler.clear();
    const std::vector<std::string> empfaenger = EmpfaengerBereinigen(Nachricht.Empfaenger);
    if (empfaenger.empty()) return Fehlschlag("Kein Empfaenger");
    std::vector<TAnlage> anlagen;
    if (!AnlagenLesen(Nachricht.Anlagen, anlagen, Fehler)) return false;

    const bool selbstVerbunden = !Sitzung;
    if (!Verbinden()) return false;

    TListe kopf;
    TListe umschlag;
    bool bereit = true;
    for (const auto& zeile : Kopfzeilen(Nachricht, empfaenger))
        bereit = bereit && Anhaengen(kopf, zeile);
    for (const auto& e : empfaenger)
        bereit = bereit && Anhaengen(umschlag, "<" + e + ">");
    TMime mime = MimeAufbauen(Sitzung, TextAufbauen(Nachricht.Textzeilen), anlagen);
    CURLcode ergebnis = CURLE_OUT_OF_MEMORY;
    if (bereit && mime) {
        const std::string absender = "<" + AdresseBereinigen(Nachricht.AbsenderAdresse) + ">";
        curl_easy_setopt(Sitzung, CURLOPT_MAIL_FROM, absender.c_str());
        curl_easy_setopt(Sitzung, CURLOPT_MAIL_RCPT, umschlag.get());
        curl_easy_setopt(Sitzung, CURLOPT_HTTPHEADER, kopf.get());
        curl_easy_setopt(Sitzung, CURLOPT_MIMEPOST, mime.get());
        // A large attachment may take long; a stalled server may not.
        curl_easy_setopt(Sitzung, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
        curl_easy_setopt(Sitzung, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(Sitzung, CURLOPT_LOW_SPEED_TIME, 60L);
        ergebnis = curl_easy_perform(Sitzung);
    }
    Grundeinstellungen(Sitzung);
    if (ergebnis != CURLE_OK) {
        Fehler = curl_easy_strerror(ergebnis);
        Trennen();
        return false;
    }
    if (selbstVerbunden) Trennen();
    return true;
}
