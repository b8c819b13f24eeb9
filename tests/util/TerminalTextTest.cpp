// Text from input files on its way to a terminal.
#include <gtest/gtest.h>

#include "util/TerminalText.h"

using namespace kyt;

TEST(TerminalText, EscapesControlCharacters)
{
    const struct {
        QString in, out;
    } rows[] = {
        { "plain text, tabs\tand\nlines", "plain text, tabs\tand\nlines" },
        { "evil\x1B]0;owned\x07.png", "evil\\x1B]0;owned\\x07.png" },
        { "over\rwrite", "over\\x0Dwrite" },
        { "line\r\nend", "line\r\nend" },
        { QString::fromUtf8("del\x7F c1\xC2\x9B"), "del\\x7F c1\\x9B" },
        { QString::fromUtf8("Ren\xC3\xA9"
                            "e \xE2\x82\xAC"),
            QString::fromUtf8("Ren\xC3\xA9"
                              "e \xE2\x82\xAC") },
        { QString::fromUtf8("abc\xE2\x80\xAE"
                            "fdp.exe"),
            "abc\\u{202E}fdp.exe" },
    };
    for (const auto& r : rows)
        EXPECT_EQ(escapeControls(r.in), r.out) << r.in.toStdString();
}
