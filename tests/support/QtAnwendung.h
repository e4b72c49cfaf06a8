#pragma once
// One QApplication for a whole test executable, as in the player. A test file registers it:
//   static auto* const qt = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

#include <gtest/gtest.h>

#include <QApplication>

class QtAnwendung : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "velmora_test";
        static char* argv[] = {name, nullptr};
        Anwendung = new QApplication(argc, argv);
    }
    void TearDown() override { delete Anwendung; }

private:
    QApplication* Anwendung = nullptr;
};
