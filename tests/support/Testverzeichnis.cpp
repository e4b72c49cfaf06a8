#include "support/Testverzeichnis.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

void Testverzeichnis::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("velmora-") + info->test_suite_name() + "-XXXXXX";
    for (char& c : name)
        if (c == '/') c = '_';
    std::string vorlage = (std::filesystem::temp_directory_path() / name).string();
    ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
    Verzeichnis = vorlage;
}

void Testverzeichnis::TearDown() {
    std::error_code e;
    std::filesystem::remove_all(Verzeichnis, e);
}

std::string DateiLesen(const std::filesystem::path& Pfad) {
    std::ifstream f(Pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void DateiSchreiben(const std::filesystem::path& Pfad, const std::string& Bytes) {
    std::ofstream f(Pfad, std::ios::binary | std::ios::trunc);
    f.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}
