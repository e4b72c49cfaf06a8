#pragma once
// One request of an object action, with every parameter it carries: the action (stored or
// internal code) and its arguments (0 or "" for what the object does not have), and the
// parameters an object hands over before its action runs. Those are kept in the action
// context until the next object hands over its own; one left unset here keeps the value
// there (Windows-1252 text).

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

struct TAktionsaufruf {
    TAktionsaufruf() = default;
    // The action and its arguments; the handed-over parameters stay unset.
    TAktionsaufruf(int32_t Aktion, int32_t TextNr, int32_t Objektnummer, std::string Hilfedatei,
                   int32_t HilfeContext, int32_t Datensatznummer, int32_t Ziel)
        : Aktion(Aktion), TextNr(TextNr), Objektnummer(Objektnummer),
          Hilfedatei(std::move(Hilfedatei)), HilfeContext(HilfeContext),
          Datensatznummer(Datensatznummer), Ziel(Ziel) {}

    int32_t Aktion = 0;
    int32_t TextNr = 0;
    int32_t Objektnummer = 0;
    std::string Hilfedatei;
    int32_t HilfeContext = 0;
    int32_t Datensatznummer = 0;
    int32_t Ziel = 0;

    std::optional<std::string> Email;
    std::optional<std::string> Beschreibung;
    std::optional<std::string> Script;
    std::optional<std::string> Dokument;
    std::optional<int32_t> Menuenummer;
    std::optional<QPoint> Popuppunkt;
};
