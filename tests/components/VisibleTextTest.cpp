#include "components/VisibleText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
    const char* name;
    QString text;
    QString visible; // as a table cell of 12 characters shows it
};

class NameCell : public ::testing::TestWithParam<Shown> {};

TEST_P(NameCell, ShowsWhatIsThereAndStaysNarrow)
{
    EXPECT_EQ(cutToWidth(visibleText(GetParam().text), 12), GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameCell,
    ::testing::Values(
        Shown{"Plain", QStringLiteral("Zoë Öz"), QStringLiteral("Zoë Öz")},
        Shown{"ZeroWidthSpace", QStringLiteral("Anna\u200B"), QStringLiteral("Anna<U+200B>")},
        Shown{"BidiOverride", QStringLiteral("\u202Eanna"), QStringLiteral("<U+202E>anna")},
        Shown{"LineBreak", QStringLiteral("A\nB"), QStringLiteral("A<U+000A>B")},
        Shown{"Escape", QStringLiteral("\x1b[2J"), QStringLiteral("<U+001B>[2J")},
        Shown{"HangulFiller", QStringLiteral("\u3164"), QStringLiteral("<U+3164>")},
        Shown{"LoneSurrogate", QString(QChar(0xD800)), QStringLiteral("<U+D800>")},
        Shown{"TwelveCharacters", QStringLiteral("0123456789AB"), QStringLiteral("0123456789AB")},
        Shown{"LongName", QString(60000, u'x'), QStringLiteral("xxxxxxxxxxx…")},
        // A character beyond the Basic Multilingual Plane counts once and is never halved.
        Shown{"EmojiAtTheCut", QStringLiteral("12345678901🧪🧪"), QStringLiteral("12345678901…")},
        Shown{"EmojiFits", QStringLiteral("12345678901🧪"), QStringLiteral("12345678901🧪")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
