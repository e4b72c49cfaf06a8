#pragma once
// Turns message values into header text that is safe on the wire: no value can break out of
// its header line, and every character outside ASCII is encoded as the mail standards define.

#include <chrono>
#include <string>
#include <string_view>

bool IstAscii(std::string_view Text);
bool IstUtf8(std::string_view Text);

// Text that is not valid UTF-8 can only be lesson text that escaped conversion, so it is read
// as Windows-1252 rather than sent mislabelled.
std::string AlsUtf8(std::string_view Text);

// Line breaks and other control characters removed (a tab becomes a blank), blanks trimmed.
std::string KopfwertBereinigen(std::string_view Wert);

// As above, and without angle brackets and blanks, so that the address stays one address.
std::string AdresseBereinigen(std::string_view Adresse);

// Unstructured header text (Subject): ASCII as it is, anything else as UTF-8 encoded-words,
// folded onto continuation lines so that no line grows past the standard's limit.
std::string KopfwertKodieren(std::string_view Wert);

// `Name <Adresse>` with the name quoted or encoded; the bare address without a name.
std::string AdresseFormatieren(std::string_view Name, std::string_view Adresse);

// Content-Disposition of an attachment, with the file name as a quoted string or, outside
// plain ASCII, as a UTF-8 parameter value.
std::string AnlageKopf(std::string_view Dateiname);

// Date header value in local time, e.g. "Thu, 05 Jul 2001 14:03:09 +0200". English names
// whatever the locale, as the standard requires.
std::string DatumFormatieren(std::chrono::system_clock::time_point Zeitpunkt);
