#pragma once
// One QApplication for a whole test executable, as in the player. A test file registers it:
//   static auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);
// Several files of one executable may each register it: the first creates the application,
// the others use it, and only the one that created it deletes it.

#include "platform/Ereignisschleife.h"

#include <gtest/gtest.h>

#include <QApplication>

class QtAnwendung : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "velmora_test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance()) return;
        EreignisschleifeWaehlen(); // the player's event loop
        Anwendung = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete Anwendung;
        Anwendung = nullptr;
    }

private:
    QApplication* Anwendung = nullptr;
};
