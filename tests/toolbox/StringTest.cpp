#include "toolbox/String.h"
#include "toolbox/Exception.h"

#include <gtest/gtest.h>

#include <string>

using namespace toolbox;

TEST(StringTest, ConstructsAndCopiesIndependently)
{
    EXPECT_STREQ(String().c_str(), "");
    EXPECT_STREQ(String('x').c_str(), "x");
    EXPECT_TRUE(String('\0').IsEmpty());
    EXPECT_TRUE(String(static_cast<const char*>(nullptr)).IsEmpty());

    String a("shared");
    String b(a);
    b.Append("!");
    EXPECT_EQ(a, "shared");
    EXPECT_EQ(b, "shared!");
    {
        String c = a;
        c.Set("other");
    }
    EXPECT_EQ(a, "shared");
}

TEST(StringTest, Appends)
{
    String s;
    s.Append("n=").AppendNumber(-2147483647 - 1).Append(' ').AppendNumber(2147483647);
    EXPECT_EQ(s, "n=-2147483648 2147483647");
    s.Append('\0').Append(static_cast<const char*>(nullptr));
    EXPECT_EQ(s.Length(), 24);
}

TEST(StringTest, TruncatesAndCuts)
{
    String s("abcdef");
    s.Truncate(6);
    s.Truncate(100);
    EXPECT_EQ(s, "abcdef");
    s.Truncate(3);
    EXPECT_EQ(s, "abc");
    s.Truncate(-1);
    EXPECT_TRUE(s.IsEmpty());

    String t("abcdef");
    t.CutLast(-3);
    EXPECT_EQ(t, "abcdef");
    t.CutLast(2);
    EXPECT_EQ(t, "abcd");
    t.CutLast(0);
    EXPECT_EQ(t, "abcd");
    t.CutLast(10);
    EXPECT_EQ(t, "");
}

TEST(StringTest, EndsWith)
{
    String s("Tallydene.cfg");
    EXPECT_TRUE(s.EndsWith(""));
    EXPECT_TRUE(s.EndsWith(".cfg"));
    EXPECT_TRUE(s.EndsWith("Tallydene.cfg"));
    EXPECT_FALSE(s.EndsWith(".CFG"));
    EXPECT_FALSE(s.EndsWith("xTallydene.cfg"));
    EXPECT_TRUE(String().EndsWith(""));
    EXPECT_FALSE(String().EndsWith("a"));
}

TEST(StringTest, IndexOf)
{
    String s("a/b/c");
    EXPECT_EQ(s.IndexOf('/'), 1);
    EXPECT_EQ(s.IndexOf('x'), -1);
    EXPECT_EQ(s.IndexOf('\0'), -1);
    EXPECT_EQ(s.IndexOf("/", 0), 1);
    EXPECT_EQ(s.IndexOf("/", 1), 1);
    EXPECT_EQ(s.IndexOf("/", 2), 3);
    EXPECT_EQ(s.IndexOf("/", 4), -1);
    EXPECT_EQ(s.IndexOf("/", -5), 1);
    EXPECT_EQ(s.IndexOf("b/c", 0), 2);
    EXPECT_EQ(s.IndexOf("", 5), 5);
    EXPECT_EQ(s.IndexOf("", 6), -1);
    EXPECT_EQ(s.IndexOf("c", 6), -1);
}

TEST(StringTest, ComparesUnsignedBytes)
{
    String s("abc");
    EXPECT_EQ(s.Compare("abc"), 0);
    EXPECT_LT(s.Compare("abd"), 0);
    EXPECT_GT(s.Compare("ab"), 0);
    EXPECT_LT(s.Compare("abc\xe9"), 0);
    EXPECT_LT(String("a").Compare("\xe9"), 0) << "bytes above 127 sort after ASCII";
    EXPECT_GT(s.Compare(nullptr), 0);
    EXPECT_FALSE(s == "abd");
}

TEST(StringTest, LowerCasesAsciiAndLatin1Capitals)
{
    String s("AZaz09-@[`\xc0\xd6\xd7\xd8\xde\xdf\xff");
    s.ToLowerCase();
    EXPECT_EQ(s, "azaz09-@[`\xe0\xf6\xd7\xf8\xfe\xdf\xff");
}

TEST(StringTest, FormatsResultsOfEveryLengthAroundBufferEdges)
{
    // Results just below, at and above any internal buffer size must come out whole, with
    // room for the zero byte.
    String s("previous content");
    for (int length = 0; length < 1100; ++length)
    {
        std::string expected(static_cast<size_t>(length), 'x');
        s.Format("%s", expected.c_str());
        ASSERT_EQ(s.str(), expected) << length;
        ASSERT_EQ(s.Length(), length);
    }
    s.Format("%d-%s-%c", 12, "ab", 'z');
    EXPECT_EQ(s, "12-ab-z");
    s.Format("%s%c%s", std::string(600, 'a').c_str(), '\0', "tail");
    EXPECT_EQ(s.Length(), 600) << "a zero byte ends the text";
}

TEST(StringTest, FormattedResultOfHalfAGigabyteIsRefused)
{
    String s("kept?");
    try
    {
        // Reported by the formatter without being allocated.
        s.Format("%*s", 536870912, "");
        FAIL() << "no exception";
    }
    catch (const EIllegalArgument& e)
    {
        EXPECT_STREQ(e.GetMessage(), "Formatted string requires too much space (>512MB)");
        EXPECT_STREQ(e.GetFile(), "toolbox::String::FormatFromVargs");
        EXPECT_NE(e.GetLine(), 0);
    }
    EXPECT_TRUE(s.IsEmpty());

    s.Format("%*d", 1 << 20, 7);
    EXPECT_EQ(s.Length(), 1 << 20);
    EXPECT_TRUE(s.EndsWith(" 7"));
}
