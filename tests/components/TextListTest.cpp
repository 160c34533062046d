#include "components/TextList.h"
#include "components/RandomSource.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::shared_ptr<TextList> parts(const char* text)
{
    return std::make_shared<TextList>(TextList::fromText(QString::fromUtf8(text), "*"));
}

TextList linked(const char* first, const char* second)
{
    TextList combined;
    combined.SetFirst(parts(first));
    combined.SetSecond(parts(second));
    return combined;
}

// Draws from a fixed list of numbers, each clamped into the asked range.
class ListedRandom : public RandomSource {
public:
    explicit ListedRandom(QList<int> draws) : m_draws(std::move(draws)) {}
    int uniform(int lo, int hi) override
    {
        return std::clamp(m_draws.isEmpty() ? lo : m_draws.takeFirst(), lo, hi);
    }

private:
    QList<int> m_draws;
};

} // namespace

TEST(TextList, SplitsAtEverySeparator)
{
    EXPECT_EQ(parts("Iod*Jod")->items(), QStringList({"Iod", "Jod"}));
    EXPECT_EQ(parts("")->Count(), 1); // an empty line is one empty part
    EXPECT_EQ(parts("a**b")->Count(), 3);
    EXPECT_EQ(parts("A*B")->Item(1), "A");
    EXPECT_EQ(parts("A*B")->Item(3), "");
    EXPECT_EQ(parts("A*B")->Join("*", "*", "*"), "*A*B*");
}

// A linked list holds every first part followed by every second part.
TEST(TextList, LinkedListCombinesItsParts)
{
    const struct {
        const char* first;
        const char* second;
        QStringList combined;
    } cases[] = {{"Natrium", "chlorid", {"Natriumchlorid"}},
                 {"Eisen(III)-*Eisen(III)",
                  "oxid*Oxid",
                  {"Eisen(III)-oxid", "Eisen(III)-Oxid", "Eisen(III)oxid", "Eisen(III)Oxid"}},
                 {"Wasser*Eis", "", {"Wasser", "Eis"}}};
    for (const auto& c : cases) {
        const TextList combined = linked(c.first, c.second);
        EXPECT_EQ(combined.items(), c.combined);
        EXPECT_EQ(combined.Count(), c.combined.size());
        EXPECT_EQ(combined.Item(1), c.combined.first());
    }

    // It follows its parts, and a missing second part counts as one empty part.
    const auto kalium = parts("Kalium");
    TextList combined;
    combined.SetFirst(kalium);
    EXPECT_EQ(combined.items(), QStringList({"Kalium"}));
    kalium->Add(QStringLiteral("Natrium"));
    EXPECT_EQ(combined.Join("", "|", ""), "Kalium|Natrium");

    TextList salts = linked("Natrium*Kalium", "chlorid");
    ListedRandom random({0});
    salts.Reorder(random);
    EXPECT_EQ(salts.items(), QStringList({"Kaliumchlorid", "Natriumchlorid"}));
}

TEST(TextList, ReordersAndPicksByTheDraws)
{
    const struct {
        QStringList items;
        QList<int> draws;
        QStringList reordered;
        QString picked;
    } cases[] = {
        {{"b", "C", "a", "Ä"}, {3, 2, 1, 2}, {"b", "C", "a", "Ä"}, "a"}, // every draw in range
        {{"1", "2", "3"}, {0, 0, 0}, {"2", "3", "1"}, "2"},              // swaps from the end
        {{"x, y", "x"}, {0, 1}, {"x", "x, y"}, "x, y"},                  // a comma is text
        {{}, {}, {}, ""},
    };
    for (const auto& c : cases) {
        TextList list;
        for (const QString& item : c.items)
            list.Add(item);
        ListedRandom random(c.draws);
        list.Reorder(random);
        EXPECT_EQ(list.items(), c.reordered);
        EXPECT_EQ(list.Pick(random), c.picked);
    }
}
