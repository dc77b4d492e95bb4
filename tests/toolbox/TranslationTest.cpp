#include "toolbox/Translation.h"

#include <gtest/gtest.h>

using toolbox::Translation;

TEST(TranslationTest, ValuesGoIntoTheFormatInOrderAndAreNeverReadAsFormats)
{
    struct Case
    {
        const char* format;
        std::initializer_list<std::string_view> values;
        const char* expected;
    };
    const Case cases[] = {
        {"Todo: %s", {"Garden"}, "Todo: Garden"},
        {"%s\nand\n%s", {"first", "second"}, "first\nand\nsecond"},
        // A name that looks like a format stays as it is.
        {"Todo: %s", {"100%s %%"}, "Todo: 100%s %%"},
        {"100%% of %s", {"8"}, "100% of 8"},
        // Fewer values than places leave the rest; a lone "%" at the end stays.
        {"%s and %s", {"one"}, "one and %s"},
        {"50%", {}, "50%"},
        {"%d stays", {"x"}, "%d stays"},
        {"", {"unused"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Translation::FillIn(c.format, c.values), c.expected) << c.format;
}

TEST(TranslationTest, WithoutATranslatorTextsStayEnglish)
{
    EXPECT_EQ(Translation::Tr("Paused"), "Paused");
    EXPECT_EQ(Translation::TrFormat("Current time: %s", {"1,50"}), "Current time: 1,50");
    EXPECT_STREQ(toolbox::TrLater("Ready"), "Ready");
}
