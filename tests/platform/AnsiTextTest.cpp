#include "platform/AnsiText.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiText, NachQStringUndZurueck) {
    const std::string ansi = "Gr\xFC\xDF"
                             "e \x80 \x81 \xC4\xD6\xDC";
    const QString text = AnsiNachQString(ansi);
    EXPECT_EQ(text, QString::fromUtf8("Grüße € \u0081 ÄÖÜ"));
    EXPECT_EQ(QStringNachAnsi(text), ansi);
    EXPECT_EQ(AnsiNachQString(std::string("a\0b", 3)).size(), 3);
}

TEST(AnsiText, NichtDarstellbaresWirdFragezeichen) {
    EXPECT_EQ(QStringNachAnsi(QString::fromUtf8("Zeichen: \u263A \U0001F600 \u00E9")),
              "Zeichen: ? ? \xE9");
    EXPECT_EQ(QStringNachAnsi(QString(QChar(0xD800))), "?");
}

} // namespace
