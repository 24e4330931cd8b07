#include "document/config_lines.h"
#include "document/config_template.h"
#include "document/cp1251.h"
#include "document/errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using namespace brimvale;

struct RecordingListener : ConfigLinesListener {
    int fills = 0;
    std::vector<int> replaced;
    void linesFilled() override { ++fills; }
    void lineReplaced(int index) override { replaced.push_back(index); }
};

class ConfigLinesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lines.setListener(&listener);
        lines.fill();
    }
    ConfigLines lines;
    RecordingListener listener;
};

TEST_F(ConfigLinesTest, FillHoldsTheTemplateInWindows1251)
{
    ASSERT_EQ(lines.count(), 648);
    for (int i = 0; i < lines.count(); ++i)
        ASSERT_EQ(lines.read(i), cp1251::fromUtf8(ConfigTemplate::line(i))) << i;
    EXPECT_EQ(listener.fills, 1);
}

TEST_F(ConfigLinesTest, FillAgainStartsOverFromTheTemplate)
{
    lines.replace(8, "changed");
    lines.fill();
    EXPECT_EQ(lines.count(), 648);
    EXPECT_EQ(lines.read(8), cp1251::fromUtf8(ConfigTemplate::line(8)));
}

TEST_F(ConfigLinesTest, ReadGivesACopy)
{
    std::string copy = lines.read(0);
    copy = "something else";
    EXPECT_EQ(lines.read(0), "#! /path/to/executable/eggdrop");
}

class OutOfBounds : public ConfigLinesTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutOfBounds, ReadAndReplaceRefuseWithTheIndexInTheMessage)
{
    const int index = GetParam();
    const std::string message = "List index out of bounds (" + std::to_string(index) + ")";
    try {
        (void)lines.read(index);
        FAIL() << "read accepted " << index;
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.what(), message);
    }
    try {
        lines.replace(index, "x");
        FAIL() << "replace accepted " << index;
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_EQ(lines.count(), 648);
    EXPECT_TRUE(listener.replaced.empty());
}

INSTANTIATE_TEST_SUITE_P(Indices, OutOfBounds, ::testing::Values(-1, 648, 649, INT_MIN, INT_MAX));

TEST(ConfigLinesEmpty, ReadBeforeFillIsOutOfBounds)
{
    ConfigLines empty;
    EXPECT_EQ(empty.count(), 0);
    EXPECT_THROW((void)empty.read(0), EStringListError);
}

TEST_F(ConfigLinesTest, ReplaceChangesOnlyThatLineAndTellsTheListener)
{
    const ConfigLines before = lines;
    const std::vector<std::pair<int, std::string>> edits{
        {0, "first"}, {647, "last"}, {94, ""}, {310, "  \xF1\xE5\xF0\xE2\xE5\xF0:6667  "}, {5, "\xFF\x98\x80"}};
    for (const auto& [index, text] : edits)
        lines.replace(index, text);

    for (int i = 0; i < lines.count(); ++i) {
        std::string expected = before.at(i);
        for (const auto& [index, text] : edits)
            if (index == i)
                expected = text;
        ASSERT_EQ(lines.at(i), expected) << i;
    }
    EXPECT_EQ(listener.replaced, (std::vector<int>{0, 647, 94, 310, 5}));
}

TEST_F(ConfigLinesTest, ReplaceRefusesLineBreaksAndNul)
{
    const std::string original = lines.read(8);
    for (const std::string& text : {std::string("a\rb"), std::string("a\nb"), std::string("a\r\n"),
                                   std::string("\n"), std::string("a\0b", 3)}) {
        EXPECT_THROW(lines.replace(8, text), EInvalidLineText);
        EXPECT_EQ(lines.read(8), original);
    }
    EXPECT_TRUE(listener.replaced.empty());
}

} // namespace
