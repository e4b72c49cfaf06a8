#include "platform/Farben.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace {

constexpr int32_t Systemfarbenbasis = 0x01000000;

struct TSystemfarbe {
    std::optional<QPalette::ColorRole> Rolle; // with a role the palette decides
    QPalette::ColorGroup Gruppe = QPalette::Active;
    QRgb Klassisch = 0; // the classic Windows scheme, for colours without a role
};

// Indexed by the Windows system colour index 0..30.
TSystemfarbe Systemfarbe(int Index) {
    using R = QPalette::ColorRole;
    constexpr QRgb Silber = qRgb(192, 192, 192);
    constexpr QRgb Grau = qRgb(128, 128, 128);
    switch (Index) {
    case 0: return {{}, QPalette::Active, Silber};                   // scroll bar
    case 1: return {{}, QPalette::Active, qRgb(0, 128, 128)};        // desktop
    case 2: return {{}, QPalette::Active, qRgb(0, 0, 128)};          // active caption
    case 3: return {{}, QPalette::Active, Grau};                     // inactive caption
    case 4: return {R::Window, QPalette::Active, Silber};            // menu
    case 5: return {R::Base, QPalette::Active, qRgb(255, 255, 255)}; // window background
    case 6: return {{}, QPalette::Active, qRgb(0, 0, 0)};            // window frame
    case 7: return {R::WindowText, QPalette::Active, 0};             // menu text
    case 8: return {R::Text, QPalette::Active, 0};                   // window text
    case 9: return {{}, QPalette::Active, qRgb(255, 255, 255)};      // caption text
    case 10: return {{}, QPalette::Active, Silber};                  // active border
    case 11: return {{}, QPalette::Active, Silber};                  // inactive border
    case 12: return {{}, QPalette::Active, Grau};                    // application workspace
    case 13: return {R::Highlight, QPalette::Active, qRgb(0, 0, 128)};
    case 14: return {R::HighlightedText, QPalette::Active, qRgb(255, 255, 255)};
    case 15: return {R::Button, QPalette::Active, Silber}; // button face
    case 16: return {R::Dark, QPalette::Active, Grau};     // button shadow
    case 17: return {R::Text, QPalette::Disabled, Grau};   // grey text
    case 18: return {R::ButtonText, QPalette::Active, 0};
    case 19: return {{}, QPalette::Active, Silber};                    // inactive caption text
    case 20: return {R::Light, QPalette::Active, qRgb(255, 255, 255)}; // button highlight
    case 21: return {R::Shadow, QPalette::Active, 0};                  // 3-D dark shadow
    case 22: return {R::Midlight, QPalette::Active, Silber};           // 3-D light
    case 23: return {R::ToolTipText, QPalette::Active, 0};
    case 24: return {R::ToolTipBase, QPalette::Active, qRgb(255, 255, 225)};
    case 26: return {R::Link, QPalette::Active, qRgb(0, 0, 128)};      // hot light
    case 27: return {{}, QPalette::Active, qRgb(16, 132, 208)};        // gradient active caption
    case 28: return {{}, QPalette::Active, qRgb(181, 181, 181)};       // gradient inactive caption
    case 29: return {R::Highlight, QPalette::Active, qRgb(0, 0, 128)}; // menu highlight
    case 30: return {R::Window, QPalette::Active, Silber};             // menu bar
    default: return {};                                                // unknown: black
    }
}

QColor AusSystemfarbe(int Index) {
    const TSystemfarbe farbe = Systemfarbe(Index);
    if (farbe.Rolle && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(farbe.Gruppe, *farbe.Rolle);
    return QColor(farbe.Klassisch);
}

} // namespace

QColor Lektionsfarbe(int32_t Wert) {
    if (Wert < 0) return AusSystemfarbe(Wert + Systemfarbenbasis);
    // Bits above the blue byte carry no colour; they are applied as read.
    return QColor(Wert & 0xFF, (Wert >> 8) & 0xFF, (Wert >> 16) & 0xFF);
}
