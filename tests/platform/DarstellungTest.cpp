// Lesson colours, font sizes and cursor numbers become Qt's colours, pixel sizes and cursors.

#include "platform/Farben.h"
#include "platform/Mauszeiger.h"
#include "platform/Schriften.h"
#include "store/TTabelle.h"
#include "support/QtAnwendung.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPalette>

namespace {

auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

TEST(Farben, RgbWerteSindBlauGruenRot) {
    const std::pair<int32_t, QColor> faelle[] = {
        {0, QColor(0, 0, 0)},
        {255, QColor(255, 0, 0)},
        {65535, QColor(255, 255, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {16777215, QColor(255, 255, 255)},
        {0x00336699, QColor(0x99, 0x66, 0x33)},
        {0x1FFFFFFF, QColor(255, 255, 255)}, // bits above blue carry no colour
    };
    for (const auto& [wert, farbe] : faelle)
        EXPECT_EQ(Lektionsfarbe(wert), farbe) << wert;
}

TEST(Farben, SystemfarbenMitRolleKommenAusDerPalette) {
    const QPalette p = QGuiApplication::palette();
    const std::pair<int32_t, QColor> faelle[] = {
        {-16777201, p.color(QPalette::Button)},                   // 15 button face
        {-16777211, p.color(QPalette::Base)},                     // 5 window background
        {-16777198, p.color(QPalette::ButtonText)},               // 18 button text
        {-16777203, p.color(QPalette::Highlight)},                // 13 highlight
        {-16777199, p.color(QPalette::Disabled, QPalette::Text)}, // 17 grey text
    };
    for (const auto& [wert, farbe] : faelle)
        EXPECT_EQ(Lektionsfarbe(wert), farbe) << wert;
}

TEST(Farben, SystemfarbenOhneRolleSindDieKlassischen) {
    const std::pair<int32_t, QColor> faelle[] = {
        {-16777216, QColor(192, 192, 192)}, // 0 scroll bar
        {-16777215, QColor(0, 128, 128)},   // 1 desktop
        {-16777214, QColor(0, 0, 128)},     // 2 active caption
        {-16777204, QColor(128, 128, 128)}, // 12 application workspace
        {-16777189, QColor(16, 132, 208)},  // 27 gradient active caption
        {-1, QColor(0, 0, 0)},              // no system colour
    };
    for (const auto& [wert, farbe] : faelle)
        EXPECT_EQ(Lektionsfarbe(wert), farbe) << wert;
}

TEST(Schriften, PunkteWerdenPixelBei96Dpi) {
    const std::pair<int, int> faelle[] = {{8, 11}, {9, 12}, {10, 13}, {12, 16}, {20, 27}, {0, 0}};
    for (const auto& [punkte, pixel] : faelle)
        EXPECT_EQ(PixelgroesseAusPunkten(punkte), pixel) << punkte;
}

TEST(Schriften, OhneGroesseBleibtDieGroesse) {
    QFont vorher;
    vorher.setPixelSize(21);
    TSchriftangaben angaben;
    angaben.Name = "Courier New";
    const QFont s = Lektionsschrift(angaben, vorher);
    EXPECT_EQ(s.pixelSize(), 21);
    EXPECT_EQ(QFontInfo(s).family(), "Liberation Mono");
}

TEST(Mauszeiger, CodesDerObjektfelder) {
    const std::pair<int, int> faelle[] = {{0, 0},    {1, 10},   {2, -3},  {4, -22}, {9, -10},
                                          {10, -11}, {15, -16}, {16, 11}, {17, -1}, {18, 12},
                                          {21, 15},  {22, 0},   {-4, 0}};
    for (const auto& [code, nummer] : faelle)
        EXPECT_EQ(CursornummerAusCode(code), nummer) << code;
}

TEST(Mauszeiger, StandardcursorUndSlots) {
    CursorSlotsLaden();
    const std::pair<int, Qt::CursorShape> faelle[] = {
        {0, Qt::ArrowCursor},          {-1, Qt::BlankCursor},    {-3, Qt::CrossCursor},
        {-4, Qt::IBeamCursor},         {-7, Qt::SizeVerCursor},  {-11, Qt::WaitCursor},
        {-21, Qt::PointingHandCursor}, {-22, Qt::SizeAllCursor}, {-23, Qt::ArrowCursor},
        {12, Qt::BitmapCursor},        {7, Qt::ArrowCursor}};
    for (const auto& [nummer, form] : faelle)
        EXPECT_EQ(Standardcursor(nummer).shape(), form) << nummer;
    EXPECT_EQ(Objektcursor(20).shape(), Qt::BitmapCursor);
    EXPECT_EQ(Objektcursor(8).shape(), Qt::SizeHorCursor);
    CursorSlotsFreigeben();
}

} // namespace
