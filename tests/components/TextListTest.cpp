#include "components/TextList.h"
#include "components/RandomSource.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(TextListTest, SplitsAtEverySeparator)
{
    EXPECT_EQ(TextList::fromText(QStringLiteral("Iod*Jod"), "*").items(), QStringList({"Iod", "Jod"}));
    EXPECT_EQ(TextList::fromText(QString(), "*").Count(), 1); // an empty line is one empty part
    EXPECT_EQ(TextList::fromText(QStringLiteral("a**b"), "*").Count(), 3);
    const TextList list = TextList::fromText(QStringLiteral("A*B"), "*");
    EXPECT_EQ(list.Item(1), "A");
    EXPECT_EQ(list.Item(3), "");
    EXPECT_EQ(list.Join("*", "*", "*"), "*A*B*");
}

struct LinkCase {
    const char* name;
    const char* first;
    const char* second;
    QStringList combined;
};

class LinkedList : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkedList, HoldsEveryFirstPartFollowedByEverySecondPart)
{
    const LinkCase& c = GetParam();
    TextList combined;
    combined.SetFirst(std::make_shared<TextList>(TextList::fromText(QString::fromUtf8(c.first), "*")));
    combined.SetSecond(std::make_shared<TextList>(TextList::fromText(QString::fromUtf8(c.second), "*")));
    EXPECT_EQ(combined.items(), c.combined);
    EXPECT_EQ(combined.Count(), c.combined.size());
    EXPECT_EQ(combined.Item(1), c.combined.first());
}

INSTANTIATE_TEST_SUITE_P(Table, LinkedList,
                         ::testing::Values(LinkCase{"OneByOne", "Natrium", "chlorid", {"Natriumchlorid"}},
                                           LinkCase{"FirstOuterSecondInner",
                                                    "Eisen(III)-*Eisen(III)",
                                                    "oxid*Oxid",
                                                    {"Eisen(III)-oxid", "Eisen(III)-Oxid", "Eisen(III)oxid",
                                                     "Eisen(III)Oxid"}},
                                           LinkCase{"EmptySecondLine", "Wasser*Eis", "", {"Wasser", "Eis"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextListTest, LinkedListFollowsItsParts)
{
    auto part1 = std::make_shared<TextList>(TextList::fromText(QStringLiteral("Kalium"), "*"));
    TextList combined;
    combined.SetFirst(part1);
    EXPECT_EQ(combined.items(), QStringList({"Kalium"})); // a missing second part counts as one empty part
    part1->Add(QStringLiteral("Natrium"));
    EXPECT_EQ(combined.Join("", "|", ""), "Kalium|Natrium");
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

struct OrderCase {
    const char* name;
    QStringList items;
    QList<int> draws;
    QStringList reordered;
    QString picked;
};

class Ordering : public ::testing::TestWithParam<OrderCase> {};

TEST_P(Ordering, ReorderAndPick)
{
    const OrderCase& c = GetParam();
    TextList reordered;
    for (const QString& item : c.items)
        reordered.Add(item);
    ListedRandom random(c.draws);
    reordered.Reorder(random);
    EXPECT_EQ(reordered.items(), c.reordered);
    EXPECT_EQ(reordered.Pick(random), c.picked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ordering,
    ::testing::Values(
        OrderCase{"EveryDrawInRange", {"b", "C", "a", "Ä"}, {3, 2, 1, 2}, {"b", "C", "a", "Ä"}, "a"},
        OrderCase{"ReorderSwapsFromTheEnd", {"1", "2", "3"}, {0, 0, 0}, {"2", "3", "1"}, "2"},
        OrderCase{"CommaIsText", {"x, y", "x"}, {0, 1}, {"x", "x, y"}, "x, y"},
        OrderCase{"EmptyList", {}, {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextListTest, ALinkedListReordersItsCombinedItems)
{
    TextList combined;
    combined.SetFirst(std::make_shared<TextList>(TextList::fromText(QStringLiteral("Natrium*Kalium"), "*")));
    combined.SetSecond(std::make_shared<TextList>(TextList::fromText(QStringLiteral("chlorid"), "*")));
    ListedRandom random({0});
    combined.Reorder(random);
    EXPECT_EQ(combined.items(), QStringList({"Kaliumchlorid", "Natriumchlorid"}));
}

} // namespace
