#pragma once
// What the platform layer keeps for the running program: the host form that receives host
// commands and the application's help file. Held by the application context.

#include <filesystem>

class QObject;

struct TPlattformstand {
    QObject* Hostformular = nullptr;
    std::filesystem::path Hilfedatei;
};
