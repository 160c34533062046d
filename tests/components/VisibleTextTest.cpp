#include "components/VisibleText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A name as a table cell of 12 characters shows it: what is there, and never wider.
TEST(VisibleText, ShowsWhatIsThereAndStaysNarrow)
{
    const struct {
        QString text;
        QString visible;
    } cases[] = {
        {QStringLiteral("Zoë Öz"), QStringLiteral("Zoë Öz")},
        {QStringLiteral("Anna\u200B"), QStringLiteral("Anna<U+200B>")},
        {QStringLiteral("\u202Eanna"), QStringLiteral("<U+202E>anna")},
        {QStringLiteral("A\nB"), QStringLiteral("A<U+000A>B")},
        {QStringLiteral("\x1b[2J"), QStringLiteral("<U+001B>[2J")},
        {QStringLiteral("\u3164"), QStringLiteral("<U+3164>")},
        {QString(QChar(0xD800)), QStringLiteral("<U+D800>")},
        {QStringLiteral("0123456789AB"), QStringLiteral("0123456789AB")},
        {QString(60000, u'x'), QStringLiteral("xxxxxxxxxxx…")},
        // A character beyond the Basic Multilingual Plane counts once and is never halved.
        {QStringLiteral("12345678901🧪🧪"), QStringLiteral("12345678901…")},
        {QStringLiteral("12345678901🧪"), QStringLiteral("12345678901🧪")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutToWidth(visibleText(c.text), 12), c.visible);
}
