#pragma once
// The one pair of conversions between lesson text (Windows-1252 bytes) and Qt's text.

#include <QString>

#include <string>
#include <string_view>

QString AnsiNachQString(std::string_view Ansi);

// A character that Windows-1252 cannot hold becomes '?'.
std::string QStringNachAnsi(const QString& Text);
