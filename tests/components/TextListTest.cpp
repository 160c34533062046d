#include "components/TextList.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

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

} // namespace
