#pragma once
// Every test works in a directory of its own, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class Testverzeichnis : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Verzeichnis;
};

// Whole file as bytes; empty when it cannot be read.
std::string DateiLesen(const std::filesystem::path& Pfad);
void DateiSchreiben(const std::filesystem::path& Pfad, const std::string& Bytes);
